#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/toolkit.h"

namespace quill {

// A half-open rectangle of pixels: [left, right) x [top, bottom).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The picture surface's state and drawing rules, shared by every realisation
// so that they paint the same pixels: the coordinate scale, the pen width, the
// fore colour, and how a line becomes filled pixel rectangles. A realisation
// supplies only the two primitives at the bottom.
//
// A line of pen width w is stamped as w x w squares centred on the pixels of
// the line (rounded to the nearest pixel), so a vertical line is one
// rectangle w pixels wide, the centre column at round(x), covering
// [round(x) - w/2, round(x) - w/2 + w).
class ScaledSurface : public virtual PictureSurface {
public:
    ScaledSurface(int innerWidth, int innerHeight);

    int DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int pixels) override;
    void SetScaleModePixels() override;
    void SetScaleWidth(float width) override;
    float ScaleWidth() const override { return scaleWidth_; }
    float ScaleHeight() const override { return scaleHeight_; }
    void Line(float x1, float y1, float x2, float y2, Color color) override;
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color c) override { foreColor_ = c; }
    void SetBkModeTransparent() override { transparent_ = true; }
    void DrawTextA(std::string_view text, TextRect& rect, std::uint32_t format) override;

    int InnerWidth() const { return innerWidth_; }
    int InnerHeight() const { return innerHeight_; }
    bool BkModeTransparent() const { return transparent_; }

    // Pixel coordinates of a point in the current units.
    float ToPixelX(float x) const;
    float ToPixelY(float y) const;

protected:
    // Fills the rectangle, already clipped to the surface and non-empty.
    virtual void FillPixels(const PixelRect& rect, Color color) = 0;
    // Draws the text in the surface's font and the given colour.
    virtual void RenderText(std::string_view text, TextRect& rect, std::uint32_t format,
                            Color color, bool transparent) = 0;

private:
    int innerWidth_;
    int innerHeight_;
    int drawWidth_ = 1;
    float scaleWidth_;
    float scaleHeight_;
    Color foreColor_ = 0;
    bool transparent_ = false;
};

}  // namespace quill
