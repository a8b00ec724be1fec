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

// Answers the modal dialogs that this process shows, from a thread of its
// own, as a user would: a message box is read and closed with OK; the colour
// dialog is read, given the next colour queued and confirmed, or cancelled
// when none is queued.
class DialogAnswerer {
  public:
    struct Dialog {
        std::wstring title;
        std::wstring text;           // a message box's text
        int buttons = 0;             // a message box's buttons
        Color initial = 0;           // the colour the colour dialog opened on
        bool customColours = false;  // whether it opened with them shown
    };

    DialogAnswerer() : watcher_([this] { Watch(); }) {}
    ~DialogAnswerer() {
        stop_ = true;
        watcher_.join();
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Confirm(Color color) {
        const std::lock_guard lock(mutex_);
        colours_.push_back(color);
    }
    // Every dialog answered so far, oldest first.
    std::vector<Dialog> Answered() const {
        const std::lock_guard lock(mutex_);
        return answered_;
    }

  private:
    void Watch();
    void Answer(HWND dialog);

    mutable std::mutex mutex_;
    std::deque<Color> colours_;
    std::vector<Dialog> answered_;
    std::set<HWND> handled_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

}  // namespace quill::testing
