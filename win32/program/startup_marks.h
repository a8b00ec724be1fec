#pragma once

// The ends of the start-up phases, for the start-up benchmark's profile. In a
// build with QUILL_STARTUP_MARKS defined, each mark appends its name and a
// performance-counter reading to the file that the environment variable
// QUILL_STARTUP_MARKS names, then what each kind of work took within the
// phase (win32/services/startup_costs.h), as "<phase>: <work> <ticks>"; in
// the program it is nothing.

#include <windows.h>

#include "win32/services/startup_costs.h"

#ifdef QUILL_STARTUP_MARKS
#include <cstdio>
#endif

namespace quill::win32 {

inline void StartupMark([[maybe_unused]] const char* phase) {
#ifdef QUILL_STARTUP_MARKS
    const long long now = StartupTicks();
    StartupWorkTotals& spent = StartupWorkSpent();
    const StartupWorkTotals inPhase = spent;
    spent = {};
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("QUILL_STARTUP_MARKS", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s %lld\n", phase, now);
        for (std::size_t work = 0; work < inPhase.ticks.size(); ++work) {
            if (inPhase.times[work] > 0) {
                std::fprintf(file, "%s: %s %lld\n", phase, kStartupWorkNames[work],
                             inPhase.ticks[work]);
            }
        }
        std::fclose(file);
    }
#endif
}

}  // namespace quill::win32
