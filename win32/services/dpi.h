#pragma once

#include <windows.h>

namespace quill::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// The dots per inch that the layout is computed for.
int SystemDpi();

inline int TwipsToPixels(int twips, int dpi) {
    return ::MulDiv(twips, dpi, kTwipsPerInch);
}

// LOGFONT height for a size in points: negative, a character height.
int FontHeight(float points, int dpi);

}  // namespace quill::win32
