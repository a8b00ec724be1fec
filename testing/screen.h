#pragma once

#include <windows.h>

#include <vector>

#include "appearance/color_text.h"

namespace quill::testing {

// What a window of this process shows in its client area, as colour
// integers row by row, read through its own device context.
struct Image {
    int width = 0, height = 0;
    std::vector<Color> pixels;
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
Image Capture(HWND window);

}  // namespace quill::testing
