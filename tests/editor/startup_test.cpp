// The program's life in process: start-up from the store, closing from the frame or by Alt+F4, a
// failed start-up. A run takes the messages queued before it; one that never ends times out.

#include <algorithm>

#include "tests/editor/editor_fixture.h"
#include "win32/services/wide_text.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

TEST_F(EditorTest, ShowsTheStoredSchemeAndWritesNothing) {
    const KeyValues colours = Snapshot(kColorsKey), metrics = Snapshot(kMetricsKey);
    Start();
    EXPECT_EQ(::GetFocus(), Hwnd("ActivePic"));  // the first control that can take it
    EXPECT_EQ(std::tuple(Sizes(), State("ckBold"), Text("fontCmb"), Text("menuCmb"),
                         L("Label7").Caption()),
              std::tuple(std::vector{1, 0, 0}, kChecked, u"Tahoma"s, u"Tahoma"s, u"Menu\r\nMenu"s));
    // Apply cannot be pressed yet, nor clicked by a notification: nothing is written.
    PressKey(VK_RETURN);
    ::SendMessageW(toolkit_.Handle(), WM_COMMAND, MAKEWPARAM(ControlIdOf("btnApply"), BN_CLICKED),
                   reinterpret_cast<LPARAM>(Hwnd("btnApply")));
    // Both lists hold the screen's faces in its order: by name, each once, none vertical.
    const Desktop& screen = toolkit_.Screen();
    ComboBox &fonts = toolkit_.ComboBoxNamed("fontCmb"), &menus = toolkit_.ComboBoxNamed("menuCmb");
    ASSERT_GT(screen.FontCount(), 10);
    EXPECT_EQ(std::pair(fonts.ListCount(), menus.ListCount()),
              std::pair(screen.FontCount(), screen.FontCount()));
    std::wstring before;                            // none before the first
    for (int i = 0; i < screen.FontCount(); ++i) {  // an empty face is out of order too
        EXPECT_EQ(std::pair(fonts.List(i), menus.List(i)),
                  std::pair(screen.FontName(i), screen.FontName(i)));
        const std::wstring face = win32::ToWide(screen.FontName(i));
        EXPECT_EQ(::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, before.c_str(), -1,
                                   face.c_str(), -1),
                  CSTR_LESS_THAN);
        EXPECT_NE(face[0], L'@') << i;
        before = face;
    }
    EXPECT_EQ(std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey)), std::pair(colours, metrics));
    // Filled while the window was hidden, the list shows and scrolls through them all when dropped.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ::GetComboBoxInfo(Hwnd("menuCmb"), &parts);
    ::SendMessageW(Hwnd("menuCmb"), CB_SHOWDROPDOWN, TRUE, 0);
    const Image dropped = Capture(parts.hwndList);
    SCROLLINFO range{sizeof range, SIF_RANGE, 0, 0, 0, 0, 0};
    ::GetScrollInfo(parts.hwndList, SB_VERT, &range);
    const auto background = std::ranges::count(dropped.pixels, Color(::GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(std::pair(background > std::ssize(dropped.pixels) / 2, range.nMax),
              std::pair(true, menus.ListCount() - 1));
}

TEST_F(EditorTest, UnusableStoredValuesAreLeftAlone) {
    // No colour text keeps a swatch's colour; a bad record yields the desktop's; a long one reads.
    // clang-format off
    const KeyValues colours{
        {L"MenuBar", Sz("1 2")},              {L"MenuHilight", {REG_DWORD, {1, 2, 3, 0}}},
        {L"Menu", Sz("a b c")},               {L"MenuText", Binary({'1', ' ', '2', ' ', '3'})},
        {L"GradientActiveTitle", Sz("-5 0 0")}, {L"TitleText", Sz("")},
        {L"InactiveTitleText", {11, {1, 2, 3, 4, 5, 6, 7, 8}}}};  // the others missing
    // clang-format on
    SeedKey(kColorsKey, colours);
    auto menu = MakeRecord(-11, 144, u"Arial");
    menu.resize(4000);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(std::vector<std::uint8_t>(17, 245))},
                          {L"MenuFont", Binary(menu)}});
    Start();
    for (const auto& [swatch, value] : kSwatchValues) {  // the text swatches start white
        const bool text = swatch == "ActiveTitle" || swatch == "InactiveTitle";
        EXPECT_EQ(Back(swatch), text ? kWhite : kSysWindowBackground) << swatch;
    }
    ExpectMenuInStep();
    const std::u16string desktopFace =
        DecodeFaceName(toolkit_.Screen().CurrentFontRecord(FontRole::Caption));
    EXPECT_EQ(std::pair(Text("fontCmb"), Text("menuCmb")), std::pair(desktopFace, u"Arial"s));
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_TRUE(dialogs_.Answered().empty());
}

// 18 bytes: +10 points and a weight, not bold, no face; an unopened Colors key: once per colour.
TEST_F(EditorTest, AShortRecordIsReadAndAnUnopenableKeyReported) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kColorsKey);
    SeedKey(kMetricsKey,
            {{L"CaptionFont", Binary({10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 144, 1})}});
    Start();
    const FontAttributes unnamed10{u"", 10, false};
    EXPECT_EQ(std::tuple(State("ckPoint10"), PreviewFont("ActivePic"), PreviewFont("InactivePic"),
                         Back("MenuBar")),
              std::tuple(kChecked, unnamed10, unnamed10, kSysWindowBackground));
    ASSERT_EQ(dialogs_.Answered().size(), 10u);
    for (const auto& box : dialogs_.Answered()) {
        EXPECT_EQ(std::tuple(box.title, box.text, box.buttons),
                  std::tuple(L"Registry editor for Quillmar"s, L"ERROR in Open RegKey"s, 1));
    }
}

// The control the message is posted to (none: the window), the message and its parameters.
using Closing = std::tuple<const char*, UINT, WPARAM, LPARAM>;
class ClosingTest : public EditorTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingTest, ClosingTheWindowWritesNothingAndEndsTheProgram) {
    const auto& [to, message, wParam, lParam] = GetParam();
    const auto seeded = std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey));
    ::PostMessageW(Hwnd("Command1"), BM_CLICK, 0, 0);  // an edit: the default scheme
    ::PostMessageW(to != nullptr ? Hwnd(to) : toolkit_.Handle(), message, wParam, lParam);
    const int exitCode = win32::RunEditor(toolkit_, store_, codec_, SW_SHOWNOACTIVATE);
    EXPECT_EQ(std::tuple(exitCode, ::IsWindowVisible(toolkit_.Handle()), ApplyFlag()),
              std::tuple(0, FALSE, true));
    EXPECT_EQ(std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey)), seeded);
}

// The frame's close button or menu item (it sends WM_CLOSE), Alt+F4 with a preview focused, Cancel.
INSTANTIATE_TEST_SUITE_P(FrameKeysOrCancel, ClosingTest,
                         ::testing::Values(Closing{nullptr, WM_SYSCOMMAND, SC_CLOSE, 0},
                                           Closing{"ActivePic", WM_SYSKEYDOWN, VK_F4, 1 << 29},
                                           Closing{"Command2", BM_CLICK, 0, 0}));

// A store whose every read fails with an error of the program's own.
struct BrokenStore final : win32::WindowsRegistry {
    std::int32_t QueryValue(KeyHandle, std::string_view, std::uint32_t&, std::uint8_t*,
                            std::uint32_t&) override {
        throw AppError(1234, "The store is broken");
    }
};

TEST_F(EditorTest, AStartUpErrorIsShownAndTheWindowNeverAppears) {
    BrokenStore broken;
    const int exitCode = win32::RunEditor(toolkit_, broken, codec_, SW_SHOWNOACTIVATE);
    EXPECT_EQ(std::pair(exitCode, ::IsWindowVisible(toolkit_.Handle())),
              std::pair(win32::kExitAfterError, FALSE));
    ASSERT_EQ(dialogs_.Answered().size(), 1u);
    EXPECT_EQ(dialogs_.Answered()[0].text, L"Error 1234: The store is broken");
}

}  // namespace
}  // namespace quill::testing
