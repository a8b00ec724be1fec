// Start-up of the real program against a minimal program with the same
// controls built the same way, in the same language and mirroring (the floor
// for this window under Wine): the time from CreateProcess to the window
// shown (the editor paints both previews before it shows its window), in
// alternating runs, with the spread of the ratio; the floor importing the colour dialog's library,
// which the program loads only when the dialog opens; a profile of both by phase, from builds that
// mark each phase's end, each phase split by the kinds of work done in it; the stripped program's
// size; its peak working set. A build none of whose marked runs succeeded has no profile: its
// figures read "n/a" and the benchmark fails.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_timing.h"
#include "win32/profiling/startup_profile.h"
#include "win32/services/handles.h"
#include "win32/services/string_resources.h"

namespace {

using quill::bench::Median;
using quill::bench::NowMs;
using quill::bench::Percentile;
using quill::bench::TicksPerMs;

constexpr int kRuns = 11;
constexpr double kTimeoutMs = 30000;

std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c != '\0'; ++c) {
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    return path;
}

struct Run {
    double shownMs = -1;    // negative: the window never showed
    bool mirrored = false;  // the window, as it showed
    SIZE_T peakWorkingSet = 0;
    std::map<std::string, double> marks;  // each phase's end, in ms from the start
    std::map<std::string, double> work;   // "<phase>: <work>", in ms it took
};

// The phase marks and work times a marked build left in `file`, in ms (a
// mark from `start`).
void ReadMarks(const std::wstring& file, double start, Run& run) {
    std::ifstream in(std::string(file.begin(), file.end()));
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t space = line.rfind(' ');
        if (space == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(0, space);
        const double ms = std::stod(line.substr(space + 1)) / TicksPerMs();
        if (name.find(": ") != std::string::npos) {
            run.work[name] = ms;
        } else {
            run.marks[name] = ms - start;
        }
    }
}

// Starts the program, waits for its visible window with this caption, reads
// its peak working set, closes it and waits for it to end. A marked build
// writes its phases to `marksFile`.
Run TimeOneStart(const std::wstring& exe, const wchar_t* caption,
                 const std::wstring& marksFile = L"") {
    Run run;
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!marksFile.empty()) {
        DeleteFileW(marksFile.c_str());
    }
    SetEnvironmentVariableW(L"QUILL_STARTUP_MARKS",
                            marksFile.empty() ? nullptr : marksFile.c_str());
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
                run.mirrored = (GetWindowLongW(found, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
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
    if (!marksFile.empty()) {
        ReadMarks(marksFile, start, run);
    }
    return run;
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The program's own texts, loaded as data: what the loader gives this user
// from them, as it gives the program.
class ProgramTexts {
  public:
    explicit ProgramTexts(const std::wstring& exe)
        : module_(::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

    std::wstring Text(quill::TextId id) const {  // "" where it has none
        wchar_t text[512] = L"";
        if (module_) {
            ::LoadStringW(module_.get(), static_cast<UINT>(id), text, 512);
        }
        return text;
    }
    // The character set the program asks its fonts in, for these texts.
    BYTE Charset() const {
        return module_ ? quill::win32::TextCharsetOf(module_.get()) : DEFAULT_CHARSET;
    }

  private:
    quill::win32::UniqueModule module_;
};

// What the floor needs to make its controls as the program makes them for
// this user (floor_controls.cpp): the window's mirroring, the texts'
// character set and the texts of the floor's controls (Apply, Cancel, XP
// Default, the four check boxes, a label and a preview's caption).
std::wstring FloorTexts(const ProgramTexts& texts, bool mirrored) {
    std::wstring given = (mirrored ? L"R" : L"L") + std::to_wstring(texts.Charset()) + L"|";
    using quill::TextId;
    for (const TextId id : {TextId::Apply, TextId::Cancel, TextId::XpDefault, TextId::Bold,
                            TextId::Point8, TextId::Point9, TextId::Point10,
                            TextId::MenuHighlightColor, TextId::ActivePreviewCaption}) {
        given += texts.Text(id) + L"|";
    }
    return given;
}

}  // namespace

int main() {
    const std::wstring program = WinePath(QUILL_PROGRAM_PATH);
    const std::wstring floor = WinePath(QUILL_FLOOR_PATH);
    const std::wstring comdlgFloor = WinePath(QUILL_COMDLG32_FLOOR_PATH);
    const ProgramTexts texts(program);
    std::wstring caption = texts.Text(quill::TextId::FormCaption);
    if (caption.empty()) {
        caption = L"Registry editor for Quillmar";
    }
    const wchar_t* programCaption = caption.c_str();
    const wchar_t* floorCaption = L"Floor controls";

    // One start of each first, unmeasured: loads the files into the cache,
    // and shows whether the program mirrors its window.
    const Run first = TimeOneStart(program, programCaption);
    if (first.shownMs < 0) {
        std::printf("the program's window did not show\n");
        return 1;
    }
    SetEnvironmentVariableW(L"QUILL_FLOOR_TEXTS", FloorTexts(texts, first.mirrored).c_str());
    std::printf("floor: the program's texts, character set %d, %s\n", texts.Charset(),
                first.mirrored ? "mirrored" : "not mirrored");
    TimeOneStart(floor, floorCaption);
    TimeOneStart(comdlgFloor, floorCaption);

    std::vector<double> programTimes, floorTimes, comdlgTimes, ratios, comdlgRatios;
    SIZE_T peak = 0;
    for (int i = 0; i < kRuns; ++i) {  // interleaved, so drift hits all alike
        const Run p = TimeOneStart(program, programCaption);
        const Run f = TimeOneStart(floor, floorCaption);
        const Run c = TimeOneStart(comdlgFloor, floorCaption);
        if (p.shownMs < 0 || f.shownMs < 0 || c.shownMs < 0) {
            std::printf("a window did not show (run %d)\n", i);
            return 1;
        }
        programTimes.push_back(p.shownMs);
        floorTimes.push_back(f.shownMs);
        comdlgTimes.push_back(c.shownMs);
        ratios.push_back(p.shownMs / f.shownMs);
        comdlgRatios.push_back(c.shownMs / f.shownMs);
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
    std::printf(
        "startup ratio of each alternating pair: median %.2f, middle half %.2f-%.2f, "
        "range %.2f-%.2f\n",
        Median(ratios), Percentile(ratios, 0.25), Percentile(ratios, 0.75),
        quill::bench::Min(ratios), quill::bench::Max(ratios));
    std::printf(
        "floor importing the colour dialog's library: median %.0f ms, %.2f x the floor "
        "(middle half %.2f-%.2f)\n",
        Median(comdlgTimes), Median(comdlgRatios), Percentile(comdlgRatios, 0.25),
        Percentile(comdlgRatios, 0.75));

    // The profile: builds that mark each phase's end, alternating too. Each
    // phase runs from the previous mark (the first from process start); the
    // kinds of work timed within it are lines of their own, and what they
    // leave of it one more.
    const std::pair<const char*, const char*> phases[] = {
        {"entry", "process start to main (loader, imports, runtime)"},
        {"common controls", "common controls registered"},
        {"window made", "window and controls made (floor: lists filled)"},
        {"started", "start-up: registry, font lists, previews"},
        {"shown", "shown and painted"}};
    const char* seenShown = "(start-up's end to the benchmark seeing it shown)";
    const std::wstring marksFile = WinePath(QUILL_STARTUP_MARKS_FILE);
    struct Build {
        std::vector<Run> runs;  // those that showed the window and marked every phase
        int failed = 0;
    };
    Build programBuild, floorBuild;
    for (int i = 0; i < kRuns; ++i) {
        for (const auto& [exe, caption, build] :
             {std::tuple(WinePath(QUILL_MARKED_PROGRAM_PATH), programCaption, &programBuild),
              std::tuple(WinePath(QUILL_MARKED_FLOOR_PATH), floorCaption, &floorBuild)}) {
            Run run = TimeOneStart(exe, caption, marksFile);
            // A run that never showed its window, or left a phase unmarked,
            // has no profile: it fails, rather than count as phases of no length.
            if (run.shownMs < 0 || !std::ranges::all_of(phases, [&](const auto& phase) {
                    return run.marks.contains(phase.first);
                })) {
                ++build->failed;
            } else {
                build->runs.push_back(std::move(run));
            }
        }
    }
    std::printf("profile, ms each phase takes (medians of %d alternating runs of marked builds):\n",
                kRuns);
    if (programBuild.failed + floorBuild.failed > 0) {
        std::printf(
            "  failed runs, left out (window not shown or a phase unmarked): program %d, "
            "floor %d\n",
            programBuild.failed, floorBuild.failed);
    }
    // One figure of each run of a build, or none where the build has no such
    // figure (no good run, or none that did this work).
    using Figure = std::function<std::optional<double>(const Build&, const Run&)>;
    auto cell = [](const Build& build, const Figure& figure) {
        std::vector<double> values;
        for (const Run& run : build.runs) {
            if (const std::optional<double> value = figure(build, run)) {
                values.push_back(*value);
            }
        }
        if (build.runs.empty()) {
            return std::string("n/a");
        }
        if (values.empty()) {
            return std::string("-");
        }
        char text[32] = {};
        std::snprintf(text, sizeof text, "%.2f", Median(values));
        return std::string(text);
    };
    auto row = [&](const std::string& label, const Figure& figure) {
        std::printf("  %-50s %8s %8s\n", label.c_str(), cell(programBuild, figure).c_str(),
                    cell(floorBuild, figure).c_str());
    };
    auto phaseTime = [&](const Run& run, const char* phase) {
        const auto at = std::ranges::find_if(
            phases, [&](const auto& p) { return std::string_view(p.first) == phase; });
        const double previous = at == std::begin(phases) ? 0 : run.marks.at(std::prev(at)->first);
        return run.marks.at(phase) - previous;
    };
    std::printf("  %-50s %8s %8s\n", "phase, to its end", "program", "floor");
    for (const auto& [phaseName, label] : phases) {
        const char* phase = phaseName;  // a variable, which lambdas can take
        row(label, [&](const Build&, const Run& run) { return phaseTime(run, phase); });
        // The kinds of work that either build did in this phase; a build
        // that did one in some runs did none of it in the others.
        auto workKey = [phase](const char* work) { return std::string(phase) + ": " + work; };
        auto did = [&](const Build& build, const char* work) {
            return std::ranges::any_of(
                build.runs, [&](const Run& run) { return run.work.contains(workKey(work)); });
        };
        auto workTime = [&](const Run& run, const char* work) {
            const auto found = run.work.find(workKey(work));
            return found == run.work.end() ? 0.0 : found->second;
        };
        std::vector<const char*> done;
        for (const char* work : quill::win32::kStartupWorkNames) {
            if (did(programBuild, work) || did(floorBuild, work)) {
                done.push_back(work);
                row(std::string("  ") + work,
                    [&](const Build& build, const Run& run) -> std::optional<double> {
                        return did(build, work) ? std::optional(workTime(run, work)) : std::nullopt;
                    });
            }
        }
        if (!done.empty()) {
            row("  the rest", [&](const Build&, const Run& run) {
                double rest = phaseTime(run, phase);
                for (const char* work : done) {
                    rest -= workTime(run, work);
                }
                return rest;
            });
        }
    }
    row(seenShown,
        [&](const Build&, const Run& run) { return run.shownMs - run.marks.at("started"); });

    const long long size = FileSize(WinePath(QUILL_STRIPPED_PROGRAM_PATH));
    std::printf("stripped program size: %lld bytes (%.0f KB; target < 450 KB)\n", size,
                static_cast<double>(size) / 1024.0);
    std::printf("peak working set: %.1f MB\n", static_cast<double>(peak) / (1024.0 * 1024.0));
    int status = 0;
    for (const auto& [name, build] :
         {std::pair("program", &programBuild), std::pair("floor", &floorBuild)}) {
        if (build->runs.empty()) {
            std::printf("no marked run of the %s succeeded: it has no profile\n", name);
            status = 1;
        }
    }
    return status;
}
