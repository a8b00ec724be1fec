#pragma once

#include <windows.h>

#include <string>

#include "ports/texts.h"

namespace quill::win32 {

// The program's texts, by their ids (ports/texts.h), as the string
// resources hold them (win32/resources/texts.rc and the catalogues).

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
// The same for the texts that `module`'s string resources give this user
// (another program's, loaded as data, say).
BYTE TextCharsetOf(HMODULE module);

// The primary language id of the language the texts are in: LANG_ENGLISH
// where the program has none of the user's.
LANGID TextLanguage();

// Whether the texts' language is read from right to left (Arabic, Hebrew,
// Persian), as the platform's locale data says: the window is then mirrored,
// as the platform mirrors one, and its texts drawn in right-to-left reading
// order.
bool TextsReadRightToLeft();

}  // namespace quill::win32
