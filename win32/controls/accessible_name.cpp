#include "win32/controls/accessible_name.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>
#include <utility>

#include "win32/services/handles.h"
#include "win32/services/system_library.h"
#include "win32/services/windows_error.h"

namespace quill::win32 {
namespace {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeFunction = void(WINAPI*)();

constexpr UINT_PTR kSubclassId = 1;

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The platform's accessible object of a window with another name: every
// question but the name of the object itself goes to the platform's object.
class NamedAccessible final : public IAccessible, public IOleWindow {
  public:
    NamedAccessible(UniqueInterface<IAccessible> standard, HWND hwnd, std::u16string_view name,
                    SysAllocStringLenFunction allocate)
        : standard_(std::move(standard)), hwnd_(hwnd), name_(name), allocate_(allocate) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDispatch)) ||
            IsEqualIID(iid, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(iid, __uuidof(IOleWindow))) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IOleWindow: the window the object belongs to.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        if (hwnd == nullptr) {
            return E_POINTER;
        }
        *hwnd = hwnd_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) {
            return standard_.get()->get_accName(child, name);
        }
        if (name == nullptr) {
            return E_POINTER;
        }
        *name = allocate_(reinterpret_cast<const OLECHAR*>(name_.data()),
                          static_cast<UINT>(name_.size()));
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // The rest as the platform answers it.
    // clang-format off
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return Std()->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override { return Std()->GetTypeInfo(index, locale, info); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override { return Std()->GetIDsOfNames(iid, names, count, locale, ids); }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* badArgument) override { return Std()->Invoke(id, iid, locale, flags, params, result, exception, badArgument); }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return Std()->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return Std()->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override { return Std()->get_accChild(child, object); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return Std()->get_accValue(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return Std()->get_accDescription(child, text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override { return Std()->get_accRole(child, role); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override { return Std()->get_accState(child, state); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return Std()->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override { return Std()->get_accHelpTopic(file, child, topic); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override { return Std()->get_accKeyboardShortcut(child, keys); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return Std()->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override { return Std()->get_accSelection(children); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override { return Std()->get_accDefaultAction(child, action); }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return Std()->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override { return Std()->accLocation(left, top, width, height, child); }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override { return Std()->accNavigate(direction, start, end); }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override { return Std()->accHitTest(x, y, child); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return Std()->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return Std()->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override { return Std()->put_accValue(child, value); }
    // clang-format on

  protected:
    ~NamedAccessible() = default;  // only Release ends it

  private:
    IAccessible* Std() const { return standard_.get(); }

    LONG references_ = 1;
    UniqueInterface<IAccessible> standard_;
    HWND hwnd_;
    std::u16string name_;
    SysAllocStringLenFunction allocate_;
};

}  // namespace

// The accessibility library and the two of COM that its objects need. The
// object references that answer WM_GETOBJECT are marshalled through COM, so
// the thread joins a single-threaded apartment if it is in none, and leaves
// it when this goes: that disconnects what other processes still hold,
// before the libraries go.
struct AccessibleNames::Runtime {
    UniqueModule ole32 = LoadSystemLibrary(L"ole32.dll");
    UniqueModule oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    UniqueModule oleacc = LoadSystemLibrary(L"oleacc.dll");
    CreateStdAccessibleObjectFunction createStandard =
        FunctionOf<CreateStdAccessibleObjectFunction>(oleacc.get(), "CreateStdAccessibleObject");
    LresultFromObjectFunction reference =
        FunctionOf<LresultFromObjectFunction>(oleacc.get(), "LresultFromObject");
    SysAllocStringLenFunction allocate =
        FunctionOf<SysAllocStringLenFunction>(oleaut32.get(), "SysAllocStringLen");
    CoInitializeExFunction initialize =
        FunctionOf<CoInitializeExFunction>(ole32.get(), "CoInitializeEx");
    CoUninitializeFunction uninitialize =
        FunctionOf<CoUninitializeFunction>(ole32.get(), "CoUninitialize");
    bool joined = false;  // this object's CoInitializeEx, to be undone

    Runtime() = default;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    Runtime(Runtime&&) = delete;
    Runtime& operator=(Runtime&&) = delete;

    bool Complete() const {
        return createStandard && reference && allocate && initialize && uninitialize;
    }
    ~Runtime() {
        if (joined) {
            uninitialize();
        }
    }
};

AccessibleNames::AccessibleNames() = default;
AccessibleNames::~AccessibleNames() = default;

void AccessibleNames::Give(HWND control, std::u16string name) {
    Named& named = named_.emplace_front(Named{this, std::move(name)});
    Attach(control, named);
    for (HWND child = ::GetWindow(control, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        Attach(child, named);
    }
}

void AccessibleNames::Attach(HWND window, Named& named) {
    // It fails only when it cannot allocate its record.
    if (!::SetWindowSubclass(window, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(&named))) {
        throw WindowsError(ERROR_NOT_ENOUGH_MEMORY, "SetWindowSubclass");
    }
}

LRESULT CALLBACK AccessibleNames::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR data) {
    const auto& named = *reinterpret_cast<const Named*>(data);
    // The object identifier is a DWORD, whatever 64-bit Windows extends it to.
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT reference = named.owner->Answer(hwnd, wParam, named.name);
            reference > 0) {
            return reference;
        }
    } else if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, Subclass, id);
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

// A reference to a named object, or 0: then the platform's own object
// answers, unnamed. No failure here is worth ending the program for.
LRESULT AccessibleNames::Answer(HWND hwnd, WPARAM wParam, std::u16string_view name) noexcept {
    const Runtime* runtime = LoadRuntime();
    IAccessible* standard = nullptr;
    if (runtime == nullptr ||
        FAILED(runtime->createStandard(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    UniqueInterface<IAccessible> owned(standard);
    const UniqueInterface<IAccessible> named(
        new (std::nothrow) NamedAccessible(std::move(owned), hwnd, name, runtime->allocate));
    // The reference holds the object; this function's own goes with `named`.
    return named ? runtime->reference(__uuidof(IAccessible), wParam, named.get()) : 0;
}

const AccessibleNames::Runtime* AccessibleNames::LoadRuntime() noexcept {
    if (runtime_) {
        return runtime_.get();
    }
    try {
        auto runtime = std::make_unique<Runtime>();
        if (!runtime->Complete()) {
            return nullptr;
        }
        // S_FALSE joins the apartment the thread is in already; another kind
        // of apartment serves as well.
        const HRESULT joined = runtime->initialize(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) {
            return nullptr;
        }
        runtime->joined = SUCCEEDED(joined);
        runtime_ = std::move(runtime);
    } catch (...) {
        return nullptr;  // no memory to load with: asked again next time
    }
    return runtime_.get();
}

}  // namespace quill::win32
