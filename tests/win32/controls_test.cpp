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

}  // namespace
}  // namespace quill::testing
