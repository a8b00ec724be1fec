#include "win32/text.h"

#include "win32/windows_error.h"

namespace quill::win32 {

std::u16string WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

std::u16string LoadText(TextId id) {
    if (id == TextId::None) {
        return {};
    }
    // With no buffer the loader hands out the resource's own characters,
    // which are not terminated: their count says where the text ends.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                     reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || text == nullptr) {
        throw WindowsError(ERROR_RESOURCE_NAME_NOT_FOUND, "LoadStringW");
    }
    return {text, text + length};
}

}  // namespace quill::win32
