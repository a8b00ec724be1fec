// The program's message box under Wine: a watcher thread finds the dialog
// while ShowMessage blocks, records what it shows and presses OK.

#include "win32/message_box.h"

#include "win32/handles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace quill::test {
namespace {

struct SeenDialog {
    bool found = false;
    std::wstring title;
    HWND owner = nullptr;
    std::vector<std::wstring> texts;  // visible static texts
    std::vector<int> buttonIds;       // visible buttons
    int visibleIcons = 0;
};

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[256] = {};
    ::GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    auto& seen = *reinterpret_cast<SeenDialog*>(param);
    if (!::IsWindowVisible(child)) {
        return TRUE;
    }
    wchar_t cls[64] = {};
    ::GetClassNameW(child, cls, 64);
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    if (_wcsicmp(cls, L"Button") == 0) {
        seen.buttonIds.push_back(::GetDlgCtrlID(child));
    } else if (_wcsicmp(cls, L"Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_ICON) {
            // The dialog template may keep an empty icon control.
            if (::SendMessageW(child, STM_GETICON, 0, 0) != 0) {
                ++seen.visibleIcons;
            }
        } else {
            seen.texts.push_back(WindowText(child));
        }
    }
    return TRUE;
}

struct DialogSearch {
    DWORD threadId = 0;
    HWND dialog = nullptr;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
    auto& search = *reinterpret_cast<DialogSearch*>(param);
    wchar_t cls[16] = {};
    ::GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) == L"#32770" && ::IsWindowVisible(hwnd)) {
        search.dialog = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Waits for a dialog of `threadId`, inspects it and presses OK.
SeenDialog InspectAndClose(DWORD threadId) {
    SeenDialog seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    DialogSearch search{threadId};
    while (search.dialog == nullptr && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ::EnumThreadWindows(threadId, FindDialog, reinterpret_cast<LPARAM>(&search));
    }
    if (search.dialog == nullptr) {
        return seen;
    }
    seen.found = true;
    seen.title = WindowText(search.dialog);
    seen.owner = ::GetWindow(search.dialog, GW_OWNER);
    ::EnumChildWindows(search.dialog, CollectChild, reinterpret_cast<LPARAM>(&seen));
    ::PostMessageW(search.dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return seen;
}

SeenDialog ShowAndInspect(win32::MessageBox& box, std::u16string_view text) {
    SeenDialog seen;
    std::thread watcher([&seen, id = ::GetCurrentThreadId()] { seen = InspectAndClose(id); });
    box.ShowMessage(text);
    watcher.join();
    return seen;
}

TEST(MessageBox, ShowsTheTextWithOkOnlyNoIconAndTheAppTitle) {
    win32::MessageBox box;
    const SeenDialog seen = ShowAndInspect(box, u"ERROR in Open RegKey");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, L"Registry editor for Quillmar");
    EXPECT_EQ(seen.texts, std::vector<std::wstring>{L"ERROR in Open RegKey"});
    EXPECT_EQ(seen.buttonIds, std::vector<int>{IDOK});
    EXPECT_EQ(seen.visibleIcons, 0);
    EXPECT_EQ(seen.owner, nullptr);
}

TEST(MessageBox, IsOwnedByTheWindowSet) {
    const win32::UniqueHwnd owner(::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0,
                                                    0, 100, 100, nullptr, nullptr, nullptr,
                                                    nullptr));
    ASSERT_TRUE(owner);
    win32::MessageBox box;
    box.SetOwner(owner.get());
    const SeenDialog seen = ShowAndInspect(box, u"x");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, owner.get());
}

}  // namespace
}  // namespace quill::test
