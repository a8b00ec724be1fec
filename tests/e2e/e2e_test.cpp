// The program as a user runs it, under Wine and Xvfb: what it does with a
// store it cannot use, an edit through its real colour dialog and lists
// followed by Apply, what Wine's desktop then uses, and its version.

#include <gtest/gtest.h>

#include <cstring>

#include "appearance/font_record.h"
#include "testing/dialog_answerer.h"
#include "testing/font_records.h"
#include "testing/scheme_expectation.h"
#include "testing/screen.h"
#include "tests/e2e/program.h"

namespace quill::testing {
namespace {

struct MalformedStore {
    const char* name;
    KeyValues colours, metrics;
};

class StartUp : public ::testing::TestWithParam<MalformedStore> {};

TEST_P(StartUp, AStoreItCannotUseOpensQuietlyAndIsNotWritten) {
    SeedKey(kColorsKey, GetParam().colours);
    SeedKey(kMetricsKey, GetParam().metrics);
    {
        Program program;  // fails if a message box or an error comes first
        EXPECT_FALSE(::IsWindowEnabled(program.Control("btnApply")));
        ::PostMessageW(program.Main(), WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitCode(), 0u);
    }
    EXPECT_EQ(Snapshot(kColorsKey), GetParam().colours);
    EXPECT_EQ(Snapshot(kMetricsKey), GetParam().metrics);
}

std::vector<std::uint8_t> Long(std::vector<std::uint8_t> record) {
    record.resize(4000, 0);
    return record;
}

INSTANTIATE_TEST_SUITE_P(
    Stored, StartUp,
    ::testing::Values(
        MalformedStore{"ShortCaptionLongMenu",
                       {{L"MenuHilight", Dword(0x00C0FFEE)}, {L"Menu", Sz("1 2")},
                        {L"MenuText", Sz("a b c")}, {L"ActiveTitle", Sz("212  208 200")},
                        {L"GradientActiveTitle", Sz("-5 0 0")}, {L"TitleText", Sz("")},
                        {L"InactiveTitle", Sz("1 2 3 4")}, {L"InactiveTitleText", Sz("99999 0 0")}},
                       {{L"CaptionFont", Binary(std::vector<std::uint8_t>(10, 0xF5))},
                        {L"MenuFont", Binary(Long(MakeRecord(245, 144, u"Tahoma")))}}},
        MalformedStore{"LongCaptionNoMenuNoColours",
                       {},
                       {{L"CaptionFont", Binary(Long(MakeRecord(245, 144, u"Tahoma")))}}},
        MalformedStore{"FontsNotBinary",
                       {{L"MenuBar", Dword(1)}, {L"ActiveTitle", Binary({1, 2, 3})}},
                       {{L"CaptionFont", Dword(700)}, {L"MenuFont", Sz("Tahoma")}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The edit: the active title bar's colour through the colour dialog, a
// caption face from the list, 8 points and bold, then Apply.
constexpr Color kPicked = Rgb(200, 40, 10);  // survives Wine's colour dialog as it is
const auto kSeedCaption = MakeRecord(244, 144, u"Tahoma");  // 9 points, regular
const auto kSeedMenu = MakeRecord(245, 144, u"Tahoma");

SwatchTexts EditedColours() {
    SwatchTexts colours = kDefaultColours;
    colours[L"ActiveTitle"] = "200 40 10";
    return colours;
}

TEST(EditAndApply, WritesWhatTheUserChose) {
    KeyValues colours, metrics;
    for (const auto& [name, text] : kDefaultColours) {
        colours[name] = Sz(text);
    }
    SeedKey(kColorsKey, colours);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(kSeedCaption)}, {L"MenuFont", Binary(kSeedMenu)}});
    Program program;
    DialogAnswerer dialogs(program.Id());

    dialogs.Confirm(kPicked);
    program.Click("ActiveTitleBar");
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(program.Control("btnApply")); }));
    // The preview shows the new gradient, from red on the left to the
    // unchanged end colour on the right edge.
    ASSERT_TRUE(WaitUntil([&] {
        const Image shown = Capture(program.Control("ActivePic"));
        return SplitColor(shown.At(0, 0)).red > 150 &&
               shown.At(shown.width - 1, 0) == Rgb(166, 202, 240);
    }));
    const int entry = ::SendMessageW(program.Control("fontCmb"), CB_FINDSTRINGEXACT, -1,
                                     reinterpret_cast<LPARAM>(L"Liberation Sans"));
    ASSERT_GE(entry, 0);
    program.Choose("fontCmb", entry);
    program.Click("ckPoint8");
    program.Click("ckBold");
    ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(program.Control("ckBold"), BM_GETCHECK, 0, 0); }));
    EXPECT_EQ(::SendMessageW(program.Control("ckPoint9"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ::PostMessageW(program.Control("btnApply"), BM_CLICK, 0, 0);
    wchar_t caption[16] = {};
    EXPECT_TRUE(WaitUntil([&] { return ::GetWindowTextW(program.Main(), caption, 16) && caption == std::wstring(L"Yes!"); }));
    // Escape is Cancel.
    ::PostMessageW(program.Control("ckBold"), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.ExitCode(), 0u);

    std::vector<std::uint8_t> caption8 = MakeRecord(245, 188, u"Liberation Sans");
    for (const Write& write : AppliedScheme(EditedColours(), caption8, kSeedMenu)) {
        (write.key == kColorsKey ? colours : metrics)[write.name] = write.value;
    }
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_EQ(Snapshot(kMetricsKey), metrics);
    ASSERT_EQ(dialogs.Answered().size(), 1u);
    EXPECT_EQ(dialogs.Answered()[0].initial, Rgb(10, 36, 106));
}

// Run in a fresh process after EditAndApply and a restart of the Wine server,
// as after a new sign-in: the desktop uses what the editor wrote.
TEST(DesktopAfterEdit, UsesWhatTheEditorWrote) {
    const std::pair<const wchar_t*, int> colours[] = {
        {L"ActiveBorder", COLOR_ACTIVEBORDER},     {L"ActiveTitle", COLOR_ACTIVECAPTION},
        {L"AppWorkspace", COLOR_APPWORKSPACE},     {L"Background", COLOR_BACKGROUND},
        {L"ButtonAlternateFace", 25},              {L"ButtonDkShadow", COLOR_3DDKSHADOW},
        {L"ButtonFace", COLOR_BTNFACE},            {L"ButtonHilight", COLOR_BTNHIGHLIGHT},
        {L"ButtonLight", COLOR_3DLIGHT},           {L"ButtonShadow", COLOR_BTNSHADOW},
        {L"GradientActiveTitle", COLOR_GRADIENTACTIVECAPTION},
        {L"GradientInactiveTitle", COLOR_GRADIENTINACTIVECAPTION},
        {L"GrayText", COLOR_GRAYTEXT},             {L"Hilight", COLOR_HIGHLIGHT},
        {L"HotTrackingColor", COLOR_HOTLIGHT},     {L"InactiveBorder", COLOR_INACTIVEBORDER},
        {L"InactiveTitle", COLOR_INACTIVECAPTION}, {L"InactiveTitleText", COLOR_INACTIVECAPTIONTEXT},
        {L"Menu", COLOR_MENU},                     {L"MenuBar", COLOR_MENUBAR},
        {L"MenuHilight", COLOR_MENUHILIGHT},       {L"MenuText", COLOR_MENUTEXT},
        {L"Scrollbar", COLOR_SCROLLBAR},           {L"TitleText", COLOR_CAPTIONTEXT},
        {L"Window", COLOR_WINDOW},                 {L"WindowFrame", COLOR_WINDOWFRAME},
        {L"WindowText", COLOR_WINDOWTEXT},
    };
    const auto written = AppliedScheme(EditedColours(), {}, {});
    for (const auto& [name, index] : colours) {
        const COLORREF shown = ::GetSysColor(index);
        const std::string text = std::to_string(GetRValue(shown)) + " " +
                                 std::to_string(GetGValue(shown)) + " " +
                                 std::to_string(GetBValue(shown));
        RegValue last;
        for (const Write& write : written) {
            if (std::wcscmp(write.name, name) == 0) {
                last = write.value;
            }
        }
        EXPECT_EQ(Sz(text), last) << name;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    // -15 twips to a pixel at 96 DPI, as written.
    const int sizes[] = {metrics.iBorderWidth,    metrics.iCaptionHeight, metrics.iCaptionWidth,
                         metrics.iMenuHeight,     metrics.iMenuWidth,     metrics.iScrollHeight,
                         metrics.iScrollWidth,    metrics.iSmCaptionHeight, metrics.iSmCaptionWidth};
    EXPECT_EQ(std::vector<int>(std::begin(sizes), std::end(sizes)),
              (std::vector<int>{1, 18, 18, 18, 18, 16, 16, 15, 12}));
    for (const LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont}) {
        EXPECT_EQ(std::wstring(font->lfFaceName), L"Liberation Sans");
        EXPECT_EQ(font->lfHeight, -11);
        EXPECT_EQ(font->lfWeight, 700);
    }
    EXPECT_EQ(std::wstring(metrics.lfMenuFont.lfFaceName), L"Tahoma");
}

TEST(Release, TheVersionResourceIsTheProjectVersion) {
    const std::wstring program = ProgramPath();
    DWORD ignored = 0;
    std::vector<std::byte> info(::GetFileVersionInfoSizeW(program.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(::GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                  std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                  std::to_string(HIWORD(fixed->dwFileVersionLS)),
              QUILL_VERSION);
}

}  // namespace
}  // namespace quill::testing
