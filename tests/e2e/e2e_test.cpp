// The program as a user runs it, under Wine and Xvfb: the default scheme
// applied through its window, what Wine's desktop then uses, and its version.

#include <gtest/gtest.h>

#include "testing/font_records.h"
#include "testing/scheme_expectation.h"
#include "testing/screen.h"
#include "tests/e2e/program.h"

namespace quill::testing {
namespace {

const auto kDefaultCaption = MakeRecord(243, 188, u"Tahoma");  // 10 points, bold
const auto kMenu = MakeRecord(245, 144, u"Tahoma");

TEST(Program, AppliesTheDefaultSchemeAndEndsOnEscape) {
    SeedKey(kColorsKey, {{L"MenuBar", Sz("1 2 3")}, {L"ButtonText", Sz("4 5 6")}});
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(MakeRecord(244, 144, u"Courier New"))},
                          {L"MenuFont", Binary(kMenu)},
                          {L"IconSpacing", Sz("-1125")}});
    Program program;
    ASSERT_NE(program.Main(), nullptr) << "no window";
    ::PostMessageW(program.Control("Command1"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(program.Control("btnApply")); }));
    // The previews show the default gradients, to their right edges.
    EXPECT_TRUE(WaitUntil([&] {
        const Image shown = Capture(program.Control("InactivePic"));
        return shown.At(shown.width - 1, 0) == Rgb(192, 192, 192);
    }));
    ::PostMessageW(program.Control("btnApply"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] {
        wchar_t caption[16] = {};
        ::GetWindowTextW(program.Main(), caption, 16);
        return std::wstring(caption) == L"Yes!";
    }));
    ::PostMessageW(program.Control("ckBold"), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.ExitCode(), 0u);

    KeyValues colours{{L"ButtonText", Sz("4 5 6")}};
    KeyValues metrics{{L"IconSpacing", Sz("-1125")}};
    for (const Write& write : AppliedScheme(kDefaultColours, kDefaultCaption, kMenu)) {
        (write.key == kColorsKey ? colours : metrics)[write.name] = write.value;
    }
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_EQ(Snapshot(kMetricsKey), metrics);
}

// Run in a fresh process after Program.* and a restart of the Wine server, as
// after a new sign-in: the desktop uses what the program wrote.
TEST(DesktopAfterApply, UsesTheDefaultScheme) {
    const std::pair<const wchar_t*, int> colours[] = {
        {L"ActiveBorder", COLOR_ACTIVEBORDER},
        {L"ActiveTitle", COLOR_ACTIVECAPTION},
        {L"AppWorkspace", COLOR_APPWORKSPACE},
        {L"Background", COLOR_BACKGROUND},
        {L"ButtonAlternateFace", 25},
        {L"ButtonDkShadow", COLOR_3DDKSHADOW},
        {L"ButtonFace", COLOR_BTNFACE},
        {L"ButtonHilight", COLOR_BTNHIGHLIGHT},
        {L"ButtonLight", COLOR_3DLIGHT},
        {L"ButtonShadow", COLOR_BTNSHADOW},
        {L"GradientActiveTitle", COLOR_GRADIENTACTIVECAPTION},
        {L"GradientInactiveTitle", COLOR_GRADIENTINACTIVECAPTION},
        {L"GrayText", COLOR_GRAYTEXT},
        {L"Hilight", COLOR_HIGHLIGHT},
        {L"HotTrackingColor", COLOR_HOTLIGHT},
        {L"InactiveBorder", COLOR_INACTIVEBORDER},
        {L"InactiveTitle", COLOR_INACTIVECAPTION},
        {L"InactiveTitleText", COLOR_INACTIVECAPTIONTEXT},
        {L"Menu", COLOR_MENU},
        {L"MenuBar", COLOR_MENUBAR},
        {L"MenuHilight", COLOR_MENUHILIGHT},
        {L"MenuText", COLOR_MENUTEXT},
        {L"Scrollbar", COLOR_SCROLLBAR},
        {L"TitleText", COLOR_CAPTIONTEXT},
        {L"Window", COLOR_WINDOW},
        {L"WindowFrame", COLOR_WINDOWFRAME},
        {L"WindowText", COLOR_WINDOWTEXT},
    };
    KeyValues written;  // the last write of each name
    for (const Write& write : AppliedScheme(kDefaultColours, {}, {})) {
        written[write.name] = write.value;
    }
    for (const auto& [name, index] : colours) {
        const COLORREF shown = ::GetSysColor(index);
        EXPECT_EQ(Sz(std::to_string(GetRValue(shown)) + " " + std::to_string(GetGValue(shown)) +
                     " " + std::to_string(GetBValue(shown))),
                  written.at(name))
            << name;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    // -15 to a pixel at 96 DPI, as written; Wine raises a caption or menu
    // height too small for its font (a 10-point bold caption needs 17 pixels).
    EXPECT_EQ(
        (std::vector<int>{metrics.iBorderWidth, metrics.iCaptionWidth, metrics.iMenuWidth,
                          metrics.iScrollHeight, metrics.iScrollWidth, metrics.iSmCaptionWidth}),
        (std::vector<int>{1, 18, 18, 16, 16, 12}));
    EXPECT_GE(metrics.iCaptionHeight, 18);
    EXPECT_GE(metrics.iMenuHeight, 18);
    EXPECT_GE(metrics.iSmCaptionHeight, 15);
    for (const LOGFONTW* font :
         {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont}) {
        const bool menu = font == &metrics.lfMenuFont;
        EXPECT_EQ(std::wstring(font->lfFaceName), L"Tahoma");
        EXPECT_EQ(font->lfHeight, menu ? -11 : -13);
        EXPECT_EQ(font->lfWeight, menu ? 400 : 700);
    }
}

TEST(Release, TheVersionResourceIsTheProjectVersion) {
    const std::wstring program = ProgramPath();
    DWORD ignored = 0;
    std::vector<std::byte> info(::GetFileVersionInfoSizeW(program.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
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
