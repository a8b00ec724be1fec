#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "appearance/color_text.h"

namespace quill::testing {

// Answers this thread's modal dialogs as they open: a message box is read and closed with OK; the
// colour dialog is read, then given the next queued colour and confirmed, or cancelled if none is.
class DialogAnswerer {
  public:
    struct Dialog {
        std::wstring title, text;    // a message box's text
        int buttons = 0;             // a message box's buttons
        Color initial = 0;           // the colour the colour dialog opened on
        bool customColours = false;  // whether it opened with them shown
    };

    DialogAnswerer() { current_ = this; }
    ~DialogAnswerer() { ::UnhookWindowsHookEx(hook_); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Confirm(Color color) { colours_.push_back(color); }
    const std::vector<Dialog>& Answered() const { return answered_; }

  private:
    // The Red, Green and Blue fields of the common colour dialog, a control
    // of its custom-colour section, and a message box's text.
    static constexpr int kColourFields[] = {706, 707, 708};
    static constexpr int kCustomSection = 712, kMessageText = 0xFFFF;

    static std::wstring TextOf(HWND window) {
        wchar_t text[512] = {};
        ::GetWindowTextW(window, text, 512);
        return text;
    }

    static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
        wchar_t kind[16] = {};
        if (code == HCBT_ACTIVATE && ::GetClassNameW(reinterpret_cast<HWND>(wParam), kind, 16) &&
            std::wstring(kind) == L"#32770") {
            current_->Answer(reinterpret_cast<HWND>(wParam));
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void Answer(HWND dialog) {
        Dialog seen;
        seen.title = TextOf(dialog);
        int button = IDOK;
        if (::GetDlgItem(dialog, kColourFields[0]) == nullptr) {
            seen.text = TextOf(::GetDlgItem(dialog, kMessageText));
            for (int id = IDOK; id <= IDNO; ++id) {
                seen.buttons += ::GetDlgItem(dialog, id) != nullptr ? 1 : 0;
            }
        } else {
            for (int i = 0; i < 3; ++i) {
                seen.initial |= ::GetDlgItemInt(dialog, kColourFields[i], nullptr, FALSE)
                                << (8 * i);
            }
            // The dialog is not shown yet: the section's own style says.
            seen.customColours =
                ::GetWindowLongW(::GetDlgItem(dialog, kCustomSection), GWL_STYLE) & WS_VISIBLE;
            if (colours_.empty()) {
                button = IDCANCEL;
            } else {
                for (int i = 0; i < 3; ++i) {
                    ::SetDlgItemInt(dialog, kColourFields[i], (colours_.front() >> (8 * i)) & 0xFF,
                                    FALSE);
                }
                colours_.pop_front();
            }
        }
        answered_.push_back(seen);
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    }

    static inline DialogAnswerer* current_ = nullptr;
    HHOOK hook_ = ::SetWindowsHookExW(WH_CBT, OnWindowEvent, nullptr, ::GetCurrentThreadId());
    std::deque<Color> colours_;
    std::vector<Dialog> answered_;
};

}  // namespace quill::testing
