#include "preview/titlebar_preview.h"

#include <cmath>

namespace quill {

namespace {

constexpr int kPenWidth = 5;
// The inner width spans 255 units, one a step; each stroke runs from the top
// edge 255 pixels down, below the bottom of any preview.
constexpr float kGradientUnits = 255;

// Halves to even, in the default rounding mode. rint, not nearbyint: the same
// result without saving and restoring the floating-point environment, which
// in MinGW's library costs several times the rounding; a preview rounds some
// 1800 times.
int Rounded(float value) {
    return static_cast<int>(std::rint(value));
}

}  // namespace

int GradientComponent(int from, int to, int step, float scaleWidth) {
    // Single precision, in this order: the rounding of each operation is part
    // of the result.
    float value = static_cast<float>(to - from) / scaleWidth;
    value = value * static_cast<float>(step);
    value = value + static_cast<float>(from);
    return Rounded(value);
}

void PaintGradient(PictureSurface& target, const ColorComponents& start,
                   const ColorComponents& end) {
    target.SetDrawWidth(kPenWidth);
    target.SetScaleModePixels();
    target.SetScaleWidth(kGradientUnits);
    const int last = Rounded(target.ScaleWidth());
    for (int i = 0; i <= last; ++i) {
        const int red = GradientComponent(start.red, end.red, i, target.ScaleWidth());
        const int green = GradientComponent(start.green, end.green, i, target.ScaleWidth());
        const int blue = GradientComponent(start.blue, end.blue, i, target.ScaleWidth());
        const auto x = static_cast<float>(i);
        target.Line(x, 0, x, kGradientUnits, Rgb(red, green, blue));
    }
}

void DrawCaptionText(PictureSurface& target, std::u16string_view caption) {
    target.SetScaleModePixels();
    TextRect rect;
    rect.right = Rounded(target.ScaleWidth());
    rect.bottom = Rounded(target.ScaleHeight());
    target.SetBkModeTransparent();
    target.DrawTextW(caption, rect, 0);
}

}  // namespace quill
