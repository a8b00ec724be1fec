// The Windows toolkit against Wine's real windows, controls and GDI: the
// expectations the editor has of any toolkit, and the window's layout.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/layout.h"
#include "preview/pixel_surface.h"
#include "preview/titlebar_preview.h"
#include "store/app_error.h"
#include "tests/e2e/process_census.h"
#include "win32/color_dialog.h"
#include "win32/desktop.h"
#include "win32/dpi.h"
#include "win32/font_factory.h"
#include "win32/label_window.h"
#include "win32/picture_window.h"
#include "win32/toolkit.h"

namespace quill::win32 {
namespace {

// Records "control:Event" lines; `reaction` runs inside the handler.
struct RecordingSink : EventSink {
    std::vector<std::string> log;
    std::function<void(std::string_view, ControlEvent)> reaction;

    void OnEvent(std::string_view control, ControlEvent event) override {
        log.push_back(std::string(control) + ":" + std::string(EventName(event)));
        if (reaction) {
            reaction(control, event);
        }
    }
};

struct ReportedError {
    std::int32_t number;
    std::string description;
};

class ToolkitTest : public ::testing::Test {
  protected:
    ToolkitTest() {
        DeclareDpiAwareness();
        toolkit_ = std::make_unique<Toolkit>();
        toolkit_->SetEventSink(&sink_);
        toolkit_->Errors().SetReporter([this](std::int32_t number, const std::string& text) {
            errors_.push_back({number, text});
        });
    }

    HWND Hwnd(std::string_view name) const { return toolkit_->ControlHandle(name); }

    void Show() {
        toolkit_->Show(SW_SHOWNOACTIVATE);
        Pump();
    }

    static void Pump() {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }

    // A mouse press and release, as the system sends them to the box.
    void Press(std::string_view name, UINT down, UINT up, WPARAM keys) {
        const LPARAM inside = MAKELPARAM(3, 3);
        ::SendMessageW(Hwnd(name), down, keys, inside);
        ::SendMessageW(Hwnd(name), up, 0, inside);
    }

    RecordingSink sink_;
    std::vector<ReportedError> errors_;
    std::unique_ptr<Toolkit> toolkit_;
};

// --- layout -------------------------------------------------------------------

TEST_F(ToolkitTest, ClientAreaIsTheDesignSizeAt96Dpi) {
    if (SystemDpi() != 96) {
        GTEST_SKIP() << "the display is not at 96 DPI";
    }
    RECT client{};
    ::GetClientRect(toolkit_->Handle(), &client);
    EXPECT_EQ(client.right, 289);
    EXPECT_EQ(client.bottom, 382);
    wchar_t caption[64] = {};
    ::GetWindowTextW(toolkit_->Handle(), caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Registry editor for Quillmar");
    const LONG style = ::GetWindowLongW(toolkit_->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the layout is fixed: no resizing";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(ToolkitTest, EveryControlHasItsIdentifierPlaceAndSize) {
    if (SystemDpi() != 96) {
        GTEST_SKIP() << "the display is not at 96 DPI";
    }
    for (const ControlDesign& design : kFormControls) {
        SCOPED_TRACE(std::string(design.name));
        HWND control = ::GetDlgItem(toolkit_->Handle(), ControlIdOf(design.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control, Hwnd(design.name));
        RECT place{};
        ::GetWindowRect(control, &place);
        ::MapWindowPoints(nullptr, toolkit_->Handle(), reinterpret_cast<POINT*>(&place), 2);
        // 15 twips to a pixel, rounded.
        auto px = [](int twips) { return (twips * 2 + 15) / 30; };
        EXPECT_EQ(place.left, px(design.left));
        EXPECT_EQ(place.top, px(design.top));
        if (design.kind == ControlKind::Line) {
            EXPECT_EQ(place.right - place.left, px(design.width));
            EXPECT_EQ(place.bottom - place.top, 1);
        } else {
            EXPECT_EQ(place.right - place.left, px(design.width));
            EXPECT_EQ(place.bottom - place.top, px(design.height));
        }
    }
}

TEST(PixelRect, ScalesTheDesignAtEveryDpi) {
    struct Case {
        const char* control;
        int dpi;
        RECT expected;
    };
    const std::vector<Case> cases{
        {"ActivePic", 96, {27, 64, 262, 81}},     // 400, 960, 3520 x 255 twips
        {"ActivePic", 144, {40, 96, 392, 122}},   // 150 %
        {"ActivePic", 192, {53, 128, 522, 162}},  // 200 %
        {"Line3", 96, {0, 166, 288, 167}},        // a line is one pixel thin
        {"Line4", 96, {0, 167, 288, 168}},        // right below its partner
        {"Line3", 192, {0, 331, 576, 333}},      {"Label1", 144, {12, 516, 422, 566}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " at " + std::to_string(c.dpi));
        const RECT rect = PixelRectOf(DesignOf(c.control), c.dpi);
        EXPECT_EQ(rect.left, c.expected.left);
        EXPECT_EQ(rect.top, c.expected.top);
        EXPECT_EQ(rect.right, c.expected.right);
        EXPECT_EQ(rect.bottom, c.expected.bottom);
    }
}

TEST_F(ToolkitTest, DesignStatesAtCreation) {
    EXPECT_FALSE(toolkit_->ButtonNamed("btnApply").Enabled());
    EXPECT_TRUE(toolkit_->ButtonNamed("Command2").Enabled());
    EXPECT_EQ(toolkit_->LabelNamed("ActiveTitleBar").BackColor(), kSysWindowBackground);
    EXPECT_EQ(toolkit_->LabelNamed("ActiveTitle").BackColor(), kWhite);
    EXPECT_EQ(toolkit_->LabelNamed("MenuBar").Caption(), u"  Menu          Menu");
    EXPECT_EQ(toolkit_->LabelNamed("MenuHilight").FontName(), u"ＭＳ Ｐゴシック");
    EXPECT_EQ(toolkit_->LabelNamed("Label6").FontName(), u"Arial Narrow");
    EXPECT_EQ(toolkit_->PictureNamed("ActivePic").Font(), (FontAttributes{u"Arial", 9, true}));
    EXPECT_EQ(toolkit_->CheckBoxNamed("ckBold").Value(), kUnchecked);
    EXPECT_THROW(toolkit_->LabelNamed("ckBold"), std::invalid_argument);
    EXPECT_THROW(toolkit_->LabelNamed("Line3"), std::invalid_argument);
    EXPECT_THROW(toolkit_->LabelNamed("NoSuchControl"), std::out_of_range);
}

// Position of each window among its siblings, topmost first.
std::vector<HWND> SiblingsTopFirst(HWND parent) {
    std::vector<HWND> order;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(child);
    }
    return order;
}

TEST_F(ToolkitTest, OverlappingMenuLabelsStackFrontToBack) {
    const std::vector<HWND> order = SiblingsTopFirst(toolkit_->Handle());
    auto rank = [&](std::string_view name) {
        return std::find(order.begin(), order.end(), Hwnd(name)) - order.begin();
    };
    EXPECT_LT(rank("Label7"), rank("MenuHilight"));
    EXPECT_LT(rank("MenuHilight"), rank("MenuBar"));
    EXPECT_LT(rank("MenuBar"), rank("Label6"));
    EXPECT_LT(rank("Label6"), rank("Menu"));
}

TEST_F(ToolkitTest, TabFollowsTheFocusOrder) {
    toolkit_->ButtonNamed("btnApply").SetEnabled(true);
    const std::vector<std::string_view> expected{"btnApply", "ActivePic", "InactivePic", "Command1",
                                                 "Command2", "fontCmb",   "ckBold",      "ckPoint9",
                                                 "ckPoint8", "ckPoint10", "menuCmb"};
    HWND at = Hwnd(expected.front());
    for (std::size_t i = 1; i < expected.size(); ++i) {
        at = ::GetNextDlgTabItem(toolkit_->Handle(), at, FALSE);
        EXPECT_EQ(at, Hwnd(expected[i])) << "after " << expected[i - 1];
    }
}

// --- check boxes -------------------------------------------------------------

TEST_F(ToolkitTest, ProgramChangeOfCheckBoxRaisesStateChangeOnceNestedOnlyWhenChanged) {
    CheckBox& bold = toolkit_->CheckBoxNamed("ckBold");
    bool raisedInside = false;
    int seenState = -1;
    bool inSetValue = false;
    sink_.reaction = [&](std::string_view, ControlEvent) {
        raisedInside = inSetValue;
        seenState = bold.Value();
    };
    inSetValue = true;
    bold.SetValue(kChecked);
    inSetValue = false;
    EXPECT_EQ(sink_.log, std::vector<std::string>{"ckBold:StateChange"});
    EXPECT_TRUE(raisedInside);
    EXPECT_EQ(seenState, kChecked);

    sink_.log.clear();
    bold.SetValue(kChecked);
    EXPECT_TRUE(sink_.log.empty());
    bold.SetValue(kUnchecked);
    EXPECT_EQ(sink_.log, std::vector<std::string>{"ckBold:StateChange"});
}

struct MouseCase {
    const char* name;
    const char* box;
    UINT down, up;
    WPARAM keys;
    bool toggles;
    std::vector<std::string> events;
};

TEST_F(ToolkitTest, MousePressAndReleaseOnCheckBoxes) {
    const std::vector<MouseCase> cases{
        {"left on a point box",
         "ckPoint8",
         WM_LBUTTONDOWN,
         WM_LBUTTONUP,
         MK_LBUTTON,
         true,
         {"ckPoint8:MouseDown", "ckPoint8:StateChange", "ckPoint8:MouseUp"}},
        {"left on bold",
         "ckBold",
         WM_LBUTTONDOWN,
         WM_LBUTTONUP,
         MK_LBUTTON,
         true,
         {"ckBold:MouseDown", "ckBold:StateChange", "ckBold:MouseUp"}},
        {"right",
         "ckPoint9",
         WM_RBUTTONDOWN,
         WM_RBUTTONUP,
         MK_RBUTTON,
         false,
         {"ckPoint9:MouseDown", "ckPoint9:MouseUp"}},
        {"middle",
         "ckPoint10",
         WM_MBUTTONDOWN,
         WM_MBUTTONUP,
         MK_MBUTTON,
         false,
         {"ckPoint10:MouseDown", "ckPoint10:MouseUp"}},
    };
    Show();
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(c.name);
        CheckBox& box = toolkit_->CheckBoxNamed(c.box);
        const int before = box.Value();
        int stateAtMouseUp = -1;
        sink_.log.clear();
        sink_.reaction = [&](std::string_view, ControlEvent event) {
            if (event == ControlEvent::MouseUp) {
                stateAtMouseUp = box.Value();
            }
        };
        Press(c.box, c.down, c.up, c.keys);
        const int expected = c.toggles ? 1 - before : before;
        EXPECT_EQ(box.Value(), expected);
        EXPECT_EQ(stateAtMouseUp, expected) << "MouseUp comes after the toggle";
        EXPECT_EQ(sink_.log, c.events);
    }
}

TEST_F(ToolkitTest, KeyboardToggleRaisesNoMouseEvents) {
    Show();
    ::SetFocus(Hwnd("ckPoint8"));
    ::SendMessageW(Hwnd("ckPoint8"), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(Hwnd("ckPoint8"), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(toolkit_->CheckBoxNamed("ckPoint8").Value(), kChecked);
    EXPECT_EQ(sink_.log, std::vector<std::string>{"ckPoint8:StateChange"});
}

// --- combo boxes ---------------------------------------------------------------

TEST_F(ToolkitTest, ComboTextSetRaisesNothingAndAListChoiceShowsTheEntry) {
    ComboBox& faces = toolkit_->ComboBoxNamed("fontCmb");
    faces.AddItem(u"Zeta");
    faces.AddItem(u"Alpha");  // unsorted: stays second
    faces.SetText(u"Typed");
    EXPECT_TRUE(sink_.log.empty());
    EXPECT_EQ(faces.Text(), u"Typed");
    EXPECT_EQ(faces.ListCount(), 2);
    EXPECT_EQ(faces.List(1), u"Alpha");

    std::u16string textInHandler;
    sink_.reaction = [&](std::string_view, ControlEvent) { textInHandler = faces.Text(); };
    ::SendMessageW(Hwnd("fontCmb"), CB_SETCURSEL, 1, 0);
    ::SendMessageW(toolkit_->Handle(), WM_COMMAND,
                   MAKEWPARAM(ControlIdOf("fontCmb"), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Hwnd("fontCmb")));
    EXPECT_EQ(sink_.log, std::vector<std::string>{"fontCmb:ListChoice"});
    EXPECT_EQ(textInHandler, u"Alpha");
}

// --- labels --------------------------------------------------------------------

COLORREF ScreenPixel(HWND hwnd, int x, int y) {
    WindowDc dc(hwnd);
    return ::GetPixel(dc.get(), x, y);
}

TEST_F(ToolkitTest, LabelColoursReadBackAsSetAndPaintResolved) {
    const std::vector<Color> colours{Rgb(10, 36, 106), kSysWindowText, kSysButtonFace, 0};
    Label& swatch = toolkit_->LabelNamed("MenuColor");
    Show();
    for (Color colour : colours) {
        SCOPED_TRACE(colour);
        swatch.SetBackColor(colour);
        swatch.SetForeColor(colour);
        EXPECT_EQ(swatch.BackColor(), colour);
        EXPECT_EQ(swatch.ForeColor(), colour);
        ::UpdateWindow(Hwnd("MenuColor"));
        EXPECT_EQ(ScreenPixel(Hwnd("MenuColor"), 8, 8), ResolveColor(colour));
    }
}

TEST_F(ToolkitTest, LabelFontNameChangeKeepsTheOtherAttributesAndClickIsRaised) {
    Label& label = toolkit_->LabelNamed("MenuBar");
    label.SetFontName(u"Tahoma");
    EXPECT_EQ(label.FontName(), u"Tahoma");
    label.SetCaption(u"A\r\nB");
    EXPECT_EQ(label.Caption(), u"A\r\nB");

    Press("MenuColor", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    ::SendMessageW(Hwnd("MenuColor"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageW(Hwnd("MenuColor"), WM_LBUTTONUP, 0, MAKELPARAM(-20, 3));  // released outside
    EXPECT_EQ(sink_.log, std::vector<std::string>{"MenuColor:Click"});
}

// --- picture boxes -------------------------------------------------------------

PictureWindow& Picture(Toolkit& toolkit, std::string_view name) {
    return dynamic_cast<PictureWindow&>(toolkit.PictureNamed(name));
}

// Every pixel of the window as the screen shows it.
std::vector<COLORREF> ScreenPixels(HWND hwnd, int width, int height) {
    WindowDc dc(hwnd);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(::GetPixel(dc.get(), x, y));
        }
    }
    return pixels;
}

TEST_F(ToolkitTest, GradientPixelsMatchTheReferenceAndSurviveARepaint) {
    const std::vector<std::pair<ColorComponents, ColorComponents>> gradients{
        {{10, 36, 106}, {166, 202, 240}},
        {{200, 0, 255}, {0, 1, 0}},
        {{128, 128, 128}, {128, 128, 128}},
    };
    PictureWindow& picture = Picture(*toolkit_, "ActivePic");
    Show();
    for (const auto& [start, end] : gradients) {
        PixelSurface reference(picture.InnerWidth(), picture.InnerHeight(), 0);
        PaintGradient(reference, start, end);
        PaintGradient(picture, start, end);

        ::InvalidateRect(Hwnd("ActivePic"), nullptr, TRUE);
        ::UpdateWindow(Hwnd("ActivePic"));
        const std::vector<COLORREF> screen =
            ScreenPixels(Hwnd("ActivePic"), picture.InnerWidth(), picture.InnerHeight());
        int imageMismatches = 0, screenMismatches = 0;
        for (int y = 0; y < picture.InnerHeight(); ++y) {
            for (int x = 0; x < picture.InnerWidth(); ++x) {
                const Color expected = reference.Pixel(x, y);
                imageMismatches += picture.ImagePixel(x, y) != expected;
                screenMismatches +=
                    screen[y * picture.InnerWidth() + x] != static_cast<COLORREF>(expected);
            }
        }
        EXPECT_EQ(imageMismatches, 0);
        EXPECT_EQ(screenMismatches, 0);
    }
}

TEST_F(ToolkitTest, CaptionTextIsDrawnInTheForeColourAndFont) {
    PictureWindow& picture = Picture(*toolkit_, "InactivePic");
    PaintGradient(picture, {0, 0, 0}, {0, 0, 0});
    picture.SetForeColor(kWhite);
    DrawCaptionText(picture, kInactiveCaption);
    int white = 0;
    for (int y = 0; y < picture.InnerHeight(); ++y) {
        for (int x = 0; x < picture.InnerWidth(); ++x) {
            white += picture.ImagePixel(x, y) == kWhite;
        }
    }
    EXPECT_GT(white, 20) << "glyph pixels in the text colour";
    // The text stays at the left: the right half is untouched gradient.
    for (int x = picture.InnerWidth() / 2; x < picture.InnerWidth(); ++x) {
        EXPECT_EQ(picture.ImagePixel(x, 8), 0) << x;
    }
    picture.SetFontSize(10);
    picture.SetFontBold(false);
    EXPECT_EQ(picture.Font(), (FontAttributes{u"Arial", 10, false}));
}

// --- window: unload, keys, errors ----------------------------------------------

TEST_F(ToolkitTest, CloseAndCancelUnloadAndEndTheMessageLoop) {
    Show();
    ::PostMessageW(toolkit_->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(toolkit_->RunMessageLoop(), 0);
    EXPECT_TRUE(toolkit_->Unloaded());
    EXPECT_FALSE(::IsWindowVisible(toolkit_->Handle()));
}

TEST_F(ToolkitTest, EnterPressesApplyOnlyWhenEnabledAndEscapeIsCancel) {
    Show();
    auto key = [&](WPARAM vk) {
        ::SetFocus(Hwnd("ckBold"));
        MSG message{Hwnd("ckBold"), WM_KEYDOWN, vk, 0, 0, {}};
        ::IsDialogMessageW(toolkit_->Handle(), &message);
    };
    key(VK_RETURN);
    EXPECT_TRUE(sink_.log.empty()) << "Apply is disabled";
    toolkit_->ButtonNamed("btnApply").SetEnabled(true);
    key(VK_RETURN);
    key(VK_ESCAPE);
    EXPECT_EQ(sink_.log, (std::vector<std::string>{"btnApply:Click", "Command2:Click"}));
}

TEST(ErrorMessage, ShowsNumberAndDescription) {
    EXPECT_EQ(ErrorMessageText(1001, "Unsupported value type"),
              u"Error 1001: Unsupported value type");
}

TEST_F(ToolkitTest, AnErrorLeavingAHandlerIsReportedOnceAndEndsTheProgram) {
    sink_.reaction = [](std::string_view, ControlEvent) { throw UnsupportedValueType(); };
    Press("MenuColor", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].number, kUnsupportedValueType);
    EXPECT_EQ(errors_[0].description, "Unsupported value type");
    EXPECT_TRUE(toolkit_->Errors().Failed());

    // No handler runs any more, and the loop ends with the error's exit code.
    Press("MenuColor", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    EXPECT_EQ(sink_.log.size(), 1u);
    EXPECT_EQ(toolkit_->RunMessageLoop(), 1);
}

TEST_F(ToolkitTest, AnErrorInANestedStateChangeStopsTheOuterHandler) {
    bool outerFinished = false;
    sink_.reaction = [&](std::string_view control, ControlEvent) {
        if (control == "ckBold") {
            throw std::runtime_error("bold failed");
        }
        toolkit_->CheckBoxNamed("ckBold").SetValue(kChecked);
        outerFinished = true;
    };
    Press("ActiveTitle", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    EXPECT_FALSE(outerFinished);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].number, kInternalErrorNumber);
    EXPECT_EQ(errors_[0].description, "bold failed");
}

// --- colour dialog -------------------------------------------------------------

TEST(ColorDialogFlags, ComponentFlagsMapToChooseColorFlags) {
    EXPECT_EQ(ColorDialogComponent::ChooseColorFlags(0), 0u);
    EXPECT_EQ(ColorDialogComponent::ChooseColorFlags(1), static_cast<DWORD>(CC_RGBINIT));
    EXPECT_EQ(ColorDialogComponent::ChooseColorFlags(2), static_cast<DWORD>(CC_FULLOPEN));
    EXPECT_EQ(ColorDialogComponent::ChooseColorFlags(3),
              static_cast<DWORD>(CC_RGBINIT | CC_FULLOPEN));
}

// What the colour dialog showed, and which button the test pressed.
struct DialogVisit {
    int button = IDCANCEL;
    bool seen = false;
    std::wstring red, green, blue;
    bool customSectionShown = false;
};

DialogVisit* g_visit = nullptr;

std::wstring ItemText(HWND dialog, int id) {
    wchar_t text[32] = {};
    ::GetDlgItemTextW(dialog, id, text, 32);
    return text;
}

BOOL CALLBACK FindColorDialog(HWND hwnd, LPARAM found) {
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindColorDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
        return;
    }
    ::KillTimer(nullptr, timer);
    g_visit->seen = true;
    g_visit->red = ItemText(dialog, 706);  // the standard template's Red, Green, Blue
    g_visit->green = ItemText(dialog, 707);
    g_visit->blue = ItemText(dialog, 708);
    g_visit->customSectionShown = ::IsWindowVisible(::GetDlgItem(dialog, 712)) != FALSE;
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(g_visit->button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, g_visit->button)));
}

DialogVisit ShowAndAnswer(ColorDialog& dialog, int button) {
    DialogVisit visit;
    visit.button = button;
    g_visit = &visit;
    ::SetTimer(nullptr, 0, 100, AnswerDialog);
    dialog.ShowColor();
    g_visit = nullptr;
    return visit;
}

TEST_F(ToolkitTest, ColourDialogOpensOnTheColourAndCancelChangesNothing) {
    ColorDialog& dialog = toolkit_->CommonDialog();
    dialog.SetCancelError(true);
    dialog.SetFlags(kColorDialogRgbInit | kColorDialogFullOpen);
    dialog.SetColor(Rgb(12, 34, 56));

    const DialogVisit ok = ShowAndAnswer(dialog, IDOK);
    EXPECT_TRUE(ok.seen);
    EXPECT_EQ(ok.red, L"12");
    EXPECT_EQ(ok.green, L"34");
    EXPECT_EQ(ok.blue, L"56");
    EXPECT_TRUE(ok.customSectionShown);
    EXPECT_EQ(dialog.GetColor(), Rgb(12, 34, 56));

    try {
        ShowAndAnswer(dialog, IDCANCEL);
        ADD_FAILURE() << "a cancel with CancelError set throws";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Number(), kCancelErrorNumber);
        EXPECT_EQ(error.Description(), kCancelErrorText);
    }
    EXPECT_EQ(dialog.GetColor(), Rgb(12, 34, 56));

    dialog.SetCancelError(false);
    EXPECT_NO_THROW(ShowAndAnswer(dialog, IDCANCEL));
}

// --- desktop and fonts ----------------------------------------------------------

TEST(WindowsDesktopTest, ListsEachHorizontalFaceOnceInAStableOrder) {
    WindowsDesktop desktop;
    ASSERT_GT(desktop.FontCount(), 0);
    std::vector<std::u16string> faces;
    for (int i = 0; i < desktop.FontCount(); ++i) {
        faces.push_back(desktop.FontName(i));
        EXPECT_NE(faces.back().front(), u'@');
    }
    std::vector<std::u16string> unique = faces;
    std::sort(unique.begin(), unique.end());
    EXPECT_EQ(std::adjacent_find(unique.begin(), unique.end()), unique.end());
    EXPECT_EQ(ListScreenFonts(), faces);
    EXPECT_EQ(desktop.FontName(desktop.FontCount()), u"");
}

TEST(WindowsDesktopTest, CurrentFontRecordsAreTheNonClientMetricsFonts) {
    WindowsDesktop desktop;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    const FontRecord caption = desktop.CurrentFontRecord(FontRole::Caption);
    const FontRecord menu = desktop.CurrentFontRecord(FontRole::Menu);
    ASSERT_EQ(caption.size(), 92u);
    EXPECT_EQ(std::memcmp(caption.data(), &metrics.lfCaptionFont, 92), 0);
    EXPECT_EQ(std::memcmp(menu.data(), &metrics.lfMenuFont, 92), 0);
    EXPECT_EQ(desktop.SysColor(COLOR_MENU), static_cast<Color>(::GetSysColor(COLOR_MENU)));
}

// The face GDI really uses for a font.
std::wstring RealisedFace(HFONT font) {
    WindowDc screen(nullptr);
    ScopedSelect select(screen.get(), font);
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
    return face;
}

TEST(FontFactoryTest, DesignFacesOrTheirReplacementsAreUsed) {
    const std::vector<std::pair<std::u16string, std::u16string>> faces{
        {u"Arial Narrow", u"Liberation Sans Narrow"},
        {u"Arial", u"Liberation Sans"},
        {u"ＭＳ Ｐゴシック", u"IPAPGothic"},
    };
    FontFactory factory;
    for (const auto& [face, replacement] : faces) {
        const std::wstring realised = RealisedFace(factory.Create({face, 9, false, 1}, 96).get());
        const bool asked = realised == std::wstring(face.begin(), face.end());
        const bool replaced = realised == std::wstring(replacement.begin(), replacement.end());
        EXPECT_TRUE(asked || replaced) << std::string(realised.begin(), realised.end());
    }
}

TEST(FontFactoryTest, SizesFollowTheDpi) {
    EXPECT_EQ(FontHeight(8.25f, 96), -11);
    EXPECT_EQ(FontHeight(9, 96), -12);
    EXPECT_EQ(FontHeight(9, 144), -18);
    EXPECT_EQ(FontHeight(8.25f, 192), -22);
    EXPECT_EQ(TwipsToPixels(4335, 144), 434);
}

// --- hygiene --------------------------------------------------------------------

TEST(ToolkitHygiene, CreatingAndDestroyingTheWindowLeaksNoGdiOrUserObjects) {
    auto census = [] { return e2e::TakeCensus(::GetCurrentProcess(), ::GetCurrentProcessId()); };
    {
        // Classes, stock objects and the caches that a first shown window
        // fills (Wine keeps its window DCs) settle first.
        Toolkit warmUp;
        warmUp.Show(SW_SHOWNOACTIVATE);
    }
    const e2e::Census before = census();
    ASSERT_GT(before.gdiObjects, 0);
    for (int i = 0; i < 2; ++i) {
        Toolkit toolkit;
        toolkit.LabelNamed("MenuBar").SetFontName(u"Tahoma");
        toolkit.PictureNamed("ActivePic").SetFontBold(false);
        PaintGradient(toolkit.PictureNamed("ActivePic"), {1, 2, 3}, {4, 5, 6});
        toolkit.Show(SW_SHOWNOACTIVATE);
        EXPECT_GT(census().userObjects, before.userObjects);  // the window is counted
    }
    EXPECT_EQ(census(), before);
}

}  // namespace
}  // namespace quill::win32
