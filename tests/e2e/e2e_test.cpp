// The program as a user runs it under Wine: Apply from its window, then what the desktop uses.

#include <gtest/gtest.h>

#include <algorithm>

#include "testing/font_records.h"
#include "testing/wine_registry.h"
#include "tests/e2e/program.h"

namespace quill::testing {
namespace {

TEST(Program, AppliesTheDefaultSchemeOverHeightsInPointsAndEndsOnEscape) {
    SeedKey(kColorsKey, {{L"MenuBar", Sz("1 2 3")}});
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(MakeRecord(10, 144, u"Courier New"))},
                          {L"MenuFont", Binary(MakeRecord(8, 144, u"Tahoma"))}});
    const Program program;
    ASSERT_TRUE(program.main) << "no window";
    ::PostMessageW(program.Control("Command1"), BM_CLICK, 0, 0);
    ::PostMessageW(program.Control("btnApply"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] {
        wchar_t caption[8] = {};
        return ::GetWindowTextW(program.main, caption, 8) && std::wstring(caption) == L"Yes!";
    }));
    ::PostMessageW(program.Control("ckBold"), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.ExitCode(), 0u);
}

// The colour dialog's library is loaded by the dialog's first opening, by nothing before it.
TEST(Program, LoadsTheColourDialogsLibraryOnTheFirstSwatchClick) {
    const Program program;
    ASSERT_TRUE(program.main) << "no window";
    auto dialogLibraries = [&] { return std::ranges::count(program.Modules(), L"comdlg32.dll"); };
    ASSERT_GT(program.Modules().size(), 1u) << "its modules cannot be read";
    EXPECT_EQ(dialogLibraries(), 0);
    ::PostMessageW(program.Control("MenuColor"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageW(program.Control("MenuColor"), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    // The dialog opens, never to be answered: its owner, the window, is disabled meanwhile.
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(program.main); }));
    EXPECT_EQ(dialogLibraries(), 1);
}

// After Program.* and a restart of the Wine server (a new sign-in): the desktop uses what it wrote,
// the caption's height whole, in pixels, over the one kept in points.
TEST(DesktopAfterApply, UsesTheDefaultScheme) {
    const std::pair<int, const char*> colours[] = {
        {COLOR_ACTIVECAPTION, "10 36 106"}, {COLOR_INACTIVECAPTIONTEXT, "212 208 200"},
        {COLOR_MENU, "212 219 200"},        {COLOR_MENUHILIGHT, "49 106 197"},
        {COLOR_BTNFACE, "212 208 200"},     {COLOR_HIGHLIGHT, "10 36 106"}};
    for (const auto& [index, text] : colours) {
        EXPECT_EQ(Sz(::GetSysColor(index)), Sz(text)) << index;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_LT(metrics.iCaptionHeight, 30);  // raised to fit a 13-pixel font, no more
    for (const LOGFONTW* font :
         {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont}) {
        const bool menu = font == &metrics.lfMenuFont;
        EXPECT_EQ(std::tuple(std::wstring(font->lfFaceName), font->lfHeight, font->lfWeight),
                  std::tuple(std::wstring(L"Tahoma"), menu ? -11L : -13L, menu ? 400L : 700L));
    }
}

}  // namespace
}  // namespace quill::testing
