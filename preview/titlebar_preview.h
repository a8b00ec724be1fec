#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "appearance/color_text.h"
#include "editor/toolkit.h"

namespace quill {

// The platform-neutral steps of painting a title-bar preview: a horizontal
// gradient of 256 overlapping strokes from the start colour at the left edge
// to the end colour at the right, then the caption over it.

inline constexpr std::string_view kActiveCaption = " Active titlebar";
inline constexpr std::string_view kInactiveCaption = " Inactive titlebar";
inline constexpr std::string_view kActivePicName = "ActivePic";

// " Active titlebar" for the picture box named "ActivePic" (exact match),
// " Inactive titlebar" for any other.
std::string_view CaptionForPicture(std::string_view pictureName);

// One component of gradient step `step`: (to - from) in 16-bit arithmetic,
// then in single precision divided by scaleWidth, times step, plus from,
// rounded to nearest with halves to even. Nullopt when the difference
// overflows 16 bits or the result lies outside 0..255 (or is not a number).
std::optional<std::int16_t> GradientComponent(std::int16_t from, std::int16_t to, int step,
                                              float scaleWidth);

// Sets pen width 5, pixel scale, then scale width 255, and draws the strokes
// (i, 0)-(i, 255) for i = 0 .. round(ScaleWidth()). A step that fails keeps
// the component of the step before it (0 before the first); a component
// beyond the 16-bit range counts as 0.
void PaintGradient(PictureSurface& target, const ColorComponents& start,
                   const ColorComponents& end);

// Pixel scale, then the caption in the fore colour with a transparent
// background, format 0, in the rectangle of the whole inner area.
void DrawCaptionText(PictureSurface& target, std::string_view caption);

}  // namespace quill
