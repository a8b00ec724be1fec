#pragma once

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

// Text in the ANSI code page (error descriptions) to UTF-16.
std::wstring AnsiToWide(std::string_view text);

}  // namespace quill::win32
