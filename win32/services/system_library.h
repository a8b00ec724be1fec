#pragma once

#include <windows.h>

#include "win32/services/handles.h"

namespace quill::win32 {

// Loads a library of Windows' own by its full path in the system folder:
// never a file of that name elsewhere on the search path. Empty if missing.
UniqueModule LoadSystemLibrary(const wchar_t* name);

// A function of a loaded library as the function type F; null if missing.
template <typename F>
F FunctionOf(HMODULE library, const char* name) {
    // Through the function type that matches every other one.
    using AnyFunction = void (*)();
    return library == nullptr ? nullptr
                              : reinterpret_cast<F>(
                                    reinterpret_cast<AnyFunction>(::GetProcAddress(library, name)));
}

}  // namespace quill::win32
