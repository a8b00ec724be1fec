#pragma once

// The start-up benchmark's profile: the ends of start-up's phases, and where
// the time goes within each, by kind of work. In a build with
// QUILL_STARTUP_MARKS defined (bench/: the program and the floor built once
// more) a StartupCost scope adds the time it lasts to its kind's total, and
// each phase mark appends its name and a performance-counter reading to the
// file that the environment variable QUILL_STARTUP_MARKS names, then what
// each kind of work took within the phase, as "<phase>: <work> <ticks>", and
// clears the totals. In the program all of it is nothing.
//
// Work behind a port (the registry, the desktop's font list, the previews'
// drawing) is timed by the benchmark's wrappers of those ports
// (bench/profiled_ports.h); only the fonts made (for the controls while the
// window is made, for the previews after) and the face lists' filling are
// timed where they are done. Kinds never nest.

#include <windows.h>

#ifdef QUILL_STARTUP_MARKS
#include <array>
#include <cstdio>
#endif

namespace quill::win32 {

enum class StartupWork {
    RegistryCalls,   // the store's calls: opens, queries, writes, closes
    FontList,        // the desktop's font faces listed
    ListFilling,     // entries added to the face lists
    FontsMade,       // GDI fonts made for controls and previews
    PreviewDrawing,  // the previews' drawing calls
};

// Their names in the marks file, in the order above.
inline constexpr const char* kStartupWorkNames[] = {"registry calls", "font enumeration",
                                                    "list filling", "fonts made", "previews drawn"};

#ifdef QUILL_STARTUP_MARKS

struct StartupWorkTotals {
    std::array<long long, std::size(kStartupWorkNames)> ticks{};
    std::array<long long, std::size(kStartupWorkNames)> began{};  // of the one under way, or 0
    std::array<int, std::size(kStartupWorkNames)> times{};
};

inline StartupWorkTotals& StartupWorkSpent() {
    static StartupWorkTotals totals;
    return totals;
}

inline long long StartupTicks() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// For work that no one scope holds: from the first Begin to the End.
inline void BeginStartupWork(StartupWork work) {
    long long& began = StartupWorkSpent().began[static_cast<std::size_t>(work)];
    if (began == 0) {
        began = StartupTicks();
    }
}
inline void EndStartupWork(StartupWork work) {
    auto& totals = StartupWorkSpent();
    const auto kind = static_cast<std::size_t>(work);
    if (totals.began[kind] != 0) {
        totals.ticks[kind] += StartupTicks() - totals.began[kind];
        totals.began[kind] = 0;
        ++totals.times[kind];
    }
}

class StartupCost {
  public:
    explicit StartupCost(StartupWork work) : work_(work) { BeginStartupWork(work); }
    ~StartupCost() { EndStartupWork(work_); }
    StartupCost(const StartupCost&) = delete;
    StartupCost& operator=(const StartupCost&) = delete;

  private:
    StartupWork work_;
};

#else

inline void BeginStartupWork(StartupWork) {}
inline void EndStartupWork(StartupWork) {}

class StartupCost {
  public:
    explicit StartupCost(StartupWork) {}
};

#endif

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
