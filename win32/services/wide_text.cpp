#include "win32/services/wide_text.h"

namespace quill::win32 {

std::u16string WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

}  // namespace quill::win32
