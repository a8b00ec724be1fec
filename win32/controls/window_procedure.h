#pragma once

#include <windows.h>

#include "win32/services/windows_error.h"

namespace quill::win32 {

// The window procedure of a window class whose windows each belong to one
// C++ object of type T, passed as lpCreateParams and kept in GWLP_USERDATA
// until the window is gone. Each message runs T::OnMessage behind the
// object's error boundary (T::Errors()), so no exception crosses into
// Windows; messages that arrive before the object knows its window
// (T::Handle) go to DefWindowProc. The object destroys its window before it
// goes itself.
template <typename T>
LRESULT CALLBACK ObjectWindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    LRESULT result = 0;
    if (self == nullptr || self->Handle() != hwnd ||
        !self->Errors().Run([&] { result = self->OnMessage(message, wParam, lParam); })) {
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return result;
}

// Registers the window class `name` for windows that belong to objects of
// type T; one that is registered already is left as it is. The icons, if
// given, are the title bar's and the task switcher's.
template <typename T>
void RegisterObjectWindowClass(HINSTANCE instance, const wchar_t* name, HBRUSH background = nullptr,
                               HICON icon = nullptr, HICON smallIcon = nullptr) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ObjectWindowProcedure<T>;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        ThrowLastError("RegisterClassExW");
    }
}

}  // namespace quill::win32
