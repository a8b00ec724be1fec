#include "tests/e2e/program.h"

#include <stdexcept>
#include <string>
#include <thread>

#include "editor/layout.h"

namespace quill::testing {
namespace {

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
    auto& [processId, found] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == processId && ::IsWindowVisible(window)) {
        found.push_back(window);
    }
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring ProgramPath() {
    std::wstring path = L"Z:";  // Wine's drive for the whole file system
    for (const char c : std::string_view(QUILL_PROGRAM_PATH)) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

Program::Program() {
    std::wstring line = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process_)) {
        throw std::runtime_error("the program does not start");
    }
    // The first visible window must be the editor's: a message box first, or
    // an early end, fails at once.
    std::vector<HWND> shown;
    WaitUntil([&] {
        shown = Windows();
        return !shown.empty() || ::WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
    }, 20s);
    wchar_t caption[64] = {};
    if (shown.size() == 1) {
        ::GetWindowTextW(shown[0], caption, 64);
    }
    if (std::wstring(caption) != L"Registry editor for Quillmar") {
        throw std::runtime_error("the editor's window is not the program's first and only one");
    }
    main_ = shown[0];
}

Program::~Program() {
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.hProcess, 99);
        ::WaitForSingleObject(process_.hProcess, 5000);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

HWND Program::Control(std::string_view name) const {
    return ::GetDlgItem(main_, ControlIdOf(name));
}

std::vector<HWND> Program::Windows() const {
    std::pair<DWORD, std::vector<HWND>> search{Id(), {}};
    ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

void Program::Click(std::string_view name) const {
    ::PostMessageW(Control(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageW(Control(name), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void Program::Choose(std::string_view combo, int index) const {
    ::SendMessageW(Control(combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::PostMessageW(main_, WM_COMMAND, MAKEWPARAM(ControlIdOf(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Control(combo)));
}

DWORD Program::ExitCode() {
    if (::WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
        throw std::runtime_error("the program does not end");
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

}  // namespace quill::testing
