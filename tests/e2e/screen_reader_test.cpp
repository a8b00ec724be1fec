// The program as a screen reader reads it: from another process, through COM, Active
// Accessibility's client object of each control that the program names itself.

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "testing/accessible_objects.h"
#include "tests/e2e/program.h"
#include "win32/services/handles.h"
#include "win32/services/wide_text.h"
#include "win32/window/form_design.h"

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

// What a reader hears for the controls that show no caption of their own, and for the labels
// beside the swatches, in English and in German (QUILL_EXPECTED_LANGUAGE=de): a label shortened
// for its room leaves the swatch's name whole. Every other control is heard by its text.
// clang-format off
struct Heard { std::string_view control; std::wstring_view english, german; };
constexpr Heard kHeard[] = {
    {"fontCmb", L"Titlebar font", L"Schriftart der Titelleiste"},
    {"ActiveTitleBar", L"Active titlebar color", L"Farbe der aktiven Titelleiste"},
    {"ActivePic", L"Active titlebar preview", L"Vorschau der aktiven Titelleiste"},
    {"GradientActiveTitlebar", L"Active titlebar gradient end color", L"Endfarbe des Farbverlaufs der aktiven Titelleiste"},
    {"ActiveTitle", L"Active titlebar text color", L"Textfarbe der aktiven Titelleiste"},
    {"lbl(0)", L"Active titlebar text color", L"Textfarbe der aktiven Titelleiste"},
    {"InactiveTitlebar", L"Inactive titlebar color", L"Farbe der inaktiven Titelleiste"},
    {"InactivePic", L"Inactive titlebar preview", L"Vorschau der inaktiven Titelleiste"},
    {"GradientInactiveTitlebar", L"Inactive titlebar gradient end color", L"Endfarbe des Farbverlaufs der inaktiven Titelleiste"},
    {"InactiveTitle", L"Inactive titlebar text color", L"Textfarbe der inaktiven Titelleiste"},
    {"lbl(1)", L"Inactive titlebar text color", L"Textfarbe der inaktiven Titelleiste"},
    {"menuCmb", L"Menu font", L"Schriftart des Menüs"},
    {"MenuBarColor", L"Menu bar color", L"Farbe der Menüleiste"},
    {"MenuHighlightColor", L"Menu highlight color", L"Markierungsfarbe des Menüs"},
    {"lbl(2)", L"Menu highlight color", L"Markierungsfarbe Menü"},
    {"MenuColor", L"Menu background color", L"Hintergrundfarbe des Menüs"},
    {"lbl(3)", L"Menu background color", L"Hintergrundfarbe Menü"},
    {"MenuTextColor", L"Menu text color", L"Textfarbe des Menüs"},
    {"lbl(4)", L"Menu text color", L"Textfarbe Menü"},
};
// clang-format on

struct Asked {
    std::string control;
    std::string_view design;  // the control's name in the design
    HWND window;
    std::wstring name;
    bool named;  // by the program, not by its text
};

// Every window of the program with the name a reader is to hear: the controls, and the face
// lists' edit fields, which take the focus.
std::vector<Asked> Windows(const Program& program) {
    const char* language = std::getenv("QUILL_EXPECTED_LANGUAGE");
    const bool german = language != nullptr && std::string_view(language) == "de";
    std::vector<Asked> windows;
    for (const win32::ControlDesign& design : win32::kFormControls) {
        const HWND window = program.Control(design.name);
        const auto heard = std::ranges::find(kHeard, design.name, &Heard::control);
        const bool listed = heard != std::end(kHeard);
        const bool named = listed && design.kind != win32::ControlKind::Label;
        const std::wstring name = listed ? std::wstring(german ? heard->german : heard->english)
                                         : win32::ToWide(win32::WindowText(window));
        windows.push_back({std::string(design.name), design.name, window, name, named});
        if (design.kind == win32::ControlKind::ComboBox) {
            windows.push_back({std::string(design.name) + " edit field", design.name,
                               ::FindWindowExW(window, nullptr, L"Edit", nullptr), name, named});
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
    for (const auto& [control, design, window, name, named] : Windows(program_)) {
        const UniqueInterface<IAccessible> object = ClientObject(window);
        const UniqueInterface<IAccessible> platform = PlatformObject(window);
        ASSERT_TRUE(object && platform) << control;
        EXPECT_NE(RoleOf(*platform.get()), 0) << control;
        EXPECT_EQ(std::tuple(NameOf(*object.get()).second, RoleOf(*object.get()),
                             WindowOf(*object.get())),
                  std::tuple(name, RoleOf(*platform.get()), window))
            << control;
        if (named) {
            EXPECT_EQ(NameOf(*object.get(), VARIANT{}), Answer(S_OK, name)) << control;
            EXPECT_EQ(InvokedNameOf(*object.get()), std::tuple(S_OK, VT_BSTR, name)) << control;
        }
        if (win32::DesignOf(design).kind == win32::ControlKind::ComboBox) {
            continue;  // its text is the face it shows
        }
        if (named) {
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
