#pragma once

#include <windows.h>

#include <string>
#include <string_view>

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

}  // namespace quill::win32
