#include "preview/titlebar_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/pixel_surface.h"

namespace quill {
namespace {

using testing::PixelSurface;

TEST(GradientComponent, IsTheRoundedInterpolationForEveryPairAndStep) {
    // (255 * from + (to - from) * step) / 255 rounded: with a scale width of
    // 255 the single-precision steps never land on a half.
    int wrong = 0;
    for (int from = 0; from < 256; ++from) {
        for (int to = 0; to < 256; ++to) {
            for (int step = 0; step < 256; ++step) {
                wrong += GradientComponent(from, to, step, 255) !=
                         (2 * (255 * from + (to - from) * step) + 255) / 510;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(PaintGradient, DrawsSteps0To255AsOverlappingStrokes) {
    // Two pixels a unit: stroke i is 5 pixels wide around pixel 2i, so pixel x
    // shows the last stroke over it, (x + 2) / 2: here steps 1, 64, 128, 200, 255.
    PixelSurface surface(510, 3, 0);
    PaintGradient(surface, {10, 36, 106}, {166, 202, 240});
    // clang-format off
    const std::pair<int, Color> shown[] = {{0, Rgb(11, 37, 107)}, {127, Rgb(49, 78, 140)},
        {255, Rgb(88, 119, 173)}, {399, Rgb(132, 166, 211)}, {509, Rgb(166, 202, 240)}};
    // clang-format on
    for (const auto& [x, colour] : shown) {
        EXPECT_EQ(std::pair(surface.Pixel(x, 0), surface.Pixel(x, 2)), std::pair(colour, colour))
            << x;
    }
    EXPECT_EQ(surface.Fills(), 256);
}

// The surface as rows of '#' (painted) and '.' (left as it was).
std::vector<std::string> Picture(const PixelSurface& surface) {
    std::vector<std::string> rows(surface.InnerHeight());
    for (int y = 0; y < surface.InnerHeight(); ++y) {
        for (int x = 0; x < surface.InnerWidth(); ++x) {
            rows[y] += surface.Pixel(x, y) == 1 ? '#' : '.';
        }
    }
    return rows;
}

TEST(ScaledSurface, LinesCoverTheirPenSquaresClippedToTheSurface) {
    // clang-format off
    struct Case { const char* what; int pen; float scaleWidth, x1, y1, x2, y2;
                  std::vector<std::string> picture; int fills; };
    const Case cases[] = {
        {"vertical, pen 3", 3, 0, 2, 0, 2, 1, {".###..", ".###..", ".###..", "......"}, 1},
        {"3 units span 6 pixels", 1, 3, 1, 0, 1, 3, {"..#...", "..#...", "..#...", "..#..."}, 1},
        {"leftwards", 1, 0, 4, 0, 0, 2, {"....#.", "..##..", "##....", "......"}, 5},
        {"upwards", 1, 0, 0, 3, 5, 0, {".....#", "...##.", ".##...", "#....."}, 6},
        {"diagonal, pen 3", 3, 0, 1, 0, 3, 2, {"####..", "#####.", ".####.", "..###."}, 3},
        {"off the left edge", 5, 0, -3, 0, -3, 3, {"......", "......", "......", "......"}, 0},
        {"off the top edge", 5, 0, 0, -3, 5, -3, {"......", "......", "......", "......"}, 0},
        {"pen 0 is one pixel", 0, 0, 2, 1, 2, 1, {"......", "..#...", "......", "......"}, 1}};
    // clang-format on
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
