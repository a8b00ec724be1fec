// Every control of the window as a screen reader asks for it: Active Accessibility's client object.

#include <oleacc.h>
#include <servprov.h>
#include <winternl.h>

#include "testing/accessible_objects.h"
#include "tests/editor/editor_fixture.h"
#include "win32/services/handles.h"
#include "win32/services/string_resources.h"
#include "win32/services/system_library.h"
#include "win32/services/wide_text.h"
#include "win32/window/form_window.h"

namespace quill::win32 {
namespace {

using testing::Answer;
using testing::ClientObject;
using testing::InvokedNameOf;
using testing::kSelf;
using testing::NameOf;
using testing::PlatformObject;

class SpokenNameTest : public testing::WindowTest {
  protected:
    void SetUp() override { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { ::CoUninitialize(); }
};

// What each control is called, its role and window are asked from another process, as a reader
// asks (tests/e2e/screen_reader_test.cpp); here, what only this process can reach.
TEST_F(SpokenNameTest, EveryFormOfTheObjectsOwnChildIdGetsTheNameAndSoDoesIDispatch) {
    const UniqueInterface<IAccessible> object = ClientObject(Hwnd("MenuColor"));
    const UniqueInterface<IAccessible> platform = PlatformObject(Hwnd("MenuColor"));
    ASSERT_TRUE(object && platform);
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
        EXPECT_EQ(NameOf(*object.get(), id),
                  isSelf ? Answer(S_OK, spoken) : NameOf(*platform.get(), id));
        const auto [invoked, type, text] = InvokedNameOf(*object.get(), &id);
        EXPECT_EQ(std::tuple(SUCCEEDED(invoked), type, text),
                  std::tuple(isSelf, isSelf ? VT_BSTR : VT_EMPTY, isSelf ? spoken : L""));
    }
    // The child id left out altogether.
    EXPECT_EQ(InvokedNameOf(*object.get(), nullptr), std::tuple(S_OK, VT_BSTR, spoken));
}

TEST_F(SpokenNameTest, OffersWhatThePlatformsObjectOffersAndItsProxyIsTheNamedObject) {
    for (const char* name : {"MenuColor", "ActivePic", "fontCmb"}) {
        const UniqueInterface<IAccessible> object = ClientObject(Hwnd(name));
        const UniqueInterface<IAccessible> platform = PlatformObject(Hwnd(name));
        ASSERT_TRUE(object && platform) << name;
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

// A library of the system's that lacks every function asked for, and is not loaded otherwise.
constexpr const wchar_t* kLacking = L"ktmw32.dll";
int lackingLoads = 0;

// What the loader tells of a library it has loaded or unloaded.
struct LoaderNews {
    ULONG flags;
    const UNICODE_STRING* fullName;
    const UNICODE_STRING* baseName;
};
void CALLBACK CountLackingLoads(ULONG reason, const LoaderNews* news, void*) {
    constexpr ULONG kLoaded = 1;
    lackingLoads += reason == kLoaded &&
                    ::CompareStringOrdinal(news->baseName->Buffer, news->baseName->Length / 2,
                                           kLacking, -1, TRUE) == CSTR_EQUAL;
}

TEST_F(SpokenNameTest, WithoutAFunctionOfItsLibrariesTheUnnamedObjectAnswersAndNoLoadIsTriedAgain) {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    void* cookie = nullptr;
    ASSERT_EQ((FunctionOf<NTSTATUS(NTAPI*)(ULONG, decltype(&CountLackingLoads), void*, void**)>(
                  ntdll, "LdrRegisterDllNotification")(0, CountLackingLoads, nullptr, &cookie)),
              0);
    for (const SpokenNameLibraries& libraries :
         {SpokenNameLibraries{.com = kLacking}, SpokenNameLibraries{.automation = kLacking},
          SpokenNameLibraries{.accessibility = kLacking}}) {
        EXPECT_EQ(::GetModuleHandleW(kLacking), nullptr) << "the last failure left it loaded";
        lackingLoads = 0;
        FormWindow toolkit(::GetModuleHandleW(nullptr), libraries);
        for (const char* name : {"MenuColor", "ActivePic", "fontCmb"}) {
            const HWND window = ::GetDlgItem(toolkit.Handle(), ControlIdOf(name));
            EXPECT_EQ(NameOf(*ClientObject(window).get()), NameOf(*PlatformObject(window).get()))
                << name;
        }
        EXPECT_EQ(lackingLoads, 1);
    }
    FunctionOf<NTSTATUS(NTAPI*)(void*)>(ntdll, "LdrUnregisterDllNotification")(cookie);
}

}  // namespace
}  // namespace quill::win32
