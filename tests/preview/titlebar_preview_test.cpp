#include "preview/titlebar_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/pixel_surface.h"

namespace quill {
namespace {

using testing::PixelSurface;

TEST(GradientComponent, IsTheRoundedInterpolationForEveryPairAndStep) {
    // (255 * from + (to - from) * step) / 255 rounded, halves up: with a scale
    // width of 255 the single-precision steps never land on a half.
    int wrong = 0;
    for (int from = 0; from < 256; ++from) {
        for (int to = 0; to < 256; ++to) {
            for (int step = 0; step < 256; ++step) {
                const int exact = (2 * (255 * from + (to - from) * step) + 255) / 510;
                wrong += GradientComponent(from, to, step, 255) != exact;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    // Known steps from (10, 36, 106) to (166, 202, 240), and a falling component.
    const std::vector<std::pair<int, ColorComponents>> steps{
        {1, {11, 37, 107}},    {64, {49, 78, 140}},    {127, {88, 119, 173}},
        {128, {88, 119, 173}}, {200, {132, 166, 211}}, {254, {165, 201, 239}}};
    for (const auto& [step, c] : steps) {
        EXPECT_EQ(GradientComponent(10, 166, step, 255), c.red) << step;
        EXPECT_EQ(GradientComponent(36, 202, step, 255), c.green) << step;
        EXPECT_EQ(GradientComponent(106, 240, step, 255), c.blue) << step;
    }
    EXPECT_EQ(GradientComponent(200, 0, 100, 255), 122);
}

// Records what a painter asks of the surface.
struct RecordingSurface final : PictureSurface {
    int penWidth = 0;
    float scaleWidth = 100, scaleHeight = 17;
    Color fore = 0;
    bool transparent = false;
    std::vector<std::string> calls;

    void SetDrawWidth(int pixels) override { penWidth = pixels; }
    void SetScaleModePixels() override { scaleWidth = 100; }
    void SetScaleWidth(float width) override { scaleWidth = width; }
    float ScaleWidth() const override { return scaleWidth; }
    float ScaleHeight() const override { return scaleHeight; }
    void Line(float x1, float y1, float x2, float y2, Color color) override {
        calls.push_back(std::to_string(int(x1)) + "," + std::to_string(int(y1)) + "-" +
                        std::to_string(int(x2)) + "," + std::to_string(int(y2)) + " " +
                        Text(color));
    }
    Color ForeColor() const override { return fore; }
    void SetForeColor(Color c) override { fore = c; }
    void SetBkModeTransparent() override { transparent = true; }
    void DrawTextA(std::string_view text, TextRect& rect, std::uint32_t format) override {
        calls.push_back("text" + std::string(text) + " " + std::to_string(rect.right) + "x" +
                        std::to_string(rect.bottom) + " " + std::to_string(format) +
                        (transparent ? " transparent" : ""));
    }
    static std::string Text(Color c) {
        const std::u16string text = FormatColorText(SplitColor(c));
        return {text.begin(), text.end()};
    }
};

TEST(PaintGradient, DrawsStepsZeroTo255AsVerticalStrokes) {
    RecordingSurface surface;
    PaintGradient(surface, {10, 36, 106}, {166, 202, 240});
    EXPECT_EQ(surface.penWidth, 5);
    EXPECT_EQ(surface.scaleWidth, 255);
    ASSERT_EQ(surface.calls.size(), 256u);
    EXPECT_EQ(surface.calls[0], "0,0-0,255 10 36 106");
    EXPECT_EQ(surface.calls[64], "64,0-64,255 49 78 140");
    EXPECT_EQ(surface.calls[255], "255,0-255,255 166 202 240");
}

TEST(DrawCaptionText, FillsTheInnerAreaInPixelScale) {
    RecordingSurface surface;
    surface.scaleHeight = 16.6f;
    DrawCaptionText(surface, kActiveCaption);
    EXPECT_EQ(surface.calls, std::vector<std::string>{"text Active titlebar 100x17 0 transparent"});
}

// The surface as rows of '#' (painted) and '.' (left as it was).
std::vector<std::string> Picture(const PixelSurface& surface) {
    std::vector<std::string> rows;
    for (int y = 0; y < surface.InnerHeight(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < surface.InnerWidth(); ++x) {
            rows.back() += surface.Pixel(x, y) == 1 ? '#' : '.';
        }
    }
    return rows;
}

TEST(ScaledSurface, LinesCoverTheirPenSquaresClippedToTheSurface) {
    struct Case {
        const char* what;
        int pen;
        float scaleWidth, x1, y1, x2, y2;
        std::vector<std::string> picture;
        int fills;
    };
    const Case cases[] = {
        {"vertical, pen 3, one fill",
         3,
         0,
         2,
         0,
         2,
         1,
         {".###..", ".###..", ".###..", "......"},
         1},
        {"scaled: 3 units span 6 pixels",
         1,
         3,
         1,
         0,
         1,
         3,
         {"..#...", "..#...", "..#...", "..#..."},
         1},
        {"diagonal leftwards", 1, 0, 4, 0, 0, 2, {"....#.", "..##..", "##....", "......"}, 5},
        {"diagonal upwards", 1, 0, 0, 3, 5, 0, {".....#", "...##.", ".##...", "#....."}, 6},
        {"diagonal, pen 3", 3, 0, 1, 0, 3, 2, {"####..", "#####.", ".####.", "..###."}, 3},
        {"off the left edge", 5, 0, -3, 0, -3, 3, {"......", "......", "......", "......"}, 0},
        {"off the top edge", 5, 0, 0, -3, 5, -3, {"......", "......", "......", "......"}, 0},
        {"pen 0 is one pixel", 0, 0, 2, 1, 2, 1, {"......", "..#...", "......", "......"}, 1},
    };
    for (const Case& c : cases) {
        PixelSurface surface(6, 4, 0);
        surface.SetDrawWidth(c.pen);
        surface.SetScaleWidth(c.scaleWidth);  // 0 is ignored
        surface.Line(c.x1, c.y1, c.x2, c.y2, 1);
        EXPECT_EQ(Picture(surface), c.picture) << c.what;
        EXPECT_EQ(surface.Fills(), c.fills) << c.what;
    }
}

}  // namespace
}  // namespace quill
