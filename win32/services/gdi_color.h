#pragma once

#include <windows.h>

#include "appearance/color_text.h"

namespace quill::win32 {

// A colour integer as GDI wants it; a system-colour reference becomes that
// colour's current value.
inline COLORREF ResolveColor(Color c) {
    return IsSystemColor(c) ? ::GetSysColor(SystemColorIndex(c)) : static_cast<COLORREF>(c);
}

}  // namespace quill::win32
