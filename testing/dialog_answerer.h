#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "appearance/color_text.h"
#include "win32/services/wide_text.h"

namespace quill::testing {

// Answers this thread's modal dialogs as they open: a message box is read and closed with OK; the
// colour dialog is read, then given the next queued colour, which it adds to its custom colours,
// or its first custom colour, and confirmed; or cancelled if nothing is queued.
class DialogAnswerer {
  public:
    struct Dialog {
        std::wstring title, text;    // a message box's text
        int buttons = 0;             // a message box's buttons
        Color initial = 0;           // the colour the colour dialog opened on
        bool customColours = false;  // whether it opened with them shown
        bool rightToLeft = false;    // a message box mirrored or read from right to left
    };

    DialogAnswerer() { current_ = this; }
    ~DialogAnswerer() { ::UnhookWindowsHookEx(hook_); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Confirm(Color color) { colours_.push_back(color); }
    void ConfirmFirstCustom() { colours_.push_back(kFirstCustom); }
    const std::vector<Dialog>& Answered() const { return answered_; }

  private:
    // The Red, Green and Blue fields of the common colour dialog, its "Add to
    // custom colours" button, its custom colours, and a message box's text.
    static constexpr int kColourFields[] = {706, 707, 708};
    static constexpr int kAddCustom = 712, kCustomColours = 721, kMessageText = 0xFFFF;
    static constexpr Color kFirstCustom = -1;  // no colour

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
        seen.title = win32::ToWide(win32::WindowText(dialog));
        int button = IDOK;
        if (::GetDlgItem(dialog, kColourFields[0]) == nullptr) {
            seen.text = win32::ToWide(win32::WindowText(::GetDlgItem(dialog, kMessageText)));
            seen.rightToLeft = ::GetWindowLongW(dialog, GWL_EXSTYLE) &
                               (WS_EX_LAYOUTRTL | WS_EX_RTLREADING | WS_EX_RIGHT);
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
                ::GetWindowLongW(::GetDlgItem(dialog, kAddCustom), GWL_STYLE) & WS_VISIBLE;
            if (used_ == colours_.size()) {
                button = IDCANCEL;
            } else if (const Color next = colours_[used_++]; next == kFirstCustom) {
                RECT custom{};  // a click on it
                ::GetWindowRect(::GetDlgItem(dialog, kCustomColours), &custom);
                POINT first{custom.left + 1, custom.top + 1};
                ::ScreenToClient(dialog, &first);
                ::SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
            } else {
                for (int i = 0; i < 3; ++i) {
                    ::SetDlgItemInt(dialog, kColourFields[i], (next >> (8 * i)) & 0xFF, FALSE);
                }
                ::SendMessageW(dialog, WM_COMMAND, kAddCustom, 0);
            }
        }
        answered_.push_back(seen);
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    }

    static inline DialogAnswerer* current_ = nullptr;
    HHOOK hook_ = ::SetWindowsHookExW(WH_CBT, OnWindowEvent, nullptr, ::GetCurrentThreadId());
    std::vector<Color> colours_;  // queued, the first `used_` of them given already
    std::size_t used_ = 0;
    std::vector<Dialog> answered_;
};

}  // namespace quill::testing
