#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "appearance/color_text.h"

namespace quill::testing {

// Answers the modal dialogs this thread shows as they open, as a user would:
// a message box is read and closed with OK; the colour dialog is read, and
// given the next colour queued and confirmed, or cancelled when none is.
class DialogAnswerer {
  public:
    struct Dialog {
        std::wstring title, text;    // a message box's text
        int buttons = 0;             // a message box's buttons
        Color initial = 0;           // the colour the colour dialog opened on
        bool customColours = false;  // whether it opened with them shown
    };

    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Confirm(Color color) { colours_.push_back(color); }
    const std::vector<Dialog>& Answered() const { return answered_; }

  private:
    static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND dialog);

    HHOOK hook_;
    std::deque<Color> colours_;
    std::vector<Dialog> answered_;
};

}  // namespace quill::testing
