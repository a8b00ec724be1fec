#include "preview/scaled_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quill {

namespace {

// Far beyond any surface, small enough that pixel arithmetic cannot overflow.
constexpr double kPixelLimit = 1 << 20;

double ToPixels(float value, int pixels, float units) {
    if (units == 0)
        return value;
    return static_cast<double>(value) * pixels / units;
}

// Nearest pixel, halves to even (the default rounding mode).
int RoundPixel(double p) {
    return static_cast<int>(std::nearbyint(std::clamp(p, -kPixelLimit, kPixelLimit)));
}

// a / b rounded to nearest, halves up; b > 0.
long long RoundDiv(long long a, long long b) {
    const long long twice = 2 * a + b;
    const long long q = twice / (2 * b);
    return (twice % (2 * b) < 0) ? q - 1 : q;
}

}  // namespace

ScaledSurface::ScaledSurface(int innerWidth, int innerHeight)
    : innerWidth_(std::max(innerWidth, 0)),
      innerHeight_(std::max(innerHeight, 0)),
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
    if (width == 0 || std::isnan(width))
        return;
    scaleWidth_ = width;
}

float ScaledSurface::ToPixelX(float x) const {
    return static_cast<float>(ToPixels(x, innerWidth_, scaleWidth_));
}

float ScaledSurface::ToPixelY(float y) const {
    return static_cast<float>(ToPixels(y, innerHeight_, scaleHeight_));
}

void ScaledSurface::Line(float x1, float y1, float x2, float y2, Color color) {
    const double px1 = ToPixels(x1, innerWidth_, scaleWidth_);
    const double py1 = ToPixels(y1, innerHeight_, scaleHeight_);
    const double px2 = ToPixels(x2, innerWidth_, scaleWidth_);
    const double py2 = ToPixels(y2, innerHeight_, scaleHeight_);
    if (std::isnan(px1) || std::isnan(py1) || std::isnan(px2) || std::isnan(py2))
        return;

    const int ax = RoundPixel(px1), ay = RoundPixel(py1);
    const int bx = RoundPixel(px2), by = RoundPixel(py2);
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
    if (rect.left < rect.right && rect.top < rect.bottom)
        FillPixels(rect, color);
}

}  // namespace quill
