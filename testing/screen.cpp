#include "testing/screen.h"

#include "win32/handles.h"

namespace quill::testing {

Image Capture(HWND window) {
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
