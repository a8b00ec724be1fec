// The real program under repetition: a thousand preview repaints and a
// hundred Applies leave it holding no more GDI objects, USER objects or
// kernel handles than before them.

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/e2e_test_support.h"
#include "tests/e2e/editor_session.h"
#include "tests/e2e/process_census.h"

namespace quill::e2e {
namespace {

constexpr int kRepaints = 1000;  // each face choice repaints both previews
constexpr int kApplies = 100;
constexpr long kCacheNoise = 4;

// A choice from the caption face list, as the list reports it: synchronous,
// so the program has repainted both previews when this returns.
void ChooseFace(HWND main, HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

TEST(LeakRun, RepaintsAndAppliesHoldNoMoreObjectsOrHandles) {
    SeedScheme(kDefaultSwatchColors, FontRecordBytes(-11, 700, L"Tahoma"),
               FontRecordBytes(-11, 400, L"Tahoma"));
    EditorSession editor;
    HWND combo = editor.Control("fontCmb");
    HWND apply = editor.Control("btnApply");
    ASSERT_GE(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);

    // One round of everything first, so that caches and lazily made objects
    // (fonts, the registry's key cache) are in place before counting.
    ChooseFace(editor.Main(), combo, 0);
    ChooseFace(editor.Main(), combo, 1);
    SendMessageW(apply, BM_CLICK, 0, 0);
    ASSERT_EQ(editor.Caption(), L"Yes!");

    const Census before = TakeCensus(editor.Program().Handle(), editor.Program().Id());
    for (int i = 0; i < kRepaints / 2; ++i) {
        ChooseFace(editor.Main(), combo, i % 2);
    }
    for (int i = 0; i < kApplies; ++i) {
        SendMessageW(apply, BM_CLICK, 0, 0);
    }
    const Census after = TakeCensus(editor.Program().Handle(), editor.Program().Id());
    std::printf("leak run: %d repaints, %d Applies; start: %s; end: %s\n", kRepaints, kApplies,
                before.ToString().c_str(), after.ToString().c_str());

    EXPECT_GT(before.gdiObjects, 0) << "no GDI count: the census cannot see the process";
    EXPECT_GT(before.userObjects, 30) << "the window and its controls";
    EXPECT_GT(before.kernelHandles, 0);
    // Nothing may grow. Wine's own caches make or free the odd GDI object
    // (a DC, a region) as they please; a leak in a repaint or an Apply would
    // add a hundred or more.
    EXPECT_LE(after.gdiObjects, before.gdiObjects + kCacheNoise);
    EXPECT_LE(after.userObjects, before.userObjects);
    EXPECT_LE(after.kernelHandles, before.kernelHandles);
    EXPECT_EQ(editor.Caption(), L"Yes!");
    EXPECT_EQ(editor.Close(), 0u);
}

}  // namespace
}  // namespace quill::e2e
