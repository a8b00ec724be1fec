#pragma once

#include <cstdint>
#include <string_view>

#include "appearance/color_text.h"

namespace quill {

// The text rectangle of DrawTextW, in pixels (the RECT layout).
struct TextRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TextRect&) const = default;
};

// The retained drawing surface of a picture box: what is drawn stays until it
// is drawn over, and the window shows it from that image.
class PictureSurface {
  public:
    virtual ~PictureSurface() = default;
    virtual void SetDrawWidth(int pixels) = 0;
    // Scale width and height become the inner size in pixels.
    virtual void SetScaleModePixels() = 0;
    // The inner width now spans `width` units; the vertical unit stays.
    virtual void SetScaleWidth(float width) = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    // A line in the current units, current pen width, clipped to the surface.
    virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color c) = 0;  // also the text colour
    virtual void SetBkModeTransparent() = 0;
    // Rectangle in pixels; DrawTextW's format flags.
    virtual void DrawTextW(std::u16string_view text, TextRect& rect, std::uint32_t format) = 0;
};

}  // namespace quill
