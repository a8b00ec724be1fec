#pragma once

// Where start-up's time goes, by kind of work, for the start-up benchmark's
// profile. In a build with QUILL_STARTUP_MARKS defined, a StartupCost scope
// adds the time it lasts to its kind's total, which the next phase mark
// (win32/program/startup_marks.h) writes out and clears; in the program it
// is nothing. Kinds are timed where the work is done, and never nest.

#ifdef QUILL_STARTUP_MARKS
#include <windows.h>

#include <array>
#endif

namespace quill::win32 {

enum class StartupWork {
    RegistryReads,   // the registry's functions
    FontList,        // listing the screen's font faces
    ListFilling,     // entries added to the face lists
    FontsMade,       // GDI fonts made for controls and previews
    PreviewDrawing,  // a preview's drawing, from its first stroke to its caption
};

// Their names in the marks file, in the order above.
inline constexpr const char* kStartupWorkNames[] = {"registry reads", "font enumeration",
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

}  // namespace quill::win32
