#include "preview/scaled_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quill {

namespace {

// Far beyond any surface, small enough that pixel arithmetic cannot overflow.
constexpr double kPixelLimit = std::numeric_limits<std::int16_t>::max();

// A coordinate in `units` spanning `pixels` as the nearest pixel, halves to even.
int ToPixel(float value, int pixels, float units) {
    const double pixel = static_cast<double>(value) * pixels / units;
    return static_cast<int>(std::nearbyint(std::clamp(pixel, -kPixelLimit, kPixelLimit)));
}

// a / b rounded to the nearest integer, halves up; b > 0.
long long RoundDiv(long long a, long long b) {
    const long long twice = 2 * a + b;
    const long long quotient = twice / (2 * b);
    return twice % (2 * b) < 0 ? quotient - 1 : quotient;
}

}  // namespace

ScaledSurface::ScaledSurface(int innerWidth, int innerHeight)
    : innerWidth_(innerWidth),
      innerHeight_(innerHeight),
      scaleWidth_(static_cast<float>(innerWidth_)),
      scaleHeight_(static_cast<float>(innerHeight_)) {}

void ScaledSurface::SetDrawWidth(int pixels) {
    drawWidth_ = std::max(pixels, 1);
}

void ScaledSurface::SetScaleModePixels() {
    scaleWidth_ = static_cast<float>(innerWidth_);
    scaleHeight_ = static_cast<float>(innerHeight_);
}

void ScaledSurface::SetScaleWidth(float width) {
    if (width != 0) {
        scaleWidth_ = width;
    }
}

void ScaledSurface::Line(float x1, float y1, float x2, float y2, Color color) {
    const int ax = ToPixel(x1, innerWidth_, scaleWidth_);
    const int ay = ToPixel(y1, innerHeight_, scaleHeight_);
    const int bx = ToPixel(x2, innerWidth_, scaleWidth_);
    const int by = ToPixel(y2, innerHeight_, scaleHeight_);
    const int w = drawWidth_;
    const int half = w / 2;

    if (ax == bx || ay == by) {
        const int left = std::min(ax, bx) - half, top = std::min(ay, by) - half;
        FillClipped({left, top, std::max(ax, bx) - half + w, std::max(ay, by) - half + w}, color);
        return;
    }
    const long long dx = bx - ax, dy = by - ay;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    for (long long k = 0; k <= steps; ++k) {
        const int x = ax + static_cast<int>(RoundDiv(dx * k, steps)) - half;
        const int y = ay + static_cast<int>(RoundDiv(dy * k, steps)) - half;
        FillClipped({x, y, x + w, y + w}, color);
    }
}

void ScaledSurface::DrawTextA(std::string_view text, TextRect& rect, std::uint32_t format) {
    RenderText(text, rect, format, foreColor_, transparent_);
}

void ScaledSurface::FillClipped(PixelRect rect, Color color) {
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    rect.right = std::min(rect.right, innerWidth_);
    rect.bottom = std::min(rect.bottom, innerHeight_);
    if (rect.left < rect.right && rect.top < rect.bottom) {
        FillPixels(rect, color);
    }
}

}  // namespace quill
