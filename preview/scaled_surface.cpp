#include "preview/scaled_surface.h"

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

// A coordinate in `units` spanning `pixels` as the nearest pixel, halves to
// even (rint: see Rounded in titlebar_preview.cpp).
int ToPixel(float value, int pixels, float units) {
    return static_cast<int>(std::rint(static_cast<double>(value) * pixels / units));
}

}  // namespace

ScaledSurface::ScaledSurface(int innerWidth, int innerHeight)
    : innerWidth_(innerWidth),
      innerHeight_(innerHeight),
      scaleWidth_(static_cast<float>(innerWidth_)),
      scaleHeight_(static_cast<float>(innerHeight_)) {}

void ScaledSurface::SetDrawWidth(int pixels) {
    drawWidth_ = pixels;
}

void ScaledSurface::SetScaleModePixels() {
    scaleWidth_ = static_cast<float>(innerWidth_);
    scaleHeight_ = static_cast<float>(innerHeight_);
}

void ScaledSurface::SetScaleWidth(float width) {
    scaleWidth_ = width;
}

void ScaledSurface::Line(float x1, float y1, float x2, float y2, Color color) {
    const int ax = ToPixel(x1, innerWidth_, scaleWidth_);
    const int ay = ToPixel(y1, innerHeight_, scaleHeight_);
    const int bx = ToPixel(x2, innerWidth_, scaleWidth_);
    const int by = ToPixel(y2, innerHeight_, scaleHeight_);
    const int half = drawWidth_ / 2;
    // The pen's square at both ends and everything between, clipped.
    const PixelRect rect{std::max(std::min(ax, bx) - half, 0), std::max(std::min(ay, by) - half, 0),
                         std::min(std::max(ax, bx) - half + drawWidth_, innerWidth_),
                         std::min(std::max(ay, by) - half + drawWidth_, innerHeight_)};
    FillPixels(rect, color);
}

void ScaledSurface::DrawTextW(std::u16string_view text, TextRect& rect, std::uint32_t format) {
    RenderText(text, rect, format, foreColor_, transparent_);
}

}  // namespace quill
