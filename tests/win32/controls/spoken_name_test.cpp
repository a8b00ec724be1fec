// Every control of the window as a screen reader asks for it: Active Accessibility's client object.

#include <oleacc.h>
#include <servprov.h>
#include <winternl.h>


#include "tests/editor/editor_fixture.h"
#include "win32/controls/toolkit.h"
#include "win32/services/handles.h"
#include "win32/services/system_library.h"
#include "win32/services/text.h"

namespace quill::win32 {
namespace {

class SpokenNameTest : public testing::WindowTest {
  protected:
    void SetUp() override { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { ::CoUninitialize(); }

    static UniqueInterface<IAccessible> ClientObject(HWND window) {
        IAccessible* object = nullptr;
        EXPECT_EQ(::AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object)),
                  S_OK);
        return UniqueInterface<IAccessible>(object);
    }
    // The platform's own object for the window, as it would answer unasked.
    static UniqueInterface<IAccessible> PlatformObject(HWND window) {
        IAccessible* object = nullptr;
        ::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                    reinterpret_cast<void**>(&object));
        return UniqueInterface<IAccessible>(object);
    }
    static std::wstring Text(BSTR text) {
        std::wstring copy = text != nullptr ? text : L"";
        ::SysFreeString(text);
        return copy;
    }
    static std::wstring NameOf(IAccessible& object, const VARIANT& child = kSelf) {
        BSTR name = nullptr;
        object.get_accName(child, &name);
        return Text(name);
    }
    static inline const VARIANT kSelf = [] {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }();
};

// What each control is called, its role and window are asked from another process, as a reader
// asks (tests/e2e/screen_reader_test.cpp); here, what only this process can reach.
TEST_F(SpokenNameTest, EveryFormOfTheObjectsOwnChildIdGetsTheNameAndSoDoesIDispatch) {
    const UniqueInterface<IAccessible> object = ClientObject(Hwnd("MenuColor"));
    const UniqueInterface<IAccessible> platform = PlatformObject(Hwnd("MenuColor"));
    const std::wstring spoken = ToWide(LoadText(TextId::MenuBackgroundColor));
    object.get()->AddRef();  // the reader holds the only reference
    EXPECT_EQ(object.get()->Release(), 1ul);
    VARIANT self = kSelf, empty{}, leftOut{}, failed{}, byReference{}, longByReference{}, first{};
    LONG selfId = CHILDID_SELF;
    leftOut.vt = failed.vt = VT_ERROR;  // an optional argument left out, and another error
    leftOut.scode = DISP_E_PARAMNOTFOUND;
    failed.scode = E_FAIL;
    byReference.vt = VT_BYREF | VT_VARIANT;
    byReference.pvarVal = &self;
    longByReference.vt = VT_BYREF | VT_I4;
    longByReference.plVal = &selfId;
    first.vt = VT_I4;
    first.lVal = 1;
    // Each child id, and whether it means the object itself.
    const std::pair<const VARIANT&, bool> children[] = {
        {self, true},        {empty, true},           {leftOut, true},
        {byReference, true}, {longByReference, true}, {failed, false},
        {first, false}};
    for (const auto& [id, isSelf] : children) {
        SCOPED_TRACE(::testing::Message() << "child id of type " << id.vt << ", " << id.lVal);
        EXPECT_EQ(NameOf(*object.get(), id), isSelf ? spoken : NameOf(*platform.get(), id));
        VARIANT argument = id;
        DISPPARAMS params{&argument, nullptr, 1, 0};
        VARIANT result{};
        const HRESULT invoked = object.get()->Invoke(
            DISPID_ACC_NAME, GUID{}, 0, DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr);
        EXPECT_EQ(std::tuple(SUCCEEDED(invoked), result.vt),
                  std::tuple(isSelf, isSelf ? VT_BSTR : VT_EMPTY));
        if (isSelf) {
            EXPECT_EQ(Text(result.bstrVal), spoken);
        }
    }
    DISPPARAMS none{};  // the child id left out altogether
    VARIANT result{};
    EXPECT_EQ(object.get()->Invoke(DISPID_ACC_NAME, GUID{}, 0, DISPATCH_PROPERTYGET, &none, &result,
                                   nullptr, nullptr),
              S_OK);
    EXPECT_EQ(Text(result.bstrVal), spoken);
}

TEST_F(SpokenNameTest, OffersWhatThePlatformsObjectOffersAndItsProxyIsTheNamedObject) {
    for (const char* name : {"MenuColor", "ActivePic", "fontCmb"}) {
        const UniqueInterface<IAccessible> object = ClientObject(Hwnd(name));
        const UniqueInterface<IAccessible> platform = PlatformObject(Hwnd(name));
        auto offers = [](IAccessible* offering, const IID& iid) {
            IUnknown* offered = nullptr;
            const bool offers =
                SUCCEEDED(offering->QueryInterface(iid, reinterpret_cast<void**>(&offered)));
            UniqueInterface<IUnknown> release(offered);
            return offers;
        };
        for (const IID& iid : {__uuidof(IEnumVARIANT), __uuidof(IServiceProvider), IID_IAccIdentity,
                               __uuidof(IOleWindow)}) {
            EXPECT_EQ(offers(object.get(), iid), offers(platform.get(), iid))
                << name << ", interface " << iid.Data1;
        }
        IServiceProvider* services = nullptr;
        if (SUCCEEDED(object.get()->QueryInterface(&services))) {
            const UniqueInterface<IServiceProvider> owned(services);
            IAccessible* proxy = nullptr;
            EXPECT_EQ(services->QueryService(IIS_IsOleaccProxy, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&proxy)),
                      S_OK);
            const UniqueInterface<IAccessible> ownedProxy(proxy);
            EXPECT_EQ(proxy, object.get()) << name;
        }
    }
}

// Counts the loads of one library in this process, as the loader reports them.
class LoadCount {
    struct Data {
        ULONG flags;
        const UNICODE_STRING* fullName;
        const UNICODE_STRING* baseName;
    };
    using Notify = void(CALLBACK*)(ULONG reason, const Data* data, void* context);

  public:
    explicit LoadCount(const wchar_t* library) : library_(library) {
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        const auto enroll = FunctionOf<NTSTATUS(NTAPI*)(ULONG, Notify, void*, void**)>(
            ntdll, "LdrRegisterDllNotification");
        unenroll_ = FunctionOf<NTSTATUS(NTAPI*)(void*)>(ntdll, "LdrUnregisterDllNotification");
        EXPECT_EQ(enroll(0, &Count, this, &cookie_), 0);
    }
    ~LoadCount() { unenroll_(cookie_); }
    LoadCount(const LoadCount&) = delete;
    LoadCount& operator=(const LoadCount&) = delete;
    int loads = 0;

  private:
    static void CALLBACK Count(ULONG reason, const Data* data, void* context) {
        auto* self = static_cast<LoadCount*>(context);
        constexpr ULONG kLoaded = 1;
        if (reason == kLoaded &&
            ::CompareStringOrdinal(data->baseName->Buffer, data->baseName->Length / 2,
                                   self->library_, -1, TRUE) == CSTR_EQUAL) {
            ++self->loads;
        }
    }

    const wchar_t* library_;
    NTSTATUS(NTAPI* unenroll_)(void*) = nullptr;
    void* cookie_ = nullptr;
};

TEST_F(SpokenNameTest, WithoutAFunctionOfItsLibrariesTheUnnamedObjectAnswersAndNoLoadIsTriedAgain) {
    // A library of the system's that lacks every function asked for, and is not loaded otherwise.
    constexpr const wchar_t* kLacking = L"ktmw32.dll";
    for (const SpokenNameLibraries& libraries :
         {SpokenNameLibraries{.com = kLacking}, SpokenNameLibraries{.automation = kLacking},
          SpokenNameLibraries{.accessibility = kLacking}}) {
        ASSERT_EQ(::GetModuleHandleW(kLacking), nullptr) << "the last failure left it loaded";
        const LoadCount count(kLacking);
        Toolkit toolkit(::GetModuleHandleW(nullptr), libraries);
        for (const char* name : {"MenuColor", "ActivePic", "fontCmb"}) {
            const HWND window = ::GetDlgItem(toolkit.Handle(), ControlIdOf(name));
            EXPECT_EQ(NameOf(*ClientObject(window).get()), NameOf(*PlatformObject(window).get()))
                << name;
        }
        EXPECT_EQ(count.loads, 1);
    }
}

TEST(SpokenNames, ARowForAControlThatCannotSayItIsAnErrorNamingTheControl) {
    for (const std::string_view control : {"NoSuchControl", "ckBold", "lbl(0)", "btnApply"}) {
        const SpokenName row[] = {{control, TextId::MenuFont}};
        try {
            CheckSpokenNames(row);
            ADD_FAILURE() << control << " passes";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string_view(error.what()).find(control), std::string_view::npos)
                << error.what();
        }
    }
}

}  // namespace
}  // namespace quill::win32
