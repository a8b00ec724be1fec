#include "win32/controls/spoken_name.h"

#include <oleacc.h>
#include <servprov.h>

#include <optional>
#include <string>
#include <utility>

#include "win32/services/handles.h"
#include "win32/services/system_library.h"

namespace quill::win32 {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
using SysFreeStringFunction = void(WINAPI*)(BSTR);
using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeFunction = void(WINAPI*)();

// The accessibility library and the two of COM that it brings, with the
// functions called in them. Shared: each named object keeps them loaded
// while it lives, which a reader in this process may make longer than the
// SpokenNames that made it lives.
struct SpokenNames::Libraries {
    explicit Libraries(const SpokenNameLibraries& names)
        : com(LoadSystemLibrary(names.com)),
          automation(LoadSystemLibrary(names.automation)),
          accessibility(LoadSystemLibrary(names.accessibility)) {}

    UniqueModule com;  // freed last, after the two that call into it
    UniqueModule automation;
    UniqueModule accessibility;
    CreateStdAccessibleObjectFunction createStandard =
        FunctionOf<CreateStdAccessibleObjectFunction>(accessibility.get(),
                                                      "CreateStdAccessibleObject");
    LresultFromObjectFunction reference =
        FunctionOf<LresultFromObjectFunction>(accessibility.get(), "LresultFromObject");
    SysAllocStringLenFunction allocateString =
        FunctionOf<SysAllocStringLenFunction>(automation.get(), "SysAllocStringLen");
    SysFreeStringFunction freeString =
        FunctionOf<SysFreeStringFunction>(automation.get(), "SysFreeString");
    CoInitializeExFunction initialize =
        FunctionOf<CoInitializeExFunction>(com.get(), "CoInitializeEx");
    CoUninitializeFunction uninitialize =
        FunctionOf<CoUninitializeFunction>(com.get(), "CoUninitialize");

    bool Complete() const {
        return createStandard && reference && allocateString && freeString && initialize &&
               uninitialize;
    }
};

namespace {

// The service through which the accessibility library's own objects hand
// out themselves (IIS_IsOleaccProxy, which oleacc.h only declares).
constexpr GUID kIsOleaccProxy{
    0x902697fa, 0x80e4, 0x4560, {0x80, 0x2a, 0xa1, 0x3f, 0x22, 0xa6, 0x47, 0x09}};

// The child that a child id names. As Windows' own objects read it, a
// reference is followed to its value, and an id that is empty or left out
// (an optional argument through IDispatch) means the object itself; a number
// by reference is followed too. None for another type.
std::optional<LONG> ChildOf(const VARIANT& child, bool dereferenced = false) {
    switch (child.vt) {
        case VT_I4:
            return child.lVal;
        case VT_BYREF | VT_I4:
            return child.plVal != nullptr ? std::optional(*child.plVal) : std::nullopt;
        case VT_BYREF | VT_VARIANT:  // refers to a value, never to another reference
            return child.pvarVal != nullptr && !dereferenced ? ChildOf(*child.pvarVal, true)
                                                             : std::nullopt;
        case VT_EMPTY:
            return CHILDID_SELF;
        case VT_ERROR:
            return child.scode == DISP_E_PARAMNOTFOUND ? std::optional<LONG>(CHILDID_SELF)
                                                       : std::nullopt;
        default:
            return std::nullopt;
    }
}

// The platform's client object of a window with another name: the name of
// the object itself is this object's, every other question goes to the
// platform's object. So does a request for an interface that this object
// does not implement: the interface handed out is the platform object's
// own, which asked in turn for IUnknown or IAccessible gives that object,
// unnamed. COM's identity rule is bent for those (IEnumVARIANT, IAccIdentity:
// children and an identity string, none of which carry the name); the
// service that hands out the object itself is answered here.
class SpokenObject final : public IAccessible, public IOleWindow, public IServiceProvider {
  public:
    SpokenObject(UniqueInterface<IAccessible> standard, HWND hwnd, std::u16string name,
                 std::shared_ptr<const SpokenNames::Libraries> libraries)
        : libraries_(std::move(libraries)),
          standard_(std::move(standard)),
          hwnd_(hwnd),
          name_(std::move(name)) {}

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
        } else if (IsEqualIID(iid, __uuidof(IServiceProvider))) {
            if (!services_) {  // offered where the platform's object offers it
                IServiceProvider* services = nullptr;
                if (FAILED(Std()->QueryInterface(&services)) || services == nullptr) {
                    return E_NOINTERFACE;
                }
                services_.reset(services);
            }
            *object = static_cast<IServiceProvider*>(this);
        } else {
            return Std()->QueryInterface(iid, object);
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

    // IServiceProvider: the object that the platform's would hand out is this one.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
        if (IsEqualGUID(service, kIsOleaccProxy)) {
            return QueryInterface(iid, object);
        }
        return services_.get()->QueryService(service, iid, object);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (ChildOf(child) != CHILDID_SELF) {
            return Std()->get_accName(child, name);
        }
        if (name == nullptr) {
            return E_POINTER;
        }
        *name = libraries_->allocateString(reinterpret_cast<const OLECHAR*>(name_.data()),
                                           static_cast<UINT>(name_.size()));
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // IDispatch: the platform's Invoke (through its type information on
    // Windows; Wine's objects have none and answer E_NOTIMPL) would read the
    // name of its own object, so the name is read here.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override {
        if (id != DISPID_ACC_NAME || (flags & DISPATCH_PROPERTYGET) == 0) {
            return Std()->Invoke(id, iid, locale, flags, params, result, exception, badArgument);
        }
        if (!IsEqualGUID(iid, GUID{})) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        if (params == nullptr) {
            return E_INVALIDARG;
        }
        if (params->cNamedArgs != 0) {
            return DISP_E_NONAMEDARGS;
        }
        if (params->cArgs > 1) {
            return DISP_E_BADPARAMCOUNT;
        }
        const VARIANT self{};  // empty: the object itself
        BSTR name = nullptr;
        const HRESULT got = get_accName(params->cArgs == 1 ? params->rgvarg[0] : self, &name);
        if (FAILED(got)) {  // as type information reports a failed call
            if (exception != nullptr) {
                *exception = EXCEPINFO{};
                exception->scode = got;
            }
            return DISP_E_EXCEPTION;
        }
        if (result == nullptr) {
            libraries_->freeString(name);
        } else {
            result->vt = VT_BSTR;
            result->bstrVal = name;
        }
        return S_OK;
    }

    // The rest as the platform answers it.
    // clang-format off
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return Std()->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override { return Std()->GetTypeInfo(index, locale, info); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override { return Std()->GetIDsOfNames(iid, names, count, locale, ids); }
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
    ~SpokenObject() = default;  // only Release ends it

  private:
    IAccessible* Std() const { return standard_.get(); }

    LONG references_ = 1;
    // Released last: the platform's objects are code of these libraries.
    std::shared_ptr<const SpokenNames::Libraries> libraries_;
    UniqueInterface<IAccessible> standard_;
    UniqueInterface<IServiceProvider> services_;  // the platform object's, once asked for
    HWND hwnd_;
    std::u16string name_;
};

}  // namespace

SpokenNames::SpokenNames(const SpokenNameLibraries& libraries) : names_(libraries) {}

// Leaving the apartment disconnects what other processes still hold, while
// the libraries are loaded.
SpokenNames::~SpokenNames() {
    if (joined_) {
        libraries_->uninitialize();
    }
}

LRESULT SpokenNames::Answer(HWND hwnd, WPARAM wParam, LPARAM lParam,
                            std::u16string_view name) noexcept {
    // The object identifier is a DWORD, whatever 64-bit Windows extends it to.
    if (name.empty() || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;
    }
    const std::shared_ptr<const Libraries> libraries = Load();
    IAccessible* standard = nullptr;
    if (!libraries ||
        FAILED(libraries->createStandard(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    UniqueInterface<IAccessible> owned(standard);
    try {
        const UniqueInterface<IAccessible> spoken(
            new SpokenObject(std::move(owned), hwnd, std::u16string(name), libraries));
        // The reference holds the object; this function's own goes with `spoken`.
        const LRESULT reference = libraries->reference(__uuidof(IAccessible), wParam, spoken.get());
        return reference > 0 ? reference : 0;
    } catch (...) {
        return 0;  // no memory for it: no failure here is worth ending the program for
    }
}

std::shared_ptr<const SpokenNames::Libraries> SpokenNames::Load() noexcept {
    if (libraries_ || failed_) {
        return libraries_;
    }
    // Tried once: what fails now fails at every later question too.
    failed_ = true;
    try {
        std::shared_ptr<const Libraries> libraries = std::make_shared<Libraries>(names_);
        if (!libraries->Complete()) {
            return nullptr;
        }
        // The reference is marshalled through COM. S_FALSE joins the
        // apartment that the thread is in already; another kind serves too.
        const HRESULT joined = libraries->initialize(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) {
            return nullptr;
        }
        joined_ = SUCCEEDED(joined);
        libraries_ = std::move(libraries);
        failed_ = false;
    } catch (...) {
        return nullptr;  // no memory to load with
    }
    return libraries_;
}

}  // namespace quill::win32
