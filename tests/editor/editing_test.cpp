// Editing through the window: colours, faces, size and weight, the previews, the default scheme.

#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

// Which control takes a swatch's colour shows in the menu imitation and previews keeping step.
class ColourChoosingTest : public EditorTest, public ::testing::WithParamInterface<SwatchValue> {};

TEST_P(ColourChoosingTest, ACancelChangesNothingAndAConfirmedColourReachesWhatShowsIt) {
    const auto& [swatch, value] = GetParam();
    Start();
    const Color initial = Back(swatch);
    Click(swatch, WM_LBUTTONDOWN, kOutside);  // no click: no dialog
    Click(swatch);                            // no colour queued: cancelled
    ExpectSwatches(kDefaultColours);
    EXPECT_FALSE(ApplyFlag());

    dialogs_.Confirm(Rgb(200, 40, 10));  // Wine's dialog hands it back unchanged
    Click(swatch);
    SwatchColours expected = kDefaultColours;
    expected[value] = RGB(200, 40, 10);
    ExpectSwatches(expected);
    ExpectMenuInStep();
    ExpectPreviews();
    EXPECT_TRUE(ApplyFlag());
    // Both times the dialog opened on the swatch's colour, custom colours shown.
    ASSERT_EQ(dialogs_.Answered().size(), 2u);
    const auto& last = dialogs_.Answered().back();
    EXPECT_EQ(std::pair(last.initial, last.customColours), std::pair(initial, true));
}

INSTANTIATE_TEST_SUITE_P(EverySwatch, ColourChoosingTest, ::testing::ValuesIn(kSwatchValues),
                         [](const auto& info) { return std::string(info.param.first); });

// A swatch left holding a system colour reference: unreadable colour texts.
TEST_F(EditorTest, TheDialogOpensOnASystemColourAsShownAndKeepsItsCustomColours) {
    SeedScheme({}, {}, {});
    Start();
    Click("ActiveTitleBar");
    EXPECT_EQ(dialogs_.Answered().at(0).initial, static_cast<Color>(::GetSysColor(COLOR_WINDOW)));
    // A colour confirmed is among the custom colours of the next opening.
    dialogs_.Confirm(Rgb(1, 2, 3));
    dialogs_.ConfirmFirstCustom();
    Click("MenuColor");
    Click("ActiveTitle");
    EXPECT_EQ(Back("ActiveTitle"), Rgb(1, 2, 3));
    Press("btnApply");  // the reference written as the colour it is
    EXPECT_EQ(Snapshot(kColorsKey).at(L"ActiveTitle"), Sz(::GetSysColor(COLOR_WINDOW)));
}

// Liberation Sans is everywhere, and every Wine draws it bold at each size (Wine 10 draws 10-point
// Tahoma Bold like regular, in the desktop's captions too). The caption grows with each size.
TEST_F(EditorTest, AFaceChosenFromAListChangesItsPreviewsOnlyWhichGrowWithTheSizeAndBold) {
    Start();
    const std::u16string face = u"Liberation Sans";
    const auto listed = static_cast<int>(
        ::SendMessageW(Hwnd("fontCmb"), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(L"Liberation Sans")));
    ASSERT_NE(listed, CB_ERR) << "Liberation Sans is not in fontCmb's list";
    Choose("fontCmb", listed);
    ExpectPreviews({face, 8, true});
    EXPECT_EQ(L("Menu").FontName(), u"Tahoma");
    EXPECT_TRUE(ApplyFlag());
    Choose("menuCmb", 2);
    EXPECT_EQ(L("MenuBar").FontName(), toolkit_.ComboBoxNamed("menuCmb").List(2));
    ExpectMenuInStep();
    Ink seen[3][2];  // 8, 9 and 10 points; normal and bold
    for (const int bold : {0, 1}) {
        toolkit_.CheckBoxNamed("ckBold").SetValue(bold);
        for (int size = 0; size < 3; ++size) {
            Click("ckPoint" + std::to_string(8 + size));
            seen[size][bold] = ExpectPreviews({face, 8.f + size, bold == 1});
            EXPECT_TRUE(!bold || seen[size][1].pixels > seen[size][0].pixels) << 8 + size;
        }
        EXPECT_LT(seen[0][bold].width, seen[1][bold].width) << bold;
        EXPECT_LT(seen[1][bold].width, seen[2][bold].width) << bold;
        EXPECT_LT(seen[0][bold].height, seen[2][bold].height) << bold;
    }
}

TEST_F(EditorTest, TypingAFaceOrTogglingByKeyboardSetsNoApplyFlag) {
    Start();
    Type("fontCmb", L"Typed");
    Type("menuCmb", L"Typed");
    EXPECT_EQ(L("Menu").FontName(), u"Tahoma");        // the previews' face is checked below
    for (const char* box : {"ckBold", "ckPoint10"}) {  // Space: the bold change runs, no interlock
        ::SetFocus(Hwnd(box));
        ::SendMessageW(Hwnd(box), WM_KEYDOWN, VK_SPACE, 0);
        ::SendMessageW(Hwnd(box), WM_KEYUP, VK_SPACE, 0);
    }
    ::SendMessageW(Hwnd("ckPoint10"), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));  // nor a release alone
    EXPECT_EQ(Sizes(), (std::vector<int>{1, 0, 1}));
    ExpectPreviews({u"Tahoma", 8, false});
    EXPECT_FALSE(ApplyFlag());
    Click("ckBold", WM_LBUTTONDOWN, kOutside);  // any press sets the flag
    EXPECT_EQ(State("ckBold"), kUnchecked);
    EXPECT_TRUE(ApplyFlag());
}

// The size boxes before, the box, the button and its release (any press ends when another window
// takes the capture: the release that follows is one alone), the boxes after and the previews'
// size.
using Interlock = std::tuple<std::vector<int>, const char*, UINT, Release, std::vector<int>, float>;
class InterlockTest : public EditorTest, public ::testing::WithParamInterface<Interlock> {};

TEST_P(InterlockTest, KeepsOneSizeChosen) {
    const auto& [before, box, button, release, after, points] = GetParam();
    Start();
    SetBoxes(before);
    Click(box, button, release);
    EXPECT_EQ(std::pair(Sizes(), ::GetCapture()), std::pair(after, HWND{}));
    ExpectPreviews({u"Tahoma", points, true});
    EXPECT_TRUE(ApplyFlag());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PointSizes, InterlockTest, ::testing::Values(
    Interlock{{1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, kInside, {0, 0, 1}, 10},
    Interlock{{1, 0, 0}, "ckPoint9", WM_LBUTTONDOWN, kInside, {0, 1, 0}, 9},
    Interlock{{0, 0, 1}, "ckPoint8", WM_LBUTTONDOWN, kInside, {1, 0, 0}, 8},
    Interlock{{1, 1, 0}, "ckPoint10", WM_LBUTTONDOWN, kInside, {0, 0, 1}, 10},
    Interlock{{1, 0, 0}, "ckPoint8", WM_LBUTTONDOWN, kInside, {1, 0, 0}, 8},  // the checked one
    Interlock{{1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, kOutside, {1, 0, 1}, 8},
    Interlock{{1, 0, 0}, "ckPoint9", WM_RBUTTONDOWN, kOutside, {1, 1, 0}, 8},
    Interlock{{1, 0, 0}, "ckPoint10", WM_MBUTTONDOWN, kOutside, {1, 0, 1}, 8},
    Interlock{{1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, kInsideAfterCaptureLost, {1, 0, 0}, 8}));
// clang-format on

// Neither writes: the closing tests make this edit too.
TEST_F(EditorTest, XpDefaultPutsEveryControlBackAndCancelCloses) {
    SeedScheme({{L"MenuBar", RGB(1, 2, 3)}}, MakeRecord(-12, 144, u"Arial"),
               MakeRecord(-12, 144, u"Arial"));
    Start();                                   // Arial, 9 points, not bold
    for (int press = 0; press < 2; ++press) {  // the second on the defaults: the same
        Press("Command1");
        EXPECT_EQ(std::tuple(Text("fontCmb"), Text("menuCmb"), L("Label6").FontName(),
                             State("ckBold"), Sizes()),
                  std::tuple(u"Tahoma"s, u"Tahoma"s, u"Tahoma"s, kChecked, std::vector{0, 0, 1}));
        ExpectSwatches(kDefaultColours);
        ExpectMenuInStep();
        ExpectPreviews({u"Tahoma", 10, true});
        EXPECT_TRUE(ApplyFlag());
    }
    PressKey(VK_ESCAPE);  // Escape presses Cancel
    EXPECT_FALSE(::IsWindowVisible(toolkit_.Handle()));
    toolkit_.CheckBoxNamed("ckBold").SetValue(kUnchecked);  // no event arrives any more
    Click("ActiveTitleBar");
    EXPECT_TRUE(PreviewFont("ActivePic").bold && dialogs_.Answered().empty());
}

}  // namespace
}  // namespace quill::testing
