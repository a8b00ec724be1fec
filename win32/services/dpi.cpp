#include "win32/services/dpi.h"

#include <cmath>

#include "win32/services/handles.h"

namespace quill::win32 {

int SystemDpi() {
    const WindowDc screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int FontHeight(float points, int dpi) {
    return -static_cast<int>(std::lround(points * static_cast<float>(dpi) / kPointsPerInch));
}

}  // namespace quill::win32
