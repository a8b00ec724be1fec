#include "preview/titlebar_preview.h"

#include <gtest/gtest.h>

#include <tuple>

#include "testing/pixel_surface.h"

namespace quill {
namespace {

using testing::PixelSurface;

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

TEST(ScaledSurface, AStrokeFillsItsPenSquaresClippedToTheSurface) {
    // Pen, scale width, x, y1 and y2, and the one rectangle filled on a 6 x 4 surface.
    const std::tuple<int, float, float, float, float, PixelRect> cases[] = {
        {3, 6, 2, 0, 1, {1, 0, 4, 3}},   // around both ends
        {1, 3, 1, 0, 3, {2, 0, 3, 4}},   // 3 units span 6 pixels; rows stay pixels
        {5, 6, 0, 0, 9, {0, 0, 3, 4}}};  // past three edges
    for (const auto& [pen, scaleWidth, x, y1, y2, filled] : cases) {
        PixelSurface surface(6, 4, 0);
        surface.SetDrawWidth(pen);
        surface.SetScaleWidth(scaleWidth);
        surface.Line(x, y1, x, y2, 1);
        EXPECT_EQ(std::pair(surface.Fills(), surface.LastFill()), std::pair(1, filled)) << pen;
    }
}

}  // namespace
}  // namespace quill
