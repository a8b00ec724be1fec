// Start-up of the real program against a minimal program with the same
// controls built the same way (the floor for this window under Wine): the
// time from CreateProcess to the window shown (the editor paints both
// previews before it shows its window), median of several runs each,
// alternating; the stripped program's size; its peak working set.

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_timing.h"

namespace {

using quill::bench::Median;
using quill::bench::NowMs;

constexpr int kRuns = 10;
constexpr double kTimeoutMs = 30000;

std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c != '\0'; ++c) {
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    return path;
}

struct Run {
    double shownMs = -1;  // negative: the window never showed
    SIZE_T peakWorkingSet = 0;
};

// Starts the program, waits for its visible window with this caption, reads
// its peak working set, closes it and waits for it to end.
Run TimeOneStart(const std::wstring& exe, const wchar_t* caption) {
    Run run;
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
        return run;
    }
    HWND window = nullptr;
    while (NowMs() - start < kTimeoutMs) {
        HWND found = FindWindowW(nullptr, caption);
        if (found != nullptr && IsWindowVisible(found)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (pid == process.dwProcessId) {
                window = found;
                run.shownMs = NowMs() - start;
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            break;
        }
        Sleep(1);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
        run.peakWorkingSet = memory.PeakWorkingSetSize;
    }
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main() {
    const std::wstring program = WinePath(QUILL_PROGRAM_PATH);
    const std::wstring floor = WinePath(QUILL_FLOOR_PATH);
    const wchar_t* programCaption = L"Registry editor for Quillmar";
    const wchar_t* floorCaption = L"Floor controls";

    // One start of each first, unmeasured: loads the files into the cache.
    TimeOneStart(program, programCaption);
    TimeOneStart(floor, floorCaption);

    std::vector<double> programTimes, floorTimes;
    SIZE_T peak = 0;
    for (int i = 0; i < kRuns; ++i) {  // interleaved, so drift hits both alike
        Run p = TimeOneStart(program, programCaption);
        Run f = TimeOneStart(floor, floorCaption);
        if (p.shownMs < 0 || f.shownMs < 0) {
            std::printf("a window did not show (run %d)\n", i);
            return 1;
        }
        programTimes.push_back(p.shownMs);
        floorTimes.push_back(f.shownMs);
        peak = std::max(peak, p.peakWorkingSet);
    }
    const double median = Median(programTimes);
    const double floorMedian = Median(floorTimes);
    std::printf(
        "startup median: %.0f ms (floor of the same controls %.0f ms, ratio %.2f; %d runs)\n",
        median, floorMedian, median / floorMedian, kRuns);
    std::printf("startup range: %.0f-%.0f ms (floor %.0f-%.0f ms)\n",
                quill::bench::Min(programTimes), quill::bench::Max(programTimes),
                quill::bench::Min(floorTimes), quill::bench::Max(floorTimes));
    const long long size = FileSize(WinePath(QUILL_STRIPPED_PROGRAM_PATH));
    std::printf("stripped program size: %lld bytes (%.0f KB; target < 400 KB)\n", size,
                static_cast<double>(size) / 1024.0);
    std::printf("peak working set: %.1f MB\n", static_cast<double>(peak) / (1024.0 * 1024.0));
    return 0;
}
