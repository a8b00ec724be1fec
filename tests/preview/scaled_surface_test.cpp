#include "preview/scaled_surface.h"

#include <gtest/gtest.h>

#include <vector>

#include "preview/pixel_surface.h"

namespace quill {
namespace {

// Records the rectangles a line turns into.
class RecordingSurface : public ScaledSurface {
  public:
    using ScaledSurface::ScaledSurface;
    std::vector<PixelRect> fills;

  protected:
    void FillPixels(const PixelRect& rect, Color) override { fills.push_back(rect); }
    void RenderText(std::string_view, TextRect&, std::uint32_t, Color, bool) override {}
};

TEST(ScaledSurface, ScaleWidthChangesOnlyTheHorizontalUnit) {
    RecordingSurface s(235, 17);
    EXPECT_EQ(s.ScaleWidth(), 235.0f);
    EXPECT_EQ(s.ScaleHeight(), 17.0f);
    s.SetScaleWidth(255);
    EXPECT_EQ(s.ScaleWidth(), 255.0f);
    EXPECT_EQ(s.ScaleHeight(), 17.0f);
    EXPECT_EQ(s.ToPixelX(255), 235.0f);
    s.SetScaleWidth(0);  // ignored: it would make every unit infinite
    EXPECT_EQ(s.ScaleWidth(), 255.0f);
    s.SetScaleModePixels();
    EXPECT_EQ(s.ScaleWidth(), 235.0f);
    EXPECT_EQ(s.ToPixelX(100), 100.0f);
}

TEST(ScaledSurface, LinesBecomeClippedRectangles) {
    struct Case {
        const char* what;
        float scaleWidth;
        int pen;
        float x1, y1, x2, y2;
        std::vector<PixelRect> expected;
    };
    const Case cases[] = {
        {"first gradient stroke", 255, 5, 0, 0, 0, 255, {{0, 0, 3, 17}}},
        {"middle stroke", 255, 5, 128, 0, 128, 255, {{116, 0, 121, 17}}},  // 117.96 -> 118
        {"last stroke on the right edge", 255, 5, 255, 0, 255, 255, {{233, 0, 235, 17}}},
        {"even pen", 235, 4, 10, 5, 10, 5, {{8, 3, 12, 7}}},
        {"horizontal, ends swapped", 235, 3, 20, 8, 10, 8, {{9, 7, 22, 10}}},
        {"outside the surface", 235, 5, 300, 0, 300, 10, {}},
        {"diagonal, pen 1",
         235,
         1,
         0,
         0,
         3,
         1,
         {{0, 0, 1, 1}, {1, 0, 2, 1}, {2, 1, 3, 2}, {3, 1, 4, 2}}},
    };
    for (const auto& c : cases) {
        RecordingSurface s(235, 17);
        s.SetDrawWidth(c.pen);
        s.SetScaleWidth(c.scaleWidth);
        s.Line(c.x1, c.y1, c.x2, c.y2, 0);
        EXPECT_EQ(s.fills, c.expected) << c.what;
    }
}

TEST(PixelSurface, FillsAndExports) {
    PixelSurface s(4, 3, Rgb(1, 2, 3));
    s.SetDrawWidth(1);
    s.Line(1, 0, 1, 2, Rgb(200, 100, 50));
    EXPECT_EQ(s.Pixel(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(s.Pixel(1, 2), Rgb(200, 100, 50));
    EXPECT_EQ(s.Pixel(2, 1), Rgb(1, 2, 3));
    const std::string ppm = s.ToPpm();
    const std::string header = "P6\n4 3\n255\n";
    ASSERT_EQ(ppm.size(), header.size() + std::size_t{4} * 3 * 3);
    EXPECT_EQ(ppm.substr(0, header.size()), header);
    EXPECT_EQ(ppm.substr(header.size() + 3, 3), "\xC8\x64\x32");
}

}  // namespace
}  // namespace quill
