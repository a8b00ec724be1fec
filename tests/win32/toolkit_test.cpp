// The toolkit against Wine where the editor's tests do not reach: layout, errors, fonts, desktop.

#include "win32/toolkit.h"

#include <algorithm>
#include <cstring>

#include "tests/editor/editor_fixture.h"
#include "win32/dpi.h"
#include "win32/text.h"
#include "win32/windows_error.h"

namespace quill::win32 {
namespace {

// The window without the editor: the toolkit's events are noted.
class ToolkitTest : public testing::WindowTest, EventSink {
  protected:
    ToolkitTest() {
        toolkit_.SetEventSink(this);
        toolkit_.Show(SW_SHOWNOACTIVATE);
    }
    // Notes "control:event number"; `reaction_` runs inside the handler.
    void OnEvent(std::string_view control, ControlEvent event) override {
        log_.push_back(std::string(control) + ":" + std::to_string(static_cast<int>(event)));
        reaction_(control);
    }

    std::vector<std::string> log_;
    std::function<void(std::string_view)> reaction_ = [](std::string_view) {};
};

TEST_F(ToolkitTest, TheWindowAndItsControlsHaveTheirDesignPlacesAtAnyDpi) {
    ASSERT_EQ(SystemDpi(), 96);
    RECT client{};
    ::GetClientRect(toolkit_.Handle(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(289L, 382L));
    EXPECT_EQ(toolkit_.Caption(), u"Registry editor for Quillmar");
    EXPECT_FALSE(::GetWindowLongW(toolkit_.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    auto type = [&](const char* button) { return ::GetWindowLongW(Hwnd(button), GWL_STYLE) & 15; };
    EXPECT_EQ(std::pair(type("btnApply"), type("Command2")), std::pair(BS_DEFPUSHBUTTON, 0L));
    // Where no control is, the form shows the button face.
    EXPECT_EQ(testing::Capture(toolkit_.Handle()).At(2, 2), ::GetSysColor(COLOR_BTNFACE));
    RECT suggested{10, 20, 610, 820};
    RECT dropped{};  // the list 3000 twips high
    ::SendMessageW(Hwnd("menuCmb"), CB_GETDROPPEDCONTROLRECT, 0,
                   reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    for (const int dpi : {96, 144}) {
        // On a monitor of another DPI every control moves to its place there.
        ::SendMessageW(toolkit_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        for (const ControlDesign& design : kFormControls) {
            RECT shown{}, expected = PixelRectOf(design, dpi);
            ::GetWindowRect(Hwnd(design.name), &shown);
            ::MapWindowPoints(nullptr, toolkit_.Handle(), reinterpret_cast<POINT*>(&shown), 2);
            EXPECT_EQ(std::memcmp(&shown, &expected, sizeof shown), 0)
                << design.name << " at " << dpi;
        }
    }
    RECT window{};  // in the place suggested
    ::GetWindowRect(toolkit_.Handle(), &window);
    EXPECT_EQ(std::memcmp(&window, &suggested, sizeof window), 0);
    // clang-format off
    const std::tuple<const char*, int, RECT> rects[] = {
        {"ActivePic", 96, {27, 64, 262, 81}}, {"ActivePic", 144, {40, 96, 392, 122}},
        {"Line3", 96, {0, 166, 288, 167}},    {"Line3", 192, {0, 331, 576, 333}}};
    // clang-format on
    for (const auto& [name, dpi, expected] : rects) {
        const RECT rect = PixelRectOf(DesignOf(name), dpi);
        EXPECT_EQ(std::memcmp(&rect, &expected, sizeof rect), 0) << name << " at " << dpi;
    }
}

TEST_F(ToolkitTest, OverlappingLabelsStackAndTabFollowsTheFocusOrder) {
    const std::vector<HWND> labels{Hwnd("Label7"), Hwnd("MenuHilight"), Hwnd("MenuBar"),
                                   Hwnd("Label6"), Hwnd("Menu")};
    std::vector<HWND> stacked;  // the labels among the siblings, front to back
    for (HWND child = ::GetWindow(toolkit_.Handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (std::ranges::find(labels, child) != labels.end()) {
            stacked.push_back(child);
        }
    }
    EXPECT_EQ(stacked, labels);
    toolkit_.ButtonNamed("btnApply").SetEnabled(true);
    const char* focus[] = {"btnApply", "ActivePic", "InactivePic", "Command1",
                           "Command2", "fontCmb",   "ckBold",      "ckPoint9",
                           "ckPoint8", "ckPoint10", "menuCmb",     "btnApply"};
    for (std::size_t i = 1; i < std::size(focus); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(toolkit_.Handle(), Hwnd(focus[i - 1]), FALSE), Hwnd(focus[i]))
            << focus[i];
    }
    // Focus comes back to where the window was left; to the window if that is disabled now.
    ::SetFocus(Hwnd("btnApply"));
    for (const bool enabled : {true, false}) {
        ::SendMessageW(toolkit_.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
        toolkit_.ButtonNamed("btnApply").SetEnabled(enabled);
        ::SendMessageW(toolkit_.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(::GetFocus(), enabled ? Hwnd("btnApply") : toolkit_.Handle());
    }
}

TEST_F(ToolkitTest, AnErrorLeavingAHandlerIsShownOnceAndEndsTheProgram) {
    reaction_ = [this](std::string_view control) {
        if (control == "MenuColor") {
            toolkit_.CheckBoxNamed("ckBold").SetValue(kChecked);  // a nested event that fails
            log_.emplace_back("after the nested event");
        }
        throw AppError(1001, "Unsupported value type");
    };
    Click("MenuColor");
    Click("MenuColor");  // no handler runs any more
    EXPECT_EQ(log_, (std::vector<std::string>{"MenuColor:0", "ckBold:1"}));
    EXPECT_EQ(toolkit_.RunMessageLoop(), kExitAfterError);
    ASSERT_EQ(dialogs_.Answered().size(), 1u);
    EXPECT_EQ(dialogs_.Answered()[0].text, L"Error 1001: Unsupported value type");
    EXPECT_FALSE(::IsWindowVisible(toolkit_.Handle()));
}

TEST_F(ToolkitTest, AFaceSetOnALabelShowsAsItselfWhateverItsDesignCharacterSet) {
    auto realised = [&](const char* control) {  // the face GDI really uses
        const WindowDc screen(nullptr);
        const ScopedSelect font(
            screen.get(), reinterpret_cast<HFONT>(::SendMessageW(Hwnd(control), WM_GETFONT, 0, 0)));
        wchar_t face[LF_FACESIZE] = {};
        ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
        return std::wstring(face);
    };
    // The highlighted menu label was designed with the Japanese character set.
    for (const char16_t* face : {u"MS Shell Dlg", u"Tahoma", u"Liberation Sans"}) {
        toolkit_.LabelNamed("MenuHilight").SetFontName(face);
        toolkit_.LabelNamed("Label6").SetFontName(face);
        EXPECT_EQ(realised("MenuHilight"), realised("Label6"));
        EXPECT_EQ(toolkit_.LabelNamed("MenuHilight").FontName(), face);
    }
    toolkit_.LabelNamed("MenuHilight").SetFontName(u"ＭＳ Ｐゴシック");
    // Its design face again: with the design character set, as the list's.
    EXPECT_EQ(realised("MenuHilight"), realised("fontCmb"));
}

TEST(FontHeight, IsTheNegativeCharacterHeightInPixels) {
    EXPECT_EQ(std::pair(FontHeight(8.25f, 96), FontHeight(9, 144)), std::pair(-11, -18));
}

TEST(IsFaceInstalled, FindsAListedFaceButNoEmptyOrOverlongName) {
    EXPECT_EQ(std::tuple(IsFaceInstalled(ListScreenFonts().at(0)), IsFaceInstalled(u""),
                         IsFaceInstalled(std::u16string(LF_FACESIZE, u'T'))),
              std::tuple(true, false, false));
}

TEST(WindowsError, NamesTheCallThatFailedAndGivesTheSystemsText) {
    EXPECT_EQ(WindowsError(ERROR_FILE_NOT_FOUND, "Open").Description(), "Open: File not found.");
}

TEST_F(ToolkitTest, ACentredCaptionIsDrawnInTheMiddle) {
    const testing::Image shown = testing::Capture(Hwnd("Label6"));  // "Menu"
    int first = shown.width;  // the caption's leftmost column, inside the border
    for (int i = 0; i < shown.width * shown.height; ++i) {
        const int x = i % shown.width, y = i / shown.width;
        if (x > 1 && y > 1 && y < shown.height - 2 && shown.At(x, y) != shown.At(2, 2)) {
            first = std::min(first, x);
        }
    }
    EXPECT_GT(first, shown.width / 4);
}

TEST_F(ToolkitTest, AQuitMessageEndsTheMessageLoop) {
    ::PostQuitMessage(0);  // the session ends: so does the message loop
    EXPECT_EQ(toolkit_.RunMessageLoop(), 0);
}

TEST(WindowsDesktop, ListsEachHorizontalFaceOnceInOrder) {
    WindowsDesktop desktop;
    ASSERT_GT(desktop.FontCount(), 10);
    for (int i = 1; i < desktop.FontCount(); ++i) {  // in order, each once, none vertical
        const std::u16string before = desktop.FontName(i - 1), face = desktop.FontName(i);
        EXPECT_EQ(::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, ToWide(before).c_str(), -1,
                                   ToWide(face).c_str(), -1),
                  CSTR_LESS_THAN);
        EXPECT_FALSE(before.empty() || before[0] == u'@') << i;
    }
}

}  // namespace
}  // namespace quill::win32
