// A colour choice in the real program, driven from outside as a user would:
// a click on the active title bar's swatch until the colour dialog shows,
// the dialog's OK until it has closed, and from there until the preview on
// screen shows the new colour. Median of several choices, in several starts
// of the program; the first choice after start-up, which loads the dialog's
// library, apart. The times include this process's polling (a millisecond or
// so).

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "tests/e2e/program.h"
#include "win32/services/handles.h"

namespace {

using namespace quill::testing;
using quill::bench::Median;
using quill::bench::NowMs;

constexpr int kChoices = 10;  // in each start
constexpr int kStarts = 9;

BOOL CALLBACK FindColourDialog(HWND window, LPARAM param) {
    auto& [processId, found] = *reinterpret_cast<std::pair<DWORD, HWND>*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == processId && ::IsWindowVisible(window) && ::GetDlgItem(window, 706) != nullptr) {
        found = window;  // known by its Red field
    }
    return TRUE;
}

// The first pixel of a window's client area where its reading starts: the
// top left, the top right in a mirrored window. Wine shows another process's
// window only on the screen, so it is read from there.
COLORREF FirstPixel(HWND window) {
    WINDOWINFO info{};
    info.cbSize = sizeof info;
    ::GetWindowInfo(window, &info);
    const bool mirrored = (info.dwExStyle & WS_EX_LAYOUTRTL) != 0;
    const quill::win32::WindowDc screen(nullptr);
    return ::GetPixel(screen.get(), mirrored ? info.rcClient.right - 1 : info.rcClient.left,
                      info.rcClient.top);
}

HWND ColourDialogOf(const Program& program) {
    std::pair<DWORD, HWND> search{program.process.dwProcessId, nullptr};
    ::EnumWindows(FindColourDialog, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

}  // namespace

int main() {
    std::vector<double> first, toDialog, toClosed, toRepaint;
    for (int start = 0; start < kStarts; ++start) {
        try {
            const Program program;
            HWND picture = program.Control("ActivePic");
            for (int i = 0; i < kChoices; ++i) {
                const double click = NowMs();
                ::PostMessageW(program.Control("ActiveTitleBar"), WM_LBUTTONDOWN, MK_LBUTTON, 0);
                ::PostMessageW(program.Control("ActiveTitleBar"), WM_LBUTTONUP, 0, 0);
                HWND dialog = nullptr;
                if (!WaitUntil([&] { return (dialog = ColourDialogOf(program)) != nullptr; })) {
                    std::printf("no colour dialog\n");
                    return 1;
                }
                (i == 0 ? first : toDialog).push_back(NowMs() - click);
                const std::wstring green = std::to_wstring(20 + 20 * i);
                ::SendMessageW(::GetDlgItem(dialog, 707), WM_SETTEXT, 0,
                               reinterpret_cast<LPARAM>(green.c_str()));
                // Wine's dialog hands its colour back through hue, saturation and
                // luminance: wait for a change rather than for the colour typed.
                const COLORREF before = FirstPixel(picture);
                const double ok = NowMs();
                ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                if (!WaitUntil([&] { return !::IsWindow(dialog); })) {
                    std::printf("the colour dialog did not close\n");
                    return 1;
                }
                const double closed = NowMs();
                toClosed.push_back(closed - ok);
                if (!WaitUntil([&] { return FirstPixel(picture) != before; })) {
                    std::printf("the preview did not change\n");
                    return 1;
                }
                toRepaint.push_back(NowMs() - closed);
            }
            ::PostMessageW(program.main, WM_CLOSE, 0, 0);
            program.ExitCode();
        } catch (const std::exception& e) {
            std::printf("failed: %s\n", e.what());
            return 1;
        }
    }
    std::printf(
        "colour choice: swatch click to dialog shown, first after start-up, median %.1f ms "
        "(%d starts, %.1f-%.1f ms)\n",
        Median(first), kStarts, quill::bench::Min(first), quill::bench::Max(first));
    std::printf("colour choice: swatch click to dialog shown, later choices, median %.1f ms\n",
                Median(toDialog));
    std::printf("colour choice: OK to dialog closed, median %.1f ms\n", Median(toClosed));
    std::printf("colour choice: dialog closed to repainted preview on screen, median %.1f ms\n",
                Median(toRepaint));
    return 0;
}
