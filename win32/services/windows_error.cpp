#include "win32/services/windows_error.h"

#include <string>

namespace quill::win32 {

AppError WindowsError(DWORD number, const char* what) {
    char text[512] = {};
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         number, 0, text, sizeof text, nullptr);
    std::string description(text, length);
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r')) {
        description.pop_back();
    }
    return AppError(static_cast<std::int32_t>(number), std::string(what) + ": " + description);
}

void ThrowLastError(const char* what) {
    throw WindowsError(::GetLastError(), what);
}

}  // namespace quill::win32
