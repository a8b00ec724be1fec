#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ports/texts.h"

namespace quill::win32 {

// UTF-16 text between the ports (char16_t) and the W API (wchar_t, 16 bits
// on Windows): the same code units.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring ToWide(std::u16string_view text) {
    return {text.begin(), text.end()};
}
inline std::u16string FromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// A window's text (a caption, a combo box's edit field).
std::u16string WindowText(HWND hwnd);

// A text of the program's string resources, in the language the platform
// chooses for the user (its display language; under Wine the locale's),
// English where the program has none of it. Empty for TextId::None; throws
// if the program lacks the text.
std::u16string LoadText(TextId id);

// The character set of the language the texts are in, for fonts that show
// them: a font asked for with it has their glyphs (the font mapper prefers
// a face of that set when the one asked for lacks it). DEFAULT_CHARSET for
// English and for languages the program has no texts in.
BYTE TextCharset();

}  // namespace quill::win32
