// The control toolkit under Wine where the editor's tests do not reach: layout, fonts, drawing,
// life.

#include <algorithm>
#include <cstring>

#include "tests/editor/editor_fixture.h"
#include "win32/controls/retained_image.h"
#include "win32/resources/program_icon.h"
#include "win32/services/dpi.h"
#include "win32/services/handles.h"
#include "win32/services/string_resources.h"
#include "win32/window/form_window.h"

namespace quill::win32 {
namespace {

// The window without the editor: each event is noted and fails, MenuColor's after a nested one.
class ToolkitTest : public testing::WindowTest, EventSink {
  protected:
    ToolkitTest() {
        toolkit_.SetEventSink(this);
        toolkit_.Show(SW_SHOWNOACTIVATE);
    }
    void OnEvent(std::string_view control, ControlEvent event) override {
        log_.push_back(std::string(control) + ":" + std::to_string(static_cast<int>(event)));
        if (control == "MenuColor") {
            toolkit_.CheckBoxNamed("ckBold").SetValue(kChecked);
            log_.emplace_back("after the nested event");
        }
        throw AppError(1001, "Unsupported value type");
    }

    std::vector<std::string> log_;
};

TEST_F(ToolkitTest, TheWindowAndItsControlsHaveTheirDesignPlacesAtAnyDpi) {
    ASSERT_EQ(SystemDpi(), 96);
    // The client area's size; where no control is, the form shows the button face.
    const testing::Image form = testing::Capture(toolkit_.Handle());
    EXPECT_EQ(std::tuple(form.width, form.height, form.At(2, 2)),
              std::tuple(289, 382, static_cast<Color>(::GetSysColor(COLOR_BTNFACE))));
    // The class's icons: the program's own, in the system's large and small sizes.
    for (const auto& [index, metric] :
         {std::pair(GCLP_HICON, SM_CXICON), {GCLP_HICONSM, SM_CXSMICON}}) {
        const auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(toolkit_.Handle(), index));
        ICONINFOEXW info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetIconInfoExW(icon, &info)) << index;
        const UniqueHbitmap color(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        ::GetObjectW(color.get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(std::pair(info.wResID, bitmap.bmWidth),
                  std::pair(WORD{QUILL_PROGRAM_ICON}, LONG{::GetSystemMetrics(metric)}));
    }
    EXPECT_FALSE(::GetWindowLongW(toolkit_.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    auto type = [&](const char* button) { return ::GetWindowLongW(Hwnd(button), GWL_STYLE) & 15; };
    EXPECT_EQ(std::pair(type("btnApply"), type("Command2")), std::pair(BS_DEFPUSHBUTTON, 0L));
    RECT suggested{10, 20, 610, 820};
    RECT dropped{};  // the list 3000 twips high
    ::SendMessageW(Hwnd("menuCmb"), CB_GETDROPPEDCONTROLRECT, 0,
                   reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    for (const int dpi : {96, 144}) {
        // On a monitor of another DPI every control moves to its place there, its font made again.
        ::SendMessageW(toolkit_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        for (const ControlDesign& design : kFormControls) {
            const RECT shown = Place(design.name), expected = PixelRectOf(design, dpi);
            EXPECT_EQ(std::memcmp(&shown, &expected, sizeof shown), 0)
                << design.name << " at " << dpi;
            // A picture box has no font for Windows to draw with: it draws its image itself.
            if (design.kind != ControlKind::PictureBox) {
                EXPECT_EQ(FontOf(design.name).lfHeight,
                          FontHeight(SpecOf(design.font, kFormDesign.font).points, dpi))
                    << design.name << " at " << dpi;
            }
        }
    }
    // A font's height is the negative character height in pixels.
    EXPECT_EQ(std::pair(FontHeight(8.25f, 96), FontHeight(9, 144)), std::pair(-11, -18));
    RECT window{};  // in the place suggested
    ::GetWindowRect(toolkit_.Handle(), &window);
    EXPECT_EQ(std::memcmp(&window, &suggested, sizeof window), 0);
    const std::tuple<const char*, int, RECT> rects[] = {
        {"ckBold", 96, {8, 40, 57, 53}},      {"MenuHilight", 96, {168, 208, 217, 225}},
        {"ActivePic", 96, {27, 64, 262, 81}}, {"ActivePic", 144, {40, 96, 392, 122}},
        {"Line3", 96, {0, 166, 288, 167}},    {"Line3", 192, {0, 331, 576, 333}}};
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
    Click("MenuColor");
    Click("MenuColor");  // no handler runs any more
    EXPECT_EQ(log_, (std::vector<std::string>{"MenuColor:0", "ckBold:1"}));
    EXPECT_EQ(toolkit_.RunMessageLoop(), kExitAfterError);
    ASSERT_EQ(dialogs_.Answered().size(), 1u);
    EXPECT_EQ(dialogs_.Answered()[0].text, L"Error 1001: Unsupported value type");
    EXPECT_FALSE(::IsWindowVisible(toolkit_.Handle()));
}

TEST_F(ToolkitTest, ALabelShowsTheFaceSetOrItsStandInAndReportsTheFaceSet) {
    // A listed face is installed; no empty or overlong name is.
    EXPECT_EQ(std::tuple(IsFaceInstalled(ListScreenFonts().at(0)), IsFaceInstalled(u""),
                         IsFaceInstalled(std::u16string(LF_FACESIZE, u'T'))),
              std::tuple(true, false, false));
    auto realised = [&](const char* control) {  // the face GDI really uses
        const WindowDc screen(nullptr);
        const ScopedSelect font(screen.get(), Font(control));
        wchar_t face[LF_FACESIZE] = {};
        ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
        return std::wstring(face);
    };
    // Another face shows as itself on the highlighted menu label, designed with a Japanese charset.
    for (const char16_t* face : {u"MS Shell Dlg", u"Tahoma", u"Liberation Sans"}) {
        toolkit_.LabelNamed("MenuHilight").SetFontName(face);
        toolkit_.LabelNamed("Label6").SetFontName(face);
        EXPECT_EQ(realised("MenuHilight"), realised("Label6"));
        EXPECT_EQ(toolkit_.LabelNamed("MenuHilight").FontName(), face);
    }
    // A missing design face is asked for as its stand-in, if any, and reported as itself.
    // clang-format off
    const std::tuple<const char*, std::u16string, const wchar_t*> labels[] = {
        {"Label6", u"Arial Narrow", L"Liberation Sans Narrow"}, {"lbl(0)", u"Arial", L"Liberation Sans"},
        {"MenuHilight", u"ＭＳ Ｐゴシック", L"IPAPGothic"},      {"Menu", u"Not A Face", L"Not A Face"}};
    // clang-format on
    for (const auto& [label, face, asked] : labels) {
        if (IsFaceInstalled(face)) {
            continue;  // installed here: asked for as itself
        }
        toolkit_.LabelNamed(label).SetFontName(face);
        EXPECT_EQ(std::pair(std::wstring(FontOf(label).lfFaceName),
                            toolkit_.LabelNamed(label).FontName()),
                  std::pair(std::wstring(asked), face))
            << label;
    }
    // The highlighted menu label's design face again: with the design character set, as the list's.
    toolkit_.LabelNamed("MenuHilight").SetFontName(u"ＭＳ Ｐゴシック");
    EXPECT_EQ(realised("MenuHilight"), realised("fontCmb"));
}

TEST_F(ToolkitTest, ACentredCaptionIsDrawnInTheMiddle) {
    const testing::Image shown = testing::Capture(Hwnd("Label6"));  // "Menu"
    int ink[4] = {};  // by quarter of the width, inside the border
    for (int i = 0; i < shown.width * shown.height; ++i) {
        const int x = i % shown.width, y = i / shown.width;
        ink[x * 4 / shown.width] += x > 1 && x < shown.width - 2 && y > 1 && y < shown.height - 2 &&
                                    shown.At(x, y) != shown.At(2, 2);
    }
    EXPECT_EQ(std::tuple(ink[0], ink[1] > 10, ink[2] > 10, ink[3]), std::tuple(0, true, true, 0));
}

// Drawing is rendered when it is to be seen: what it draws over in part shows around it, what it
// draws over whole never shows, and text keeps its place among the fills and the font of its
// moment.
TEST_F(ToolkitTest, APictureShowsItsLatestDrawing) {
    PictureBox& pic = toolkit_.PictureNamed("ActivePic");
    pic.SetScaleModePixels();
    const int width = static_cast<int>(pic.ScaleWidth());
    auto fill = [&](Color color, int columns) {  // columns [0, columns), all rows
        pic.SetDrawWidth(2 * columns);
        pic.Line(0, 0, 0, 0, color);
    };
    auto text = [&] {
        TextRect rect{0, 0, width, width};
        pic.DrawTextW(toolkit_.Text(TextId::ActivePreviewCaption), rect, 0);
    };
    const Color red = Rgb(255, 0, 0), green = Rgb(0, 255, 0), blue = Rgb(0, 0, 255);
    auto shown = [&] { return testing::Capture(Hwnd("ActivePic")).pixels; };
    fill(red, width);
    fill(green, width / 2);
    fill(green, width / 2);
    const std::vector<Color> halves = shown();
    EXPECT_EQ(std::pair(halves.front(), halves.at(static_cast<std::size_t>(width) - 1)),
              std::pair(green, red));
    fill(blue, width);
    text();
    fill(red, width);
    EXPECT_EQ(std::ranges::count(shown(), red), std::ssize(halves));
    fill(blue, width);
    text();
    pic.SetFontSize(30);
    const std::vector<Color> drawnSmall = shown();
    fill(blue, width);
    text();
    EXPECT_NE(drawnSmall, shown());
}

// A fill is cut to the image: nothing spills into the next row, and what covers the image whole
// still hides what came before it.
TEST(RetainedImage, FillsOnlyWhatLiesInsideIt) {
    const COLORREF black = RGB(0, 0, 0), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    RetainedImage image(4, 4, black);
    image.Fill({2, -1, 6, 1}, red);
    image.Fill({-3, 3, 1, 9}, blue);
    HDC dc = image.Rendered();
    EXPECT_EQ(std::tuple(::GetPixel(dc, 3, 0), ::GetPixel(dc, 0, 1), ::GetPixel(dc, 0, 3),
                         ::GetPixel(dc, 1, 3)),
              std::tuple(red, black, blue, black));
    image.Fill({-9, -9, 2, 9}, red);
    image.Fill({2, -9, 9, 9}, blue);
    dc = image.Rendered();
    EXPECT_EQ(std::pair(::GetPixel(dc, 0, 0), ::GetPixel(dc, 3, 3)), std::pair(red, blue));
}

// A control changed while shown paints the change; one changed while hidden shows it when shown.
TEST_F(ToolkitTest, ControlsShowWhatChangedInThemShownOrNot) {
    PictureBox& pic = toolkit_.PictureNamed("ActivePic");
    auto shown = [&](const char* control) {  // what the pending paints leave on the screen
        ::RedrawWindow(toolkit_.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const WindowDc screen(Hwnd(control));
        return static_cast<Color>(::GetPixel(screen.get(), 3, 3));
    };
    for (const Color colour : {Rgb(255, 0, 0), Rgb(0, 0, 255)}) {
        const bool hidden = colour != Rgb(255, 0, 0);
        if (hidden) {
            ::ShowWindow(toolkit_.Handle(), SW_HIDE);
        }
        toolkit_.LabelNamed("MenuColor").SetBackColor(colour);
        pic.SetDrawWidth(1000);
        pic.Line(0, 0, 0, 0, colour);
        toolkit_.Show(SW_SHOWNOACTIVATE);
        EXPECT_EQ(std::pair(shown("MenuColor"), shown("ActivePic")), std::pair(colour, colour))
            << hidden;
    }
}

TEST_F(ToolkitTest, AQuitMessageEndsTheMessageLoop) {
    ::PostQuitMessage(0);  // the session ends: so does the message loop
    EXPECT_EQ(toolkit_.RunMessageLoop(), 0);
}

// Every control's click, sent while any control is made or destroyed, the sink listening: none not
// made yet or no longer whole hears it, nor another's (a crash in a hook is swallowed: returned
// sends count). A refused control fails the window, undone as the destructor does: last row first.
struct ControlsComingAndGoing final : EventSink {
    void OnEvent(std::string_view control, ControlEvent) override {
        heard.push_back(ControlIdOf(control) == sending);
    }
    int refuseAt = -1, sending = 0;  // the creation refused, the control whose click is sent
    std::vector<int> made, destroyed;
    std::vector<bool> heard;  // for each event, whether the clicked control raised it
    std::size_t returnedSends = 0;
} life;

LRESULT CALLBACK SendCommandsWhileControlsComeAndGo(int code, WPARAM wParam, LPARAM lParam) {
    const auto* create =
        code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs : nullptr;
    const auto window = reinterpret_cast<HWND>(wParam);
    const HWND parent = create                    ? create->hwndParent
                        : code == HCBT_DESTROYWND ? ::GetParent(window)
                                                  : nullptr;
    wchar_t kind[16] = {};
    if (parent != nullptr && ::GetClassNameW(parent, kind, 16) &&
        std::wstring(kind) == L"QuillmarForm") {
        if (create != nullptr) {
            reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(parent, GWLP_USERDATA))
                ->SetEventSink(&life);
        }
        for (const ControlDesign& design : kFormControls) {
            life.sending = ControlIdOf(design.name);
            ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(life.sending, BN_CLICKED), 0);
            ++life.returnedSends;
        }
        if (create != nullptr && std::ssize(life.made) == life.refuseAt) {
            return 1;
        }
        (create ? life.made : life.destroyed)
            .push_back(create ? static_cast<int>(reinterpret_cast<INT_PTR>(create->hMenu))
                              : ::GetDlgCtrlID(window));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ToolkitLife, NotificationsWhileControlsComeAndGoReachOnlyTheirOwn) {
    for (const int refuseAt : {-1, 5}) {
        life = ControlsComingAndGoing();
        life.refuseAt = refuseAt;
        const HHOOK hook = ::SetWindowsHookExW(WH_CBT, SendCommandsWhileControlsComeAndGo, nullptr,
                                               ::GetCurrentThreadId());
        if (refuseAt < 0) {
            const FormWindow toolkit;
        } else {
            EXPECT_THROW(const FormWindow toolkit, AppError);
        }
        ::UnhookWindowsHookEx(hook);
        std::vector<int> lastFirst = life.made;
        std::ranges::sort(lastFirst, std::greater{});
        const std::size_t events = life.made.size() + (refuseAt >= 0) + life.destroyed.size();
        EXPECT_EQ(std::tuple(life.destroyed, life.returnedSends, life.heard.empty(),
                             std::ranges::count(life.heard, false)),
                  std::tuple(lastFirst, events * kFormControls.size(), false, 0))
            << refuseAt;
    }
}

}  // namespace
}  // namespace quill::win32
