#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "appearance/color_text.h"

namespace quill::testing {

// Answers the modal dialogs that a process shows, from a thread of its own,
// as a user would: a message box is read and closed with OK; the colour
// dialog is read, given the next colour queued and confirmed, or cancelled
// when none is queued. Works on the test's own process and on another one.
class DialogAnswerer {
  public:
    struct Dialog {
        std::wstring title;
        std::wstring text;  // a message box's text
        int buttons = 0;    // a message box's visible buttons
        bool colourDialog = false;
        Color initial = 0;           // the colour the colour dialog opened on
        bool customColours = false;  // whether it opened with custom colours shown
    };

    explicit DialogAnswerer(DWORD processId = ::GetCurrentProcessId());
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // The colour that the next colour dialog is given and confirmed with.
    void Confirm(Color color);
    // Every dialog answered so far, oldest first.
    std::vector<Dialog> Answered() const;

  private:
    void Watch();
    void Answer(HWND dialog);

    const DWORD processId_;
    mutable std::mutex mutex_;
    std::deque<Color> colours_;
    std::vector<Dialog> answered_;
    std::set<HWND> handled_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

}  // namespace quill::testing
