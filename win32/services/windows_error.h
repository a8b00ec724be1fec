#pragma once

#include <windows.h>

#include "appearance/app_error.h"

namespace quill::win32 {

// A failure of the platform as the program's error: the system's error
// number, and its description after what failed.
AppError WindowsError(DWORD number, const char* what);

// The calling thread's last error, thrown.
[[noreturn]] void ThrowLastError(const char* what);

}  // namespace quill::win32
