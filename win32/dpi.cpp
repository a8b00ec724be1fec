#include "win32/dpi.h"

#include <cmath>

#include "win32/handles.h"

namespace quill::win32 {

void DeclareDpiAwareness() {
    // Looked up at run time: the newer functions are missing before Windows 10.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    using SetContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    auto setContext = reinterpret_cast<SetContextFn>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    if (setContext != nullptr && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        return;
    }
    ::SetProcessDPIAware();
}

int SystemDpi() {
    const WindowDc screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int FontHeight(float points, int dpi) {
    return -static_cast<int>(std::lround(points * static_cast<float>(dpi) / kPointsPerInch));
}

}  // namespace quill::win32
