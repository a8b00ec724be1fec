#pragma once

// Timing helpers shared by the benchmarks: a high-resolution clock and the
// median of a set of samples.

#include <windows.h>

#include <algorithm>
#include <vector>

namespace quill::bench {

inline double TicksPerMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    return ticksPerMs;
}

inline double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / TicksPerMs();
}

inline double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t mid = samples.size() / 2;
    return samples.size() % 2 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
}

inline double Min(const std::vector<double>& samples) {
    return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end());
}

inline double Max(const std::vector<double>& samples) {
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

}  // namespace quill::bench
