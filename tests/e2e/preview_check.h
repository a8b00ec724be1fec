#pragma once

// Compares a title-bar preview as the screen shows it with the native
// reference renderer's gradient for the same colours and inner size.

#include <string>

#include "appearance/color_text.h"
#include "tests/e2e/e2e_support.h"

namespace quill::e2e {

struct PreviewComparison {
    int width = 0, height = 0;
    // Right half: no caption text can reach it, so every pixel must match.
    int rightPixels = 0, rightMismatches = 0;
    // Left half: the caption's glyphs cover part of it.
    int leftPixels = 0, leftMismatches = 0;
    std::string firstRightMismatch;  // "x,y shown 0xRRGGBB expected 0xRRGGBB"
};

PreviewComparison ComparePreview(const Image& shown, Color start, Color end);

// A colour integer (red in the low byte) as the screen's 0xRRGGBB.
std::uint32_t ScreenRgb(Color c);

}  // namespace quill::e2e
