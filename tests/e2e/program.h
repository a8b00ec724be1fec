#pragma once

// The real program, started in a process of its own and its window found by
// its caption; ended if it still runs when the test is done with it.

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "editor/layout.h"

namespace quill::testing {

using namespace std::chrono_literals;

// Polls until `ready` holds; false when the time is up.
template <typename Ready>
bool WaitUntil(Ready&& ready, std::chrono::milliseconds timeout = 10s) {
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; !ready();) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The program's file as Wine names it: its drive Z: is "/".
inline std::wstring ProgramPath() {
    std::wstring path = L"Z:";
    for (const char c : std::string_view(QUILL_PROGRAM_PATH)) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

class Program {
  public:
    Program() {
        std::wstring line = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process_);
        WaitUntil(
            [&] {
                main_ = ::FindWindowW(L"QuillmarForm", L"Registry editor for Quillmar");
                return ::IsWindowVisible(main_);
            },
            20s);
    }
    ~Program() {
        ::TerminateProcess(process_.hProcess, 99);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Main() const { return main_; }
    HWND Control(std::string_view name) const { return ::GetDlgItem(main_, ControlIdOf(name)); }
    DWORD Id() const { return process_.dwProcessId; }
    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        ::WaitForSingleObject(process_.hProcess, 10000);
        ::GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

  private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

}  // namespace quill::testing
