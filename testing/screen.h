#pragma once

#include <windows.h>

#include <vector>

#include "appearance/color_text.h"
#include "win32/handles.h"

namespace quill::testing {

// What a window of this process shows in its client area, as colour integers row by row.
struct Image {
    int width = 0, height = 0;
    std::vector<Color> pixels;
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
inline Image Capture(HWND window) {
    // Painted afresh first: a closed dialog may have covered it.
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT area{};
    ::GetClientRect(window, &area);
    const win32::WindowDc shown(window);
    Image image{area.right, area.bottom, {}};
    for (int i = 0; i < image.width * image.height; ++i) {
        image.pixels.push_back(
            static_cast<Color>(::GetPixel(shown.get(), i % image.width, i / image.width)));
    }
    return image;
}

}  // namespace quill::testing
