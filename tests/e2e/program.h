#pragma once

// The real program in a process of its own, its window found by its class; ended after the test.

#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "win32/window/form_design.h"

namespace quill::testing {

using win32::ControlIdOf;

// Polls every millisecond (benchmarks time with it) until `ready` holds, for ten seconds at most.
template <typename Ready>
bool WaitUntil(Ready&& ready) {
    for (int tries = 0; tries < 10000 && !ready(); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return ready();
}

struct Program {
    Program() {
        // The program's file, on the drive Z: that Wine gives the whole file system.
        std::wstring line = L"\"Z:" QUILL_PROGRAM_PATH L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process);
        WaitUntil(
            [&] { return ::IsWindowVisible(main = ::FindWindowW(L"QuillmarForm", nullptr)); });
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        ::TerminateProcess(process.hProcess, 99);
        ::WaitForSingleObject(process.hProcess, 10000);  // its window gone before the next starts
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    HWND Control(std::string_view name) const { return ::GetDlgItem(main, ControlIdOf(name)); }
    // The modules its process has loaded, by name in lower case; none if they cannot be read.
    std::vector<std::wstring> Modules() const {
        HMODULE modules[1024] = {};
        DWORD bytes = 0;
        std::vector<std::wstring> names;
        if (!::EnumProcessModules(process.hProcess, modules, sizeof modules, &bytes)) {
            return names;
        }
        for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < std::size(modules); ++i) {
            wchar_t name[MAX_PATH] = {};
            ::GetModuleBaseNameW(process.hProcess, modules[i], name, MAX_PATH);
            names.emplace_back(::CharLowerW(name));
        }
        return names;
    }
    // Waits for the program to end: its exit code, or STILL_ACTIVE.
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        ::WaitForSingleObject(process.hProcess, 10000);
        ::GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process{};
    HWND main = nullptr;
};

}  // namespace quill::testing
