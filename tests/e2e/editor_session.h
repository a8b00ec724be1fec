#pragma once

// One run of the real program: started, its window found by caption, its
// controls reached by name, and closed. A failure to reach any of these
// throws (the test fails with the message); the process is killed if it is
// still running when the session ends.

#include <windows.h>

#include <string>
#include <string_view>

#include "tests/e2e/e2e_support.h"

namespace quill::e2e {

class EditorSession {
  public:
    EditorSession();

    HWND Main() const { return main_; }
    Process& Program() { return process_; }
    // A control by its name in the window's design.
    HWND Control(std::string_view name) const;

    int CheckState(std::string_view name) const;  // BST_UNCHECKED / BST_CHECKED
    std::wstring Text(std::string_view name) const;
    bool Enabled(std::string_view name) const;
    std::wstring Caption() const { return WindowText(main_); }

    // Waits for the caption to read `text`; false on timeout.
    bool WaitForCaption(const std::wstring& text, Millis timeout = 10s) const;

    // Clicks a swatch and confirms `rgb` in the colour dialog it opens.
    void PickColor(std::string_view swatch, int red, int green, int blue);
    // Chooses an entry of a combo box's list as a user would.
    void ChooseFromList(std::string_view combo, const std::wstring& entry);
    // A mouse press and release over a control.
    void Click(std::string_view name);
    // Presses a command button (as BM_CLICK does).
    void Press(std::string_view button);

    // Closes the window (WM_CLOSE) and returns the exit code; throws if the
    // program does not end in time.
    DWORD Close();

  private:
    Process process_;
    HWND main_ = nullptr;
};

}  // namespace quill::e2e
