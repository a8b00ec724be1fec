#pragma once

#include <windows.h>

namespace quill::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// Asks to be left unscaled by the system: per-monitor (v2 where the platform
// has it), else system-wide. The manifest says the same; this covers a
// process started without it (the test programs).
void DeclareDpiAwareness();

// The dots per inch that the layout is computed for.
int SystemDpi();

inline int TwipsToPixels(int twips, int dpi) {
    return ::MulDiv(twips, dpi, kTwipsPerInch);
}

// LOGFONT height for a size in points: negative, a character height.
int FontHeight(float points, int dpi);

}  // namespace quill::win32
