// The program under repetition: a thousand preview repaints and a hundred
// Applies leave it holding no more GDI objects, windows or kernel handles.

#include <gtest/gtest.h>

#include <cstdio>

#include "testing/font_records.h"
#include "testing/process_census.h"
#include "testing/scheme_expectation.h"
#include "tests/e2e/program.h"

namespace quill::testing {
namespace {

// Wine's own caches make or free the odd GDI object (a DC, a region) as
// they please; a leak in a repaint or an Apply adds a hundred or more.
constexpr long kCacheNoise = 4;

TEST(LeakRun, RepaintsAndAppliesHoldNoMoreThanBefore) {
    SeedKey(kColorsKey, {});
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(MakeRecord(245, 188, u"Tahoma"))},
                          {L"MenuFont", Binary(MakeRecord(245, 144, u"Tahoma"))}});
    Program program;
    HWND combo = program.Control("fontCmb");
    HWND apply = program.Control("btnApply");
    // A face choice, sent: both previews are repainted when it returns.
    auto choose = [&](int index) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageW(program.Main(), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo));
    };
    // One round of everything first, so that caches and lazily made objects
    // are in place before counting.
    choose(0);
    choose(1);
    ::SendMessageW(apply, BM_CLICK, 0, 0);

    const Census before = TakeCensus(program.Handle(), program.Id());
    for (int i = 0; i < 500; ++i) {
        choose(i % 2);
    }
    for (int i = 0; i < 100; ++i) {
        ::SendMessageW(apply, BM_CLICK, 0, 0);
    }
    const Census after = TakeCensus(program.Handle(), program.Id());
    std::printf("leak run: 1000 repaints, 100 Applies; start: %s; end: %s\n",
                before.ToString().c_str(), after.ToString().c_str());
    EXPECT_GT(before.gdiObjects, 0) << "the census cannot see the program";
    EXPECT_GT(before.userObjects, 30) << "the window and its controls";
    EXPECT_GT(before.kernelHandles, 0);
    EXPECT_LE(after.gdiObjects, before.gdiObjects + kCacheNoise);
    EXPECT_LE(after.userObjects, before.userObjects);
    EXPECT_LE(after.kernelHandles, before.kernelHandles);
}

}  // namespace
}  // namespace quill::testing
