#include "testing/dialog_answerer.h"

#include <chrono>

namespace quill::testing {
namespace {

// The Red, Green and Blue fields of the common colour dialog, and a control
// of its custom-colour section.
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708, kCustomSection = 712;

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

struct Search {
    DWORD processId;
    std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && ::IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        search.dialogs.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK ReadMessageBoxChild(HWND child, LPARAM param) {
    auto& seen = *reinterpret_cast<DialogAnswerer::Dialog*>(param);
    if (!::IsWindowVisible(child)) {
        return TRUE;
    }
    const std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        ++seen.buttons;
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0 && !TextOf(child).empty()) {
        seen.text = TextOf(child);
    }
    return TRUE;
}

}  // namespace

DialogAnswerer::DialogAnswerer(DWORD processId)
    : processId_(processId), watcher_([this] { Watch(); }) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    watcher_.join();
}

void DialogAnswerer::Confirm(Color color) {
    const std::lock_guard lock(mutex_);
    colours_.push_back(color);
}

std::vector<DialogAnswerer::Dialog> DialogAnswerer::Answered() const {
    const std::lock_guard lock(mutex_);
    return answered_;
}

void DialogAnswerer::Watch() {
    while (!stop_) {
        Search search{processId_, {}};
        ::EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
        std::erase_if(handled_, [](HWND gone) { return !::IsWindow(gone); });
        for (HWND dialog : search.dialogs) {
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
    const HWND fields[] = {::GetDlgItem(dialog, kRedField), ::GetDlgItem(dialog, kGreenField),
                           ::GetDlgItem(dialog, kBlueField)};
    if (fields[0] != nullptr) {
        seen.colourDialog = true;
        for (int i = 0; i < 3; ++i) {
            seen.initial += _wtoi(TextOf(fields[i]).c_str()) << (8 * i);
        }
        seen.customColours = ::IsWindowVisible(::GetDlgItem(dialog, kCustomSection)) != FALSE;
        std::unique_lock lock(mutex_);
        if (colours_.empty()) {
            button = IDCANCEL;
        } else {
            const ColorComponents chosen = SplitColor(colours_.front());
            colours_.pop_front();
            lock.unlock();
            const int values[] = {chosen.red, chosen.green, chosen.blue};
            for (int i = 0; i < 3; ++i) {
                const std::wstring text = std::to_wstring(values[i]);
                ::SendMessageW(fields[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            }
        }
    } else {
        ::EnumChildWindows(dialog, ReadMessageBoxChild, reinterpret_cast<LPARAM>(&seen));
    }
    {
        const std::lock_guard lock(mutex_);
        answered_.push_back(seen);
    }
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

}  // namespace quill::testing
