// Start-up of the real program under Wine: what the window shows for a known
// scheme, and that malformed stored values neither stop it nor get written.

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/e2e_test_support.h"
#include "tests/e2e/editor_session.h"
#include "tests/e2e/preview_check.h"

namespace quill::e2e {
namespace {

// Which stored colour each swatch shows.
const std::pair<const char*, const char*> kSwatchValues[] = {
    {"MenuBarColor", "MenuBar"},
    {"MenuHighlightColor", "MenuHilight"},
    {"MenuColor", "Menu"},
    {"MenuTextColor", "MenuText"},
    {"ActiveTitleBar", "ActiveTitle"},
    {"GradientActiveTitlebar", "GradientActiveTitle"},
    {"ActiveTitle", "TitleText"},
    {"InactiveTitlebar", "InactiveTitle"},
    {"GradientInactiveTitlebar", "GradientInactiveTitle"},
    {"InactiveTitle", "InactiveTitleText"},
};

std::uint32_t CentrePixel(HWND control) {
    Image image = CaptureClient(control);
    return image.pixels.empty() ? 0xFFFFFFFFu : image.At(image.width / 2, image.height / 2);
}

TEST(StartUp, KnownSchemeShowsInControlsAndPreviews) {
    SeedScheme(kDefaultSwatchColors, FontRecordBytes(-11, 700, L"Tahoma"),
               FontRecordBytes(-11, 400, L"Tahoma"));
    EditorSession editor;

    EXPECT_EQ(editor.Caption(), kCaption);
    EXPECT_EQ(editor.CheckState("ckPoint8"), BST_CHECKED);
    EXPECT_EQ(editor.CheckState("ckBold"), BST_CHECKED);
    EXPECT_EQ(editor.CheckState("ckPoint9"), BST_UNCHECKED);
    EXPECT_EQ(editor.CheckState("ckPoint10"), BST_UNCHECKED);
    EXPECT_EQ(editor.Text("fontCmb"), L"Tahoma");
    EXPECT_EQ(editor.Text("menuCmb"), L"Tahoma");
    EXPECT_FALSE(editor.Enabled("btnApply"));

    const Color activeEnd = Rgb(166, 202, 240);
    ASSERT_TRUE(WaitUntil(
        [&] {
            Image pic = CaptureClient(editor.Control("ActivePic"));
            return !pic.pixels.empty() &&
                   pic.At(pic.width - 1, pic.height - 1) == ScreenRgb(activeEnd);
        },
        5s))
        << "the active preview was not painted";

    for (auto [swatch, value] : kSwatchValues) {
        SCOPED_TRACE(swatch);
        EXPECT_EQ(CentrePixel(editor.Control(swatch)),
                  ScreenRgb(ColorOfText(kDefaultSwatchColors.at(value))));
    }

    struct PreviewCase {
        const char* picture;
        Color start, end;
    };
    const PreviewCase previews[] = {
        {"ActivePic", Rgb(10, 36, 106), activeEnd},
        {"InactivePic", Rgb(128, 128, 128), Rgb(192, 192, 192)},
    };
    for (const PreviewCase& p : previews) {
        SCOPED_TRACE(p.picture);
        PreviewComparison c =
            ComparePreview(CaptureClient(editor.Control(p.picture)), p.start, p.end);
        ASSERT_GT(c.rightPixels, 0);
        EXPECT_EQ(c.rightMismatches, 0) << "first: " << c.firstRightMismatch << " (preview "
                                        << c.width << "x" << c.height << ")";
        // The caption's glyphs differ from the gradient, but only a minority.
        EXPECT_GT(c.leftMismatches, 0) << "no caption text drawn";
        EXPECT_LT(c.leftMismatches, c.leftPixels / 2);
    }

    const std::wstring shot = ArtifactDir() + L"\\startup.bmp";
    EXPECT_TRUE(SaveBmp(CaptureWindow(editor.Main()), shot));
    std::printf("screenshot: %s\n", Narrow(shot).c_str());

    EXPECT_EQ(editor.Close(), 0u);
}

// Stored values the program cannot use. A font record it cannot use is
// replaced by the desktop's current font for that role.
struct MalformedScheme {
    const char* name;
    KeySnapshot colors;
    KeySnapshot metrics;
    bool captionRecordUsable;  // else fontCmb shows the desktop's caption font
};

std::vector<std::uint8_t> LongRecord(std::size_t size, const std::wstring& face) {
    std::vector<std::uint8_t> record = FontRecordBytes(-11, 400, face);
    record.resize(size, 0);
    return record;
}

const MalformedScheme kMalformedSchemes[] = {
    {"ShortCaptionLongMenu",
     {{L"MenuHilight", Dword(0x00C0FFEE)},  // MenuBar is missing
      {L"Menu", Sz(L"1 2")},
      {L"MenuText", Sz(L"a b c")},
      {L"ActiveTitle", Sz(L"212  208 200")},
      {L"GradientActiveTitle", Sz(L"-5 0 0")},
      {L"TitleText", Sz(L"")},
      {L"InactiveTitle", Sz(L"1 2 3 4")},
      {L"GradientInactiveTitle", Sz(L" 1 2 3")},
      {L"InactiveTitleText", Sz(L"255 255 255")}},
     {{L"CaptionFont", Binary(std::vector<std::uint8_t>(10, 0xF5))},
      {L"MenuFont", Binary(LongRecord(4000, L"Tahoma"))}},
     false},
    {"LongCaptionMissingMenu",
     {},  // every colour missing
     {{L"CaptionFont", Binary(LongRecord(4000, L"Tahoma"))}},
     true},
    {"MissingCaptionMenuNotBinary",
     {{L"MenuBar", Dword(1)},
      {L"MenuHilight", Dword(2)},
      {L"ActiveTitle", Binary({1, 2, 3})},
      {L"TitleText", Sz(L"1,2,3")}},
     {{L"MenuFont", Sz(L"Tahoma")}, {L"CaptionHeight", Sz(L"-330")}},
     false},
    {"CaptionNotBinaryMenuShort",
     {{L"ActiveTitle", Sz(L"99999 0 0")}, {L"InactiveTitle", Sz(L"0x10 0 0")}},
     {{L"CaptionFont", Dword(700)}, {L"MenuFont", Binary({0xF5, 0xFF})}},
     false},
};

void PrintTo(const MalformedScheme& scheme, std::ostream* out) {
    *out << scheme.name;
}

class StartUpMalformed : public testing::TestWithParam<MalformedScheme> {};

TEST_P(StartUpMalformed, WindowOpensAndNothingIsWritten) {
    const MalformedScheme& scheme = GetParam();
    SeedKey(kColorsKey, scheme.colors);
    SeedKey(kMetricsKey, scheme.metrics);
    const KeySnapshot colorsBefore = Snapshot(kColorsKey);
    const KeySnapshot metricsBefore = Snapshot(kMetricsKey);
    // What the desktop uses for captions now, seen by a fresh process.
    const std::string desktopCaptionFace = FaceOf(RunProbe().at("CaptionFont"));

    {
        EditorSession editor;  // fails if a message box comes first
        std::vector<HWND> shown = TopLevelWindows(editor.Program().Id(), true);
        EXPECT_EQ(shown, std::vector<HWND>{editor.Main()}) << "another window is open";
        EXPECT_FALSE(editor.Enabled("btnApply"));
        if (scheme.captionRecordUsable) {
            EXPECT_EQ(editor.Text("fontCmb"), L"Tahoma");
        } else {
            EXPECT_EQ(Narrow(editor.Text("fontCmb")), desktopCaptionFace);
        }
        EXPECT_EQ(editor.Close(), 0u);
    }

    EXPECT_TRUE(Snapshot(kColorsKey) == colorsBefore) << "start-up wrote to the colours";
    EXPECT_TRUE(Snapshot(kMetricsKey) == metricsBefore) << "start-up wrote to the metrics";
}

INSTANTIATE_TEST_SUITE_P(Stored, StartUpMalformed, testing::ValuesIn(kMalformedSchemes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quill::e2e
