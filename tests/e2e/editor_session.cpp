#include "tests/e2e/editor_session.h"

#include <stdexcept>
#include <string>

#include "editor/layout.h"

namespace quill::e2e {

namespace {

// The Red, Green and Blue edit fields of the common colour dialog.
constexpr int kColorDialogRed = 706;
constexpr int kColorDialogGreen = 707;
constexpr int kColorDialogBlue = 708;

constexpr Millis kStartTimeout = 20s;
constexpr Millis kUiTimeout = 10s;

}  // namespace

EditorSession::EditorSession() : process_(ProgramPath()) {
    std::wstring why;
    main_ = WaitForMainWindow(process_, kStartTimeout, why);
    if (main_ == nullptr) {
        throw std::runtime_error("the editor window did not open: " + Narrow(why));
    }
}

HWND EditorSession::Control(std::string_view name) const {
    HWND control = e2e::Control(main_, ControlIdOf(name));
    if (control == nullptr) {
        throw std::runtime_error("no control with the identifier of " + std::string(name));
    }
    return control;
}

int EditorSession::CheckState(std::string_view name) const {
    return static_cast<int>(SendMessageW(Control(name), BM_GETCHECK, 0, 0));
}

std::wstring EditorSession::Text(std::string_view name) const {
    // GetWindowText does not ask another process's control; WM_GETTEXT does.
    wchar_t text[512] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(Control(name), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
    return text;
}

bool EditorSession::Enabled(std::string_view name) const {
    return IsWindowEnabled(Control(name)) != FALSE;
}

bool EditorSession::WaitForCaption(const std::wstring& text, Millis timeout) const {
    return WaitUntil([&] { return Caption() == text; }, timeout);
}

void EditorSession::PickColor(std::string_view swatch, int red, int green, int blue) {
    // Posted: the click handler runs the modal dialog and returns only after it.
    PostClick(Control(swatch));
    HWND dialog = WaitForDialog(process_.Id(), main_, kUiTimeout);
    if (dialog == nullptr) {
        throw std::runtime_error("no colour dialog after a click on " + std::string(swatch));
    }
    const std::pair<int, int> fields[] = {
        {kColorDialogRed, red}, {kColorDialogGreen, green}, {kColorDialogBlue, blue}};
    for (auto [id, value] : fields) {
        HWND edit = GetDlgItem(dialog, id);
        if (edit == nullptr) {
            throw std::runtime_error("the colour dialog has no field " + std::to_string(id));
        }
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(value).c_str()));
    }
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(dialog); }, kUiTimeout)) {
        throw std::runtime_error("the colour dialog did not close on OK");
    }
}

void EditorSession::ChooseFromList(std::string_view combo, const std::wstring& entry) {
    HWND box = Control(combo);
    LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(entry.c_str()));
    if (index == CB_ERR) {
        throw std::runtime_error("\"" + Narrow(entry) + "\" is not in the list of " +
                                 std::string(combo));
    }
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // CB_SETCURSEL notifies nobody; a choice by the user sends CBN_SELCHANGE.
    PostMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
}

void EditorSession::Click(std::string_view name) {
    PostClick(Control(name));
}

void EditorSession::Press(std::string_view button) {
    PostMessageW(Control(button), BM_CLICK, 0, 0);
}

DWORD EditorSession::Close() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    std::optional<DWORD> code = process_.WaitForExit(kUiTimeout);
    if (!code) {
        throw std::runtime_error("the program did not end after WM_CLOSE");
    }
    return *code;
}

}  // namespace quill::e2e
