#include "testing/dialog_answerer.h"

namespace quill::testing {
namespace {

DialogAnswerer* g_answerer = nullptr;

// The Red, Green and Blue fields of the common colour dialog, and a control
// of its custom-colour section.
constexpr int kColourFields[] = {706, 707, 708};
constexpr int kCustomSection = 712;
constexpr int kMessageText = 0xFFFF;  // a message box's text

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

}  // namespace

DialogAnswerer::DialogAnswerer()
    : hook_(::SetWindowsHookExW(WH_CBT, OnWindowEvent, nullptr, ::GetCurrentThreadId())) {
    g_answerer = this;
}

DialogAnswerer::~DialogAnswerer() {
    ::UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK DialogAnswerer::OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t kind[16] = {};
    if (code == HCBT_ACTIVATE && ::GetClassNameW(reinterpret_cast<HWND>(wParam), kind, 16) &&
        std::wstring(kind) == L"#32770") {
        g_answerer->Answer(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::Answer(HWND dialog) {
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
            seen.initial +=
                static_cast<Color>(::GetDlgItemInt(dialog, kColourFields[i], nullptr, FALSE))
                << (8 * i);
        }
        // The dialog is not shown yet: the section's own style says.
        seen.customColours =
            (::GetWindowLongW(::GetDlgItem(dialog, kCustomSection), GWL_STYLE) & WS_VISIBLE) != 0;
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

}  // namespace quill::testing
