#pragma once

#include <string_view>

#include "appearance/color_text.h"
#include "ports/picture_surface.h"

namespace quill {

// The platform-neutral steps of painting a title-bar preview: a horizontal
// gradient of 256 overlapping strokes from the start colour at the left edge
// to the end colour at the right, then the caption over it. Colours are plain
// (components 0 to 255): a system-colour reference is resolved before.

// One component of gradient step `step`: (to - from) divided by scaleWidth,
// times step, plus from, in single precision and in that order, rounded to
// nearest with halves to even.
int GradientComponent(int from, int to, int step, float scaleWidth);

// Sets pen width 5, pixel scale, then scale width 255, and draws the strokes
// (i, 0)-(i, 255) for i = 0 .. round(ScaleWidth()), each component of a
// stroke's colour computed with a fresh read of the scale width.
void PaintGradient(PictureSurface& target, const ColorComponents& start,
                   const ColorComponents& end);

// Pixel scale, then the caption in the fore colour with a transparent
// background, format 0, in the rectangle of the whole inner area.
void DrawCaptionText(PictureSurface& target, std::u16string_view caption);

}  // namespace quill
