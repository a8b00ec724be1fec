// The Windows controls under the editor: what Windows or a user can send them beyond the editor's
// own tests, the faces they ask GDI for, their fonts at another DPI, the colour dialog's memory.

#include "tests/editor/editor_fixture.h"
#include "win32/font_factory.h"

namespace quill::testing {
namespace {

using win32::ControlDesign, win32::ControlKind, win32::kFormControls;

LOGFONTW FontOf(HWND control) {  // what the control's font asked GDI for
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    return font;
}

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

TEST_F(EditorTest, AMissingDesignFaceIsAskedForAsItsStandInAndReportedAsItself) {
    // clang-format off
    const std::tuple<const char*, std::u16string, const wchar_t*> labels[] = {
        {"Label6", u"Arial Narrow", L"Liberation Sans Narrow"}, {"lbl(0)", u"Arial", L"Liberation Sans"},
        {"MenuHilight", u"ＭＳ Ｐゴシック", L"IPAPGothic"},      {"Menu", u"Not A Face", L"Not A Face"}};
    // clang-format on
    for (const auto& [label, face, asked] : labels) {
        ASSERT_FALSE(win32::IsFaceInstalled(face)) << label << ": installed here";
        L(label).SetFontName(face);
        EXPECT_EQ(std::pair(std::wstring(FontOf(Hwnd(label)).lfFaceName), L(label).FontName()),
                  std::pair(std::wstring(asked), face))
            << label;
    }
}

TEST_F(EditorTest, ControlsMakeTheirFontsAgainAtANewDpi) {
    std::vector<LONG> before;
    for (const ControlDesign& design : kFormControls) {
        before.push_back(FontOf(Hwnd(design.name)).lfHeight);
    }
    RECT suggested{10, 20, 610, 820};
    ::SendMessageW(toolkit_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    for (std::size_t i = 0; i < kFormControls.size(); ++i) {
        // A picture box has no font for Windows to draw with: it draws its image itself.
        if (kFormControls[i].kind != ControlKind::PictureBox) {
            EXPECT_NEAR(FontOf(Hwnd(kFormControls[i].name)).lfHeight, 1.5 * before[i], 0.5)
                << kFormControls[i].name;
        }
    }
}

TEST_F(EditorTest, AColourConfirmedIsAmongTheCustomColoursOfTheNextOpening) {
    Start();
    dialogs_.Confirm(Rgb(1, 2, 3));
    dialogs_.ConfirmFirstCustom();
    Click("MenuColor");
    Click("ActiveTitle");
    EXPECT_EQ(Back("ActiveTitle"), Rgb(1, 2, 3));
}

// Every control's click and list choice, sent to the window while any of its controls is made or
// destroyed: one that is not made yet, or no longer whole, must not hear it. Windows swallows a
// crash in the hook, so the sends that came back are counted.
std::size_t returnedSends = 0;
LRESULT CALLBACK SendCommandsWhileControlsComeAndGo(int code, WPARAM wParam, LPARAM lParam) {
    const HWND parent = code == HCBT_CREATEWND
                            ? reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->hwndParent
                        : code == HCBT_DESTROYWND ? ::GetParent(reinterpret_cast<HWND>(wParam))
                                                  : nullptr;
    wchar_t kind[16] = {};
    if (parent != nullptr && ::GetClassNameW(parent, kind, 16) &&
        std::wstring(kind) == L"QuillmarForm") {
        for (const ControlDesign& design : kFormControls) {
            for (const int notification : {BN_CLICKED, CBN_SELCHANGE}) {
                ::SendMessageW(parent, WM_COMMAND,
                               MAKEWPARAM(ControlIdOf(design.name), notification), 0);
                ++returnedSends;
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ToolkitLife, NotificationsWhileControlsAreMadeOrDestroyedReachNone) {
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, SendCommandsWhileControlsComeAndGo, nullptr,
                                           ::GetCurrentThreadId());
    { const win32::Toolkit toolkit; }
    ::UnhookWindowsHookEx(hook);
    const std::size_t controls = kFormControls.size();
    EXPECT_EQ(returnedSends, 2 * controls * 2 * controls);  // each made and destroyed
}

}  // namespace
}  // namespace quill::testing
