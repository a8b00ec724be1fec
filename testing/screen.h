#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "appearance/color_text.h"

namespace quill::testing {

// What a window shows in its client area, read through its own device
// context, as colour integers row by row; for a window of another process,
// what the screen shows there.
struct Image {
    int width = 0, height = 0;
    std::vector<Color> pixels;
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
Image Capture(HWND window);

}  // namespace quill::testing
