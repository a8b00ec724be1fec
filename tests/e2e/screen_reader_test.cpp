// The program as a screen reader reads it: from another process, through COM, Active
// Accessibility's client object of each control that the program names itself.

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/e2e/program.h"
#include "win32/services/handles.h"
#include "win32/services/text.h"

namespace quill::testing {
namespace {

using win32::UniqueInterface;
using Answer = std::pair<HRESULT, std::wstring>;

const VARIANT kSelf = [] {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}();

std::wstring Text(TextId id) {
    return win32::ToWide(win32::LoadText(id));
}

// AccessibleObjectFromWindow: what a reader gets, the program's answer to WM_GETOBJECT
// marshalled; CreateStdAccessibleObject: the platform's own object, made here.
template <auto Make>
UniqueInterface<IAccessible> ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    Make(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    return UniqueInterface<IAccessible>(object);
}

Answer NameOf(IAccessible& object, VARIANT child) {
    BSTR name = nullptr;
    Answer answer{object.get_accName(child, &name), name != nullptr ? name : L""};
    ::SysFreeString(name);
    return answer;
}

// The name as a late-bound client asks for it.
Answer InvokedNameOf(IAccessible& object) {
    VARIANT child = kSelf, name{};
    DISPPARAMS arguments{&child, nullptr, 1, 0};
    const HRESULT result = object.Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT,
                                         DISPATCH_PROPERTYGET, &arguments, &name, nullptr, nullptr);
    Answer answer{result, name.vt == VT_BSTR && name.bstrVal != nullptr ? name.bstrVal : L""};
    ::VariantClear(&name);
    return answer;
}

// 0, no role, where it fails.
LONG RoleOf(IAccessible& object) {
    VARIANT role{};
    const LONG known = object.get_accRole(kSelf, &role) == S_OK && role.vt == VT_I4 ? role.lVal : 0;
    ::VariantClear(&role);
    return known;
}

HWND WindowOf(IAccessible& object) {
    HWND window = nullptr;
    ::WindowFromAccessibleObject(&object, &window);
    return window;
}

struct Asked {
    std::string control;
    HWND window;
    std::wstring name;
};

class ScreenReader : public ::testing::Test {
  protected:
    ScreenReader() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ScreenReader() override {
        ::DeleteTimerQueueTimer(nullptr, deadline_, INVALID_HANDLE_VALUE);
        ::CoUninitialize();
    }
    // A blocked SendMessage or COM call waits for the program as long as it takes: after 30 s
    // the program is ended, which fails at once whatever still waits for it.
    void SetUp() override {
        ASSERT_TRUE(program_.main) << "no window";
        ::CreateTimerQueueTimer(&deadline_, nullptr, Expire, program_.process.hProcess, 30000, 0,
                                WT_EXECUTEONLYONCE);
    }
    static void CALLBACK Expire(void* process, BOOLEAN) {
        std::fputs("the program has not answered for 30 s: ended\n", stderr);
        std::fflush(stderr);
        ::TerminateProcess(process, 1);
    }

    // Every window with a name of the program's: the controls, and the face lists' edit fields,
    // which take the focus.
    std::vector<Asked> Named() const {
        std::vector<Asked> named;
        for (const auto& [control, name] : win32::kSpokenNames) {
            const HWND window = program_.Control(control);
            named.push_back({std::string(control), window, Text(name)});
            if (win32::DesignOf(control).kind == win32::ControlKind::ComboBox) {
                named.push_back({std::string(control) + " edit field",
                                 ::FindWindowExW(window, nullptr, L"Edit", nullptr), Text(name)});
            }
        }
        return named;
    }

    void ExpectEachName(Answer (*ask)(IAccessible&)) const {
        for (const auto& [control, window, name] : Named()) {
            const UniqueInterface<IAccessible> object =
                ObjectOf<::AccessibleObjectFromWindow>(window);
            ASSERT_TRUE(object) << control;
            EXPECT_EQ(ask(*object.get()), Answer(S_OK, name)) << control;
        }
    }

    const Program program_;
    HANDLE deadline_ = nullptr;
};

// The name is the program's, or the caption where there is one; the rest is what the platform
// answers for the same window. Wine gives the edit fields ROLE_SYSTEM_TEXT and every other
// window here, the face lists too, ROLE_SYSTEM_CLIENT.
TEST_F(ScreenReader, HearsEachControlsNameWithThePlatformsRoleAndWindow) {
    std::vector<Asked> asked = Named();
    for (const std::string_view captioned : {"ckBold", "Command1"}) {
        asked.push_back({std::string(captioned), program_.Control(captioned),
                         Text(win32::DesignOf(captioned).caption)});
    }
    for (const auto& [control, window, name] : asked) {
        const UniqueInterface<IAccessible> object = ObjectOf<::AccessibleObjectFromWindow>(window);
        const UniqueInterface<IAccessible> platform = ObjectOf<::CreateStdAccessibleObject>(window);
        ASSERT_TRUE(object && platform) << control;
        EXPECT_NE(RoleOf(*platform.get()), 0) << control;
        EXPECT_EQ(std::tuple(NameOf(*object.get(), kSelf), RoleOf(*object.get()),
                             WindowOf(*object.get())),
                  std::tuple(Answer(S_OK, name), RoleOf(*platform.get()), window))
            << control;
    }
}

// Disabled until the wrapper answers Invoke itself: Wine's own object, asked instead, says
// E_NOTIMPL.
TEST_F(ScreenReader, HearsTheNameThroughIDispatch) {
    ExpectEachName(InvokedNameOf);
}

// Disabled until the wrapper reads VT_EMPTY as the object itself: Wine's says E_INVALIDARG.
TEST_F(ScreenReader, HearsTheSameNameForAnEmptyChildId) {
    ExpectEachName([](IAccessible& object) { return NameOf(object, VARIANT{}); });
}

}  // namespace
}  // namespace quill::testing
