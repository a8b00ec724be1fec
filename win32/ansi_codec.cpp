#include "win32/ansi_codec.h"

#include <windows.h>

namespace quill::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::string AnsiCodec::ToAnsi(std::u16string_view text) const {
    if (text.empty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int units = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, wide, units, out.data(), bytes, nullptr, nullptr);
    }
    return out;
}

std::u16string AnsiCodec::FromAnsi(std::string_view text) const {
    if (text.empty()) {
        return {};
    }
    const int bytes = static_cast<int>(text.size());
    const int units = ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    std::u16string out(units > 0 ? units : 0, u'\0');
    if (units > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, reinterpret_cast<wchar_t*>(out.data()),
                              units);
    }
    return out;
}

}  // namespace quill::win32
