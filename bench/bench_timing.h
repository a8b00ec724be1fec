#pragma once

// Timing helpers shared by the benchmarks: a high-resolution clock and the
// median, quartiles and extremes of a set of samples.

#include <windows.h>

#include <algorithm>
#include <cmath>
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

// The sample a fraction `p` of the way through the sorted samples (0.25: the
// lower quartile), the nearest one taken.
inline double Percentile(std::vector<double> samples, double p) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(
        std::lround(p * static_cast<double>(samples.size() - 1)))];
}

inline double Min(const std::vector<double>& samples) {
    return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end());
}

inline double Max(const std::vector<double>& samples) {
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

}  // namespace quill::bench
