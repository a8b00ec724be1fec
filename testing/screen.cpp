#include "testing/screen.h"

#include "win32/handles.h"

namespace quill::testing {

Image Capture(HWND window) {
    // This process's windows are read from their own surfaces; Wine shows
    // another process's only on the screen.
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    const bool own = owner == ::GetCurrentProcessId();
    RECT area{};
    ::GetClientRect(window, &area);
    if (!own) {
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    Image image{area.right - area.left, area.bottom - area.top, {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win32::WindowDc shown(own ? window : nullptr);
    const win32::UniqueHbitmap dib(
        ::CreateDIBSection(shown.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::UniqueMemoryDc memory(::CreateCompatibleDC(shown.get()));
    {
        const win32::ScopedSelect select(memory.get(), dib.get());
        ::BitBlt(memory.get(), 0, 0, image.width, image.height, shown.get(), area.left, area.top,
                 SRCCOPY);
        ::GdiFlush();
    }
    const auto* bgr = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < image.width * image.height; ++i) {
        // 0x00RRGGBB on the screen; a colour integer has red in the low byte.
        image.pixels.push_back(Rgb(static_cast<int>(bgr[i] >> 16 & 0xFF),
                                   static_cast<int>(bgr[i] >> 8 & 0xFF),
                                   static_cast<int>(bgr[i] & 0xFF)));
    }
    return image;
}

}  // namespace quill::testing
