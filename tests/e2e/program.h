#pragma once

// The real program, started in a process of its own, its window found by
// its caption and its controls by their identifiers; killed if it still runs
// when the test is done with it. What fails to happen in time throws.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::testing {

using namespace std::chrono_literals;

// The program's file, as Wine names it.
std::wstring ProgramPath();

// Polls until `ready` holds; false when the time is up.
bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds timeout = 10s);

class Program {
  public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Handle() const { return process_.hProcess; }
    HWND Main() const { return main_; }
    HWND Control(std::string_view name) const;
    // Its visible top-level windows.
    std::vector<HWND> Windows() const;

    // A mouse click on a control, posted as the system would post it.
    void Click(std::string_view name) const;
    // An entry of a combo box's list chosen, as the list reports a choice.
    void Choose(std::string_view combo, int index) const;

    // Waits for the program to end; its exit code.
    DWORD ExitCode();

  private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

}  // namespace quill::testing
