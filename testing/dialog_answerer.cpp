#include "testing/dialog_answerer.h"

#include <chrono>

namespace quill::testing {
namespace {

// The Red, Green and Blue fields of the common colour dialog, and a control
// of its custom-colour section.
constexpr int kColourFields[] = {706, 707, 708};
constexpr int kCustomSection = 712;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM dialogs) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
        ClassOf(window) == L"#32770") {
        reinterpret_cast<std::vector<HWND>*>(dialogs)->push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK ReadMessageBoxChild(HWND child, LPARAM param) {
    auto& seen = *reinterpret_cast<DialogAnswerer::Dialog*>(param);
    const std::wstring kind = ClassOf(child);
    seen.buttons += _wcsicmp(kind.c_str(), L"Button") == 0 && ::IsWindowVisible(child) ? 1 : 0;
    if (_wcsicmp(kind.c_str(), L"Static") == 0 && !TextOf(child).empty()) {
        seen.text = TextOf(child);
    }
    return TRUE;
}

}  // namespace

void DialogAnswerer::Watch() {
    while (!stop_) {
        std::vector<HWND> dialogs;
        ::EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
        std::erase_if(handled_, [](HWND gone) { return !::IsWindow(gone); });
        for (HWND dialog : dialogs) {
            if (handled_.insert(dialog).second) {
                Answer(dialog);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void DialogAnswerer::Answer(HWND dialog) {
    Dialog seen;
    seen.title = TextOf(dialog);
    int button = IDOK;
    if (::GetDlgItem(dialog, kColourFields[0]) == nullptr) {
        ::EnumChildWindows(dialog, ReadMessageBoxChild, reinterpret_cast<LPARAM>(&seen));
    } else {
        for (int i = 0; i < 3; ++i) {
            seen.initial += _wtoi(TextOf(::GetDlgItem(dialog, kColourFields[i])).c_str())
                            << (8 * i);
        }
        seen.customColours = ::IsWindowVisible(::GetDlgItem(dialog, kCustomSection)) != FALSE;
        std::unique_lock lock(mutex_);
        if (colours_.empty()) {
            button = IDCANCEL;
        } else {
            const ColorComponents c = SplitColor(colours_.front());
            colours_.pop_front();
            lock.unlock();
            const int chosen[] = {c.red, c.green, c.blue};
            for (int i = 0; i < 3; ++i) {
                const std::wstring value = std::to_wstring(chosen[i]);
                ::SendMessageW(::GetDlgItem(dialog, kColourFields[i]), WM_SETTEXT, 0,
                               reinterpret_cast<LPARAM>(value.c_str()));
            }
        }
    }
    {
        const std::lock_guard lock(mutex_);
        answered_.push_back(seen);
    }
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

}  // namespace quill::testing
