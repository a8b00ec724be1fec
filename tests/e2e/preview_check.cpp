#include "tests/e2e/preview_check.h"

#include <cstdio>

#include "preview/pixel_surface.h"
#include "preview/titlebar_preview.h"

namespace quill::e2e {

std::uint32_t ScreenRgb(Color c) {
    const auto u = static_cast<std::uint32_t>(c);
    return ((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF);
}

PreviewComparison ComparePreview(const Image& shown, Color start, Color end) {
    PreviewComparison result;
    result.width = shown.width;
    result.height = shown.height;
    if (shown.width <= 0 || shown.height <= 0) {
        return result;
    }
    PixelSurface reference(shown.width, shown.height, 0);
    PaintGradient(reference, SplitColor(start), SplitColor(end));

    const int half = shown.width / 2;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const std::uint32_t expected = ScreenRgb(reference.Pixel(x, y));
            const bool same = shown.At(x, y) == expected;
            if (x < half) {
                ++result.leftPixels;
                result.leftMismatches += same ? 0 : 1;
                continue;
            }
            ++result.rightPixels;
            if (!same && result.rightMismatches++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "%d,%d shown 0x%06X expected 0x%06X", x, y,
                              static_cast<unsigned>(shown.At(x, y)),
                              static_cast<unsigned>(expected));
                result.firstRightMismatch = text;
            }
        }
    }
    return result;
}

}  // namespace quill::e2e
