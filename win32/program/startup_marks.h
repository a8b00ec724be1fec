#pragma once

// The ends of the start-up phases, for the start-up benchmark's profile. In a
// build with QUILL_STARTUP_MARKS defined, each mark appends its name and a
// performance-counter reading to the file that the environment variable
// QUILL_STARTUP_MARKS names; in the program it is nothing.

#include <windows.h>

#ifdef QUILL_STARTUP_MARKS
#include <cstdio>
#endif

namespace quill::win32 {

inline void StartupMark([[maybe_unused]] const char* phase) {
#ifdef QUILL_STARTUP_MARKS
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("QUILL_STARTUP_MARKS", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s %lld\n", phase, static_cast<long long>(now.QuadPart));
        std::fclose(file);
    }
#endif
}

}  // namespace quill::win32
