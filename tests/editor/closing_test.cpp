// How the program ends: its window closed from the frame or with Alt+F4, and a start-up that fails.

#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// The program's run over the fixture's window, from start-up to the end of its message loop, the
// messages queued before it taken in it; a run they do not end is ended after five seconds.
class ProgramRunTest : public EditorTest {
  protected:
    int Run(RegistryStore& store) {
        timedOut_ = false;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 5000, OnTimeOut);
        const int code = win32::RunEditor(toolkit_, store, codec_, SW_SHOWNOACTIVATE);
        ::KillTimer(nullptr, timer);
        return code;
    }
    static void CALLBACK OnTimeOut(HWND, UINT, UINT_PTR, DWORD) {
        timedOut_ = true;
        ::PostQuitMessage(0);
    }
    static inline bool timedOut_ = false;
};

// The control the message is posted to (none: the window), the message and its parameters.
using Closing = std::tuple<const char*, UINT, WPARAM, LPARAM>;
class ClosingTest : public ProgramRunTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingTest, ClosingTheWindowWritesNothingAndEndsTheProgram) {
    const auto& [to, message, wParam, lParam] = GetParam();
    const auto seeded = std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey));
    ::PostMessageW(Hwnd("Command1"), BM_CLICK, 0, 0);  // an edit: the default scheme
    ::PostMessageW(to != nullptr ? Hwnd(to) : toolkit_.Handle(), message, wParam, lParam);
    const int exitCode = Run(store_);
    EXPECT_EQ(std::tuple(exitCode, timedOut_, ::IsWindowVisible(toolkit_.Handle()), ApplyFlag()),
              std::tuple(0, false, FALSE, true));
    EXPECT_EQ(std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey)), seeded);
}

INSTANTIATE_TEST_SUITE_P(FrameMenuOrKeys, ClosingTest,
                         ::testing::Values(Closing{nullptr, WM_CLOSE, 0, 0},
                                           Closing{nullptr, WM_SYSCOMMAND, SC_CLOSE, 0},
                                           // Alt+F4, the focus on a preview
                                           Closing{"ActivePic", WM_SYSKEYDOWN, VK_F4, 1 << 29}));

// A store whose every read fails with an error of the program's own.
class BrokenStore final : public win32::RegistryStore {
  public:
    std::int32_t QueryValue(KeyHandle, std::string_view, std::uint32_t&, std::uint8_t*,
                            std::uint32_t&) override {
        throw AppError(1234, "The store is broken");
    }
};

TEST_F(ProgramRunTest, AStartUpErrorIsShownAndTheWindowNeverAppears) {
    BrokenStore broken;
    const int exitCode = Run(broken);
    EXPECT_EQ(std::pair(exitCode, ::IsWindowVisible(toolkit_.Handle())),
              std::pair(win32::kExitAfterError, FALSE));
    ASSERT_EQ(dialogs_.Answered().size(), 1u);
    EXPECT_EQ(dialogs_.Answered()[0].text, L"Error 1234: The store is broken");
}

}  // namespace
}  // namespace quill::testing
