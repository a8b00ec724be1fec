#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "win32/services/handles.h"

namespace quill::win32 {

// A control's font as the program sees it: the face it asked for (not the
// one substituted for it), size in points, weight and character set.
struct FontSpec {
    std::u16string face;
    float points = 0;
    bool bold = false;
    std::uint8_t charset = DEFAULT_CHARSET;
};

// Creates GDI fonts, replacing the design's faces that are not installed by
// close, metric-compatible ones.
class FontFactory {
  public:
    UniqueHfont Create(const FontSpec& wanted, int dpi);

    // The face to ask GDI for: `face` itself when installed, else its
    // replacement when one is known, else `face` (GDI then picks one).
    const std::u16string& InstalledFace(const std::u16string& face);

  private:
    // The face that shows Japanese texts for an installed face.
    const std::u16string& JapaneseTextFace(const std::u16string& installed);

    std::map<std::u16string, std::u16string> resolved_;
    std::map<std::u16string, std::u16string> japanese_;
};

bool IsFaceInstalled(const std::u16string& face);

}  // namespace quill::win32
