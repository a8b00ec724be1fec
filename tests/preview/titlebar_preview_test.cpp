#include "preview/titlebar_preview.h"

#include <gtest/gtest.h>

#include <cmath>

#include "preview/pixel_surface.h"

namespace quill {
namespace {

// The preview's inner size at 96 DPI (3520 x 255 twips).
constexpr int kWidth = 235;
constexpr int kHeight = 17;
constexpr Color kUnpainted = Rgb(1, 2, 3);

int Component(std::int16_t from, std::int16_t to, int step) {
    const auto c = GradientComponent(from, to, step, 255.0f);
    EXPECT_TRUE(c.has_value()) << from << "->" << to << " step " << step;
    return c.value_or(-1);
}

TEST(GradientComponent, KnownSteps) {
    struct Case {
        int step = 0;
        ColorComponents expected;
    };
    const Case cases[] = {
        {0, {10, 36, 106}},     {1, {11, 37, 107}},     {64, {49, 78, 140}},
        {127, {88, 119, 173}},  {128, {88, 119, 173}},  {200, {132, 166, 211}},
        {254, {165, 201, 239}}, {255, {166, 202, 240}},
    };
    for (const auto& c : cases) {
        const ColorComponents got{Component(10, 166, c.step), Component(36, 202, c.step),
                                  Component(106, 240, c.step)};
        EXPECT_EQ(got, c.expected) << "step " << c.step;
    }
    const int falling[][2] = {{1, 199}, {100, 122}, {128, 100}, {254, 1}};
    for (const auto& [step, value] : falling) {
        EXPECT_EQ(Component(200, 0, step), value) << "step " << step;
    }
    for (int step = 0; step <= 255; ++step) {
        EXPECT_EQ(Component(0, 1, step), step < 128 ? 0 : 1) << "step " << step;
    }
}

// The single-precision steps agree with exact rational rounding for every
// pair of plain components and every step.
TEST(GradientComponent, MatchesExactRoundingEverywhere) {
    int mismatches = 0;
    for (int from = 0; from <= 255; ++from) {
        for (int to = 0; to <= 255; ++to) {
            for (int step = 0; step <= 255; ++step) {
                const int numerator = 255 * from + (to - from) * step;
                const int exact = (2 * numerator + 255) / 510;  // floor(n/255 + 1/2), n >= 0
                const auto got = GradientComponent(static_cast<std::int16_t>(from),
                                                   static_cast<std::int16_t>(to), step, 255.0f);
                if (!got || *got != exact)
                    ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(GradientComponent, FailuresGiveNothing) {
    EXPECT_EQ(GradientComponent(-32768, 32767, 1, 255), std::nullopt);  // difference overflows
    EXPECT_EQ(GradientComponent(-251, 10, 1, 255), std::nullopt);       // negative result
    EXPECT_EQ(GradientComponent(0, 300, 255, 255), std::nullopt);       // above 255
    EXPECT_EQ(GradientComponent(7, 7, 5, 0), std::nullopt);             // 0 / 0
}

// The colour of the last stroke that covers column x: strokes are 5 wide,
// centred at round(i * 235 / 255), later ones painting over earlier ones.
Color ExpectedColumn(int x, const ColorComponents& a, const ColorComponents& b) {
    for (int i = 255; i >= 0; --i) {
        const int centre = static_cast<int>(std::nearbyint(i * double(kWidth) / 255));
        if (x >= centre - 2 && x < centre + 3) {
            return Rgb(Component(a.red, b.red, i), Component(a.green, b.green, i),
                       Component(a.blue, b.blue, i));
        }
    }
    return kUnpainted;
}

TEST(PaintGradient, EveryColumnShowsItsLastStroke) {
    const ColorComponents start{10, 36, 106}, end{166, 202, 240};
    PixelSurface surface(kWidth, kHeight, kUnpainted);
    PaintGradient(surface, start, end);
    EXPECT_EQ(surface.DrawWidth(), 5);
    EXPECT_EQ(surface.ScaleWidth(), 255.0f);
    for (int x = 0; x < kWidth; ++x) {
        const Color expected = ExpectedColumn(x, start, end);
        for (int y = 0; y < kHeight; ++y) {
            ASSERT_EQ(surface.Pixel(x, y), expected) << x << "," << y;
        }
    }
    // Strokes 1 and 2 also reach column 0, so it shows step 2.
    EXPECT_EQ(surface.Pixel(0, 0), Rgb(11, 37, 107));
    // The rightmost stroke is centred on the right edge: its left half shows.
    EXPECT_EQ(surface.Pixel(kWidth - 1, 0), Rgb(166, 202, 240));
    EXPECT_EQ(surface.Pixel(kWidth - 2, kHeight - 1), Rgb(166, 202, 240));
    EXPECT_NE(surface.Pixel(kWidth - 3, 0), Rgb(166, 202, 240));
}

TEST(PaintGradient, EqualColoursFillTheWholeSurface) {
    for (const auto& [width, height] : {std::pair{kWidth, kHeight}, std::pair{353, 26}}) {
        PixelSurface surface(width, height, kUnpainted);
        PaintGradient(surface, {128, 0, 255}, {128, 0, 255});
        for (Color c : surface.Pixels())
            ASSERT_EQ(c, Rgb(128, 0, 255)) << width;
    }
}

TEST(PaintGradient, RepaintGivesTheSamePicture) {
    PixelSurface surface(kWidth, kHeight, kUnpainted);
    PaintGradient(surface, {0, 0, 0}, {255, 128, 7});
    const auto first = surface.Pixels();
    surface.SetScaleModePixels();
    PaintGradient(surface, {0, 0, 0}, {255, 128, 7});
    EXPECT_EQ(surface.Pixels(), first);
}

TEST(PaintGradient, UnusableComponentsKeepThePreviousValue) {
    // A system-colour reference splits into negative components: red and
    // green stay 0 until the interpolation climbs past 0; blue's difference
    // (30 + 32767) overflows 16 bits at every step, so blue stays 0.
    PixelSurface reference(kWidth, kHeight, kUnpainted);
    PaintGradient(reference, SplitColor(kSysWindowBackground), {10, 20, 30});
    EXPECT_EQ(reference.Pixel(0, 0), 0);
    EXPECT_EQ(reference.Pixel(kWidth - 1, 0), Rgb(10, 20, 0));

    // A component beyond 16 bits counts as 0.
    PixelSurface wide(kWidth, kHeight, kUnpainted);
    PaintGradient(wide, {40000, 5, 5}, {0, 5, 5});
    for (Color c : wide.Pixels())
        ASSERT_EQ(c, Rgb(0, 5, 5));
}

TEST(DrawCaptionText, DrawsOverTheWholeInnerAreaTransparently) {
    PixelSurface surface(kWidth, kHeight, kUnpainted);
    PaintGradient(surface, {0, 0, 0}, {0, 0, 0});
    surface.SetForeColor(Rgb(255, 255, 255));
    DrawCaptionText(surface, kActiveCaption);
    ASSERT_EQ(surface.TextDraws().size(), 1u);
    EXPECT_EQ(surface.TextDraws()[0],
              (TextDraw{" Active titlebar", {0, 0, kWidth, kHeight}, 0, Rgb(255, 255, 255), true}));
    EXPECT_EQ(surface.ScaleWidth(), float(kWidth));
}

TEST(CaptionForPicture, OnlyActivePicIsActive) {
    EXPECT_EQ(CaptionForPicture("ActivePic"), " Active titlebar");
    for (std::string_view other : {"InactivePic", "activepic", "ActivePic ", ""}) {
        EXPECT_EQ(CaptionForPicture(other), " Inactive titlebar") << other;
    }
}

}  // namespace
}  // namespace quill
