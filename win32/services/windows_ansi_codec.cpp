#include "win32/services/windows_ansi_codec.h"

#include <windows.h>

namespace quill::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::string WindowsAnsiCodec::ToAnsi(std::u16string_view text) const {
    if (text.empty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int units = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
    // A failed conversion yields 0, which makes the second call a harmless size query.
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide, units, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::u16string WindowsAnsiCodec::FromAnsi(std::string_view text) const {
    if (text.empty()) {
        return {};
    }
    // The length goes with the text: a view need not end in a terminator.
    const int units =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string out(static_cast<std::size_t>(units), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                          reinterpret_cast<wchar_t*>(out.data()), units);
    return out;
}

}  // namespace quill::win32
