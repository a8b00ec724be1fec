// The Windows controls under the editor: what Windows or a user can send them beyond the editor's
// own tests, the faces they ask GDI for, their fonts at another DPI, the colour dialog's memory.

#include "tests/editor/editor_fixture.h"
#include "win32/font_factory.h"

namespace quill::testing {
namespace {

TEST_F(EditorTest, AClickSentToTheDisabledApplyRunsNothing) {
    Start();
    ::SendMessageW(toolkit_.Handle(), WM_COMMAND, MAKEWPARAM(ControlIdOf("btnApply"), BN_CLICKED),
                   reinterpret_cast<LPARAM>(Hwnd("btnApply")));
    EXPECT_EQ(toolkit_.Caption(), u"Registry editor for Quillmar");
}

TEST_F(EditorTest, APointBoxPressedWithAnyButtonHearsItsReleaseWhereverItIs) {
    Start();
    const HWND box = Hwnd("ckPoint10");
    for (const UINT down : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        SetBoxes({1, 0, 0});
        ::SendMessageW(box, down, 0, MAKELPARAM(3, 3));
        // Released outside the box: Windows sends it where the mouse is, unless it is captured.
        const HWND captured = ::GetCapture();
        ::SendMessageW(captured != nullptr ? captured : toolkit_.Handle(), down + 1, 0,
                       MAKELPARAM(-50, 3));
        EXPECT_EQ(std::pair(Sizes(), ::GetCapture()), std::pair(std::vector{1, 0, 1}, HWND{}))
            << down;
        SetBoxes({1, 0, 0});
        ::SendMessageW(box, down + 1, 0, MAKELPARAM(3, 3));  // a release with no press runs nothing
        EXPECT_EQ(Sizes(), (std::vector{1, 0, 0})) << down;
    }
}

}  // namespace
}  // namespace quill::testing
