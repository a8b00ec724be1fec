// A control's procedure wrapped in place, on a real system button under Wine.

#include <gtest/gtest.h>

#include <vector>

#include "win32/controls/wrapped_procedure.h"
#include "win32/services/handles.h"

namespace quill::win32 {
namespace {

// What the handler throws is reported once, the control's own procedure answering instead; the
// window gets its own procedure back when the wrap goes.
TEST(WrappedProcedure, AnErrorInTheHandlerStopsAtTheBoundaryAndTheControlAnswers) {
    const UniqueHwnd button(::CreateWindowExW(0, L"BUTTON", L"ab", WS_POPUP, 0, 0, 20, 20, nullptr,
                                              nullptr, nullptr, nullptr));
    ASSERT_TRUE(button);
    const LONG_PTR own = ::GetWindowLongPtrW(button.get(), GWLP_WNDPROC);
    std::vector<std::int32_t> reported;
    ErrorBoundary errors([&](const AppError& error) { reported.push_back(error.Number()); });
    {
        WrappedProcedure wrap;
        ASSERT_TRUE(
            wrap.Wrap(button.get(), errors, [&](UINT message, WPARAM wParam, LPARAM lParam) {
                if (message == WM_GETTEXTLENGTH) {
                    throw AppError(7, "refused");
                }
                return message == WM_USER ? LRESULT{42} : wrap.CallOwn(message, wParam, lParam);
            }));
        EXPECT_NE(::GetWindowLongPtrW(button.get(), GWLP_WNDPROC), own);
        EXPECT_EQ(::SendMessageW(button.get(), WM_USER, 0, 0), 42);
        for (int ask = 0; ask < 2; ++ask) {
            EXPECT_EQ(::SendMessageW(button.get(), WM_GETTEXTLENGTH, 0, 0), 2) << ask;
        }
        EXPECT_EQ(reported, std::vector<std::int32_t>{7});
    }
    EXPECT_EQ(::GetWindowLongPtrW(button.get(), GWLP_WNDPROC), own);
    EXPECT_EQ(::SendMessageW(button.get(), WM_USER, 0, 0), 0);
}

}  // namespace
}  // namespace quill::win32
