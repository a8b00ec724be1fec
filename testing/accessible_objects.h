#pragma once

// Active Accessibility's objects asked as a screen reader asks them, in this process or another.

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <tuple>
#include <utility>

#include "win32/services/handles.h"

namespace quill::testing {

using Answer = std::pair<HRESULT, std::wstring>;  // empty text where none came back

// The child id that means the object itself.
inline const VARIANT kSelf = [] {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}();

template <auto Make>
win32::UniqueInterface<IAccessible> ObjectOf(HWND window, LONG part) {
    IAccessible* object = nullptr;
    Make(window, part, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    return win32::UniqueInterface<IAccessible>(object);
}
// What a reader gets: the program's answer to WM_GETOBJECT, marshalled when asked from another
// process.
inline win32::UniqueInterface<IAccessible> ClientObject(HWND window, LONG part = OBJID_CLIENT) {
    return ObjectOf<::AccessibleObjectFromWindow>(window, part);
}
// The platform's own object for the window, as it would answer unasked.
inline win32::UniqueInterface<IAccessible> PlatformObject(HWND window, LONG part = OBJID_CLIENT) {
    return ObjectOf<::CreateStdAccessibleObject>(window, part);
}

inline Answer NameOf(IAccessible& object, const VARIANT& child = kSelf) {
    BSTR name = nullptr;
    Answer answer{object.get_accName(child, &name), name != nullptr ? name : L""};
    ::SysFreeString(name);
    return answer;
}

// The name as a late-bound client asks for it, with this child id or none (null): the result, the
// type of the value returned and its text.
inline std::tuple<HRESULT, VARTYPE, std::wstring> InvokedNameOf(IAccessible& object,
                                                                const VARIANT* child = &kSelf) {
    VARIANT argument = child != nullptr ? *child : VARIANT{}, name{};
    DISPPARAMS arguments{&argument, nullptr, child != nullptr ? 1u : 0u, 0};
    const HRESULT result = object.Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT,
                                         DISPATCH_PROPERTYGET, &arguments, &name, nullptr, nullptr);
    std::tuple answer{
        result, name.vt,
        std::wstring(name.vt == VT_BSTR && name.bstrVal != nullptr ? name.bstrVal : L"")};
    ::VariantClear(&name);
    return answer;
}

}  // namespace quill::testing
