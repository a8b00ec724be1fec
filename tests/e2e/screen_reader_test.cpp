// The program as a screen reader reads it: from another process, through COM, Active
// Accessibility's client object of each control that the program names itself.

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "testing/accessible_objects.h"
#include "tests/e2e/program.h"
#include "win32/services/handles.h"
#include "win32/services/text.h"

namespace quill::testing {
namespace {

using win32::UniqueInterface;

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
    std::string_view design;  // the control's name in the design
    HWND window;
    std::wstring name;
};

// Every window of the program with the name a reader is to hear: the controls, and the face
// lists' edit fields, which take the focus. The program names the controls that show no caption
// (each its own name); the platform names the rest by their text.
std::vector<Asked> Windows(const Program& program) {
    std::vector<Asked> windows;
    for (const win32::ControlDesign& design : win32::kFormControls) {
        const TextId spoken = win32::SpokenNameOf(design.name);
        const HWND window = program.Control(design.name);
        const std::wstring name = win32::ToWide(spoken != TextId::None ? win32::LoadText(spoken)
                                                                       : win32::WindowText(window));
        windows.push_back({std::string(design.name), design.name, window, name});
        if (design.kind == win32::ControlKind::ComboBox) {
            windows.push_back({std::string(design.name) + " edit field", design.name,
                               ::FindWindowExW(window, nullptr, L"Edit", nullptr), name});
        }
    }
    return windows;
}

class ScreenReader : public ::testing::Test {
  protected:
    // A blocked SendMessage or COM call waits for the program as long as it takes: after 30 s
    // the program is ended, which fails at once whatever still waits for it.
    void SetUp() override {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(program_.main) << "no window";
        ::CreateTimerQueueTimer(&deadline_, nullptr, Expire, program_.process.hProcess, 30000, 0,
                                WT_EXECUTEONLYONCE);
    }
    void TearDown() override {
        ::DeleteTimerQueueTimer(nullptr, deadline_, INVALID_HANDLE_VALUE);
        ::CoUninitialize();
    }
    static void CALLBACK Expire(void* process, BOOLEAN) {
        std::fputs("the program has not answered for 30 s: ended\n", stderr);
        std::fflush(stderr);
        ::TerminateProcess(process, 1);
    }

    const Program program_;
    HANDLE deadline_ = nullptr;
};

// The role and the window are what the platform answers for the same window (Wine gives the edit
// fields ROLE_SYSTEM_TEXT). A named control's name is heard through IDispatch and for an empty
// child id too (Wine's own object refuses one, E_INVALIDARG; a reader means the object itself). No
// two named controls sound alike, and their windows' text stays empty.
TEST_F(ScreenReader, HearsEveryControlsNameWithThePlatformsRoleAndWindow) {
    std::map<std::wstring, std::string> heard;
    for (const auto& [control, design, window, name] : Windows(program_)) {
        const UniqueInterface<IAccessible> object = ClientObject(window);
        const UniqueInterface<IAccessible> platform = PlatformObject(window);
        ASSERT_TRUE(object && platform) << control;
        EXPECT_NE(RoleOf(*platform.get()), 0) << control;
        EXPECT_EQ(std::tuple(NameOf(*object.get()).second, RoleOf(*object.get()),
                             WindowOf(*object.get())),
                  std::tuple(name, RoleOf(*platform.get()), window))
            << control;
        if (win32::SpokenNameOf(design) != TextId::None) {
            EXPECT_EQ(NameOf(*object.get(), VARIANT{}), Answer(S_OK, name)) << control;
            EXPECT_EQ(InvokedNameOf(*object.get()), std::tuple(S_OK, VT_BSTR, name)) << control;
        }
        if (win32::DesignOf(design).kind == win32::ControlKind::ComboBox) {
            continue;  // its text is the face it shows
        }
        if (win32::SpokenNameOf(design) != TextId::None) {
            EXPECT_TRUE(heard.emplace(name, control).second)
                << control << " sounds like " << heard[name];
            EXPECT_EQ(win32::WindowText(window), u"") << control;
            // Only the client area has the name: the window's frame is the platform's.
            auto role = [](const UniqueInterface<IAccessible>& object) {
                return object ? RoleOf(*object.get()) : -1;
            };
            EXPECT_EQ(role(ClientObject(window, OBJID_WINDOW)),
                      role(PlatformObject(window, OBJID_WINDOW)))
                << control;
        }
    }
}

}  // namespace
}  // namespace quill::testing
