// Drives the installed program from outside, as a user would: waits for its window, presses
// "XP Default" and Apply, waits for "Yes!" and closes it. Exit code 0 when all of that happened.

#include <windows.h>

#include <cstdio>
#include <string>

#include "win32/controls/form_design.h"

namespace {

template <typename Ready>
bool WaitUntil(Ready ready, int seconds) {
    for (int tries = 0; tries < seconds * 10 && !ready(); ++tries) {
        ::Sleep(100);
    }
    return ready();
}

int Fail(const char* what) {
    std::fprintf(stderr, "apply_driver: %s\n", what);
    return 1;
}

}  // namespace

int main() {
    HWND form = nullptr;
    if (!WaitUntil(
            [&] { return ::IsWindowVisible(form = ::FindWindowW(L"QuillmarForm", nullptr)); },
            120)) {
        return Fail("the program's window did not show");
    }
    auto press = [&](const char* name) {
        ::PostMessageW(::GetDlgItem(form, quill::win32::ControlIdOf(name)), BM_CLICK, 0, 0);
    };
    press("Command1");
    press("btnApply");
    if (!WaitUntil(
            [&] {
                wchar_t caption[8] = {};
                return ::GetWindowTextW(form, caption, 8) && std::wstring(caption) == L"Yes!";
            },
            30)) {
        return Fail("Apply did not report Yes!");
    }
    ::PostMessageW(form, WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !::IsWindow(form); }, 30) ? 0 : Fail("the window stayed open");
}
