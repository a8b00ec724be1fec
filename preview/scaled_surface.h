#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/picture_surface.h"

namespace quill {

// A half-open rectangle of pixels: [left, right) x [top, bottom).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The picture surface's state and drawing rules, shared by every realisation
// so that they paint the same pixels: the coordinate scale, the pen width, the
// fore colour, and which pixels a line fills. A realisation supplies only the
// two primitives at the bottom.
//
// Scale. A new surface is in pixel scale: ScaleWidth and ScaleHeight are the
// inner size in pixels (not empty). SetScaleWidth(w), w not 0, makes the
// inner width span w units and leaves the vertical unit and ScaleHeight
// alone. A point (x, y) in the current units lies at pixel
// (x * innerWidth / ScaleWidth, y * innerHeight / ScaleHeight), computed in
// double precision; pixel coordinate c is the left (top) edge of column (row)
// c, so x = ScaleWidth is the right inner edge, just outside the last column.
//
// Lines. The program draws vertical strokes only. Each end point is rounded to
// the nearest pixel, halves to even; a line of pen width w (at least 1) fills
// one rectangle, the w x w squares [p - w/2, p - w/2 + w) (integer w/2) around
// both end points and everything between them. So the vertical line at column
// X from row Y1 to Y2 fills [X - w/2, X - w/2 + w) x [Y1 - w/2, Y2 - w/2 + w),
// clipped to the surface.
//
// Text. DrawTextW hands the text to RenderText with the fore colour and
// whether the background mode is transparent; the rectangle is in pixels.
class ScaledSurface : public virtual PictureSurface {
  public:
    ScaledSurface(int innerWidth, int innerHeight);

    void SetDrawWidth(int pixels) override;
    void SetScaleModePixels() override;
    void SetScaleWidth(float width) override;
    float ScaleWidth() const override { return scaleWidth_; }
    float ScaleHeight() const override { return scaleHeight_; }
    void Line(float x1, float y1, float x2, float y2, Color color) override;
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color c) override { foreColor_ = c; }
    void SetBkModeTransparent() override { transparent_ = true; }
    void DrawTextW(std::u16string_view text, TextRect& rect, std::uint32_t format) override;

    int InnerWidth() const { return innerWidth_; }
    int InnerHeight() const { return innerHeight_; }

  protected:
    // Fills the rectangle, already clipped to the surface.
    virtual void FillPixels(const PixelRect& rect, Color color) = 0;
    // Draws the text in the surface's font and the given colour.
    virtual void RenderText(std::u16string_view text, TextRect& rect, std::uint32_t format,
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
