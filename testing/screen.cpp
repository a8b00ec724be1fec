#include "testing/screen.h"

#include "win32/handles.h"

namespace quill::testing {

Image Capture(HWND window) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    const bool own = owner == ::GetCurrentProcessId();
    RECT area{};
    ::GetClientRect(window, &area);
    if (!own) {  // Wine shows another process's window only on the screen
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    const win32::WindowDc shown(own ? window : nullptr);
    Image image{area.right - area.left, area.bottom - area.top, {}};
    for (int i = 0; i < image.width * image.height; ++i) {
        image.pixels.push_back(static_cast<Color>(
            ::GetPixel(shown.get(), area.left + i % image.width, area.top + i / image.width)));
    }
    return image;
}

}  // namespace quill::testing
