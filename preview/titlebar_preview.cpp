#include "preview/titlebar_preview.h"

#include <cmath>
#include <limits>

namespace quill {

namespace {

constexpr int kPenWidth = 5;
constexpr float kGradientUnits = 255;
constexpr float kStrokeBottom = 255;

std::optional<std::int16_t> Narrow16(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

// Round to nearest, halves to even, then into 16 bits; fails on overflow
// or a value that is not a number.
std::optional<std::int16_t> RoundTo16(float value) {
    if (!(std::fabs(value) < 65536.0f))
        return std::nullopt;
    return Narrow16(static_cast<std::int64_t>(std::nearbyint(value)));
}

// Round to nearest, halves to even, into 32 bits; 0 when it does not fit.
std::int32_t RoundTo32(float value) {
    if (!(std::fabs(value) < 2147483648.0f))
        return 0;
    return static_cast<std::int32_t>(std::nearbyint(value));
}

}  // namespace

std::string_view CaptionForPicture(std::string_view pictureName) {
    return pictureName == kActivePicName ? kActiveCaption : kInactiveCaption;
}

std::optional<std::int16_t> GradientComponent(std::int16_t from, std::int16_t to, int step,
                                              float scaleWidth) {
    const auto difference = Narrow16(std::int64_t{to} - from);
    if (!difference)
        return std::nullopt;
    // Single precision, in this order: the rounding of each operation is
    // part of the result.
    float value = static_cast<float>(*difference) / scaleWidth;
    value = value * static_cast<float>(step);
    value = value + static_cast<float>(from);
    const auto rounded = RoundTo16(value);
    if (!rounded || *rounded < 0 || *rounded > 255)
        return std::nullopt;
    return rounded;
}

void PaintGradient(PictureSurface& target, const ColorComponents& start,
                   const ColorComponents& end) {
    const std::int16_t r1 = Narrow16(start.red).value_or(0);
    const std::int16_t g1 = Narrow16(start.green).value_or(0);
    const std::int16_t b1 = Narrow16(start.blue).value_or(0);
    const std::int16_t r2 = Narrow16(end.red).value_or(0);
    const std::int16_t g2 = Narrow16(end.green).value_or(0);
    const std::int16_t b2 = Narrow16(end.blue).value_or(0);

    target.SetDrawWidth(kPenWidth);
    target.SetScaleModePixels();
    target.SetScaleWidth(kGradientUnits);
    const std::int16_t last = RoundTo16(target.ScaleWidth()).value_or(0);

    std::int16_t red = 0, green = 0, blue = 0;
    for (int i = 0; i <= last; ++i) {
        // Each component reads the scale width afresh.
        red = GradientComponent(r1, r2, i, target.ScaleWidth()).value_or(red);
        green = GradientComponent(g1, g2, i, target.ScaleWidth()).value_or(green);
        blue = GradientComponent(b1, b2, i, target.ScaleWidth()).value_or(blue);
        const auto x = static_cast<float>(i);
        target.Line(x, 0, x, kStrokeBottom, Rgb(red, green, blue));
    }
}

void DrawCaptionText(PictureSurface& target, std::string_view caption) {
    target.SetScaleModePixels();
    TextRect rect;
    rect.right = RoundTo32(target.ScaleWidth());
    rect.bottom = RoundTo32(target.ScaleHeight());
    target.SetBkModeTransparent();
    target.DrawTextA(caption, rect, 0);
}

}  // namespace quill
