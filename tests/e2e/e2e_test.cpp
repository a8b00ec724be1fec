// The program as a user runs it, under Wine and Xvfb: the default scheme
// applied through its window, what Wine's desktop then uses, its version.

#include <gtest/gtest.h>

#include "testing/font_records.h"
#include "testing/scheme_expectation.h"
#include "testing/screen.h"
#include "tests/e2e/program.h"

namespace quill::testing {
namespace {

TEST(Program, AppliesTheDefaultSchemeAndEndsOnEscape) {
    SeedKey(kColorsKey, {{L"MenuBar", Sz("1 2 3")}, {L"ButtonText", Sz("4 5 6")}});
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(MakeRecord(244, 144, u"Courier New"))},
                          {L"MenuFont", Binary(MakeRecord(245, 144, u"Tahoma"))},
                          {L"IconSpacing", Sz("-1125")}});
    const Program program;
    wchar_t caption[64] = {};
    ASSERT_TRUE(::GetWindowTextW(program.main, caption, 64)) << "no window";
    EXPECT_EQ(std::wstring(caption), L"Registry editor for Quillmar");
    ::PostMessageW(program.Control("Command1"), BM_CLICK, 0, 0);
    // The previews show the default gradients, to their right edges.
    EXPECT_TRUE(WaitUntil([&] {
        const Image shown = Capture(program.Control("InactivePic"));
        return shown.At(shown.width - 1, 0) == Rgb(192, 192, 192);
    }));
    ::PostMessageW(program.Control("btnApply"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] {
        ::GetWindowTextW(program.main, caption, 64);
        return std::wstring(caption) == L"Yes!";
    }));
    ::PostMessageW(program.Control("ckBold"), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.ExitCode(), 0u);

    KeyValues colours{{L"ButtonText", Sz("4 5 6")}}, metrics{{L"IconSpacing", Sz("-1125")}};
    for (const Write& write : AppliedScheme(kDefaultColours, MakeRecord(243, 188, u"Tahoma"),
                                            MakeRecord(245, 144, u"Tahoma"))) {
        (write.key == kColorsKey ? colours : metrics)[write.name] = write.value;
    }
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_EQ(Snapshot(kMetricsKey), metrics);
}

// In a fresh process after Program.* and a restart of the Wine server, as
// after a new sign-in: the desktop uses what the program wrote.
TEST(DesktopAfterApply, UsesTheDefaultScheme) {
    const std::pair<const wchar_t*, int> colours[] = {
        {L"ActiveTitle", COLOR_ACTIVECAPTION},
        {L"InactiveTitleText", COLOR_INACTIVECAPTIONTEXT},
        {L"Menu", COLOR_MENU},
        {L"MenuHilight", COLOR_MENUHILIGHT},
        {L"ButtonFace", COLOR_BTNFACE},
        {L"Hilight", COLOR_HIGHLIGHT}};
    KeyValues written;  // each name's last write
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
    // -15 to a pixel at 96 DPI; Wine raises a caption or menu height too
    // small for its font (a 10-point bold caption needs 17 pixels).
    EXPECT_EQ(
        (std::vector<int>{metrics.iBorderWidth, metrics.iCaptionWidth, metrics.iMenuWidth,
                          metrics.iScrollHeight, metrics.iScrollWidth, metrics.iSmCaptionWidth}),
        (std::vector<int>{1, 18, 18, 16, 16, 12}));
    EXPECT_GE(std::min({metrics.iCaptionHeight, metrics.iMenuHeight, metrics.iSmCaptionHeight + 3}),
              18);
    for (const LOGFONTW* font :
         {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont}) {
        const bool menu = font == &metrics.lfMenuFont;
        EXPECT_EQ(std::tuple(std::wstring(font->lfFaceName), font->lfHeight, font->lfWeight),
                  std::tuple(std::wstring(L"Tahoma"), menu ? -11L : -13L, menu ? 400L : 700L));
    }
}

TEST(Release, TheVersionResourceIsTheProjectVersion) {
    DWORD ignored = 0;
    std::vector<std::byte> info(::GetFileVersionInfoSizeW(kProgramPath, &ignored));
    ASSERT_FALSE(info.empty());
    ::GetFileVersionInfoW(kProgramPath, 0, static_cast<DWORD>(info.size()), info.data());
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
