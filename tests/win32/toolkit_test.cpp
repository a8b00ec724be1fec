// The Windows toolkit against Wine's windows, controls and GDI: the window's
// layout, its keys, its error boundary, the fonts and desktop it uses, and
// what it holds. The editor's own tests drive the rest through it.

#include "win32/toolkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "testing/dialog_answerer.h"
#include "testing/process_census.h"
#include "win32/dpi.h"

namespace quill::win32 {
namespace {

// Records "control:event number"; `reaction` runs inside the handler.
struct RecordingSink : EventSink {
    std::vector<std::string> log;
    std::function<void(std::string_view)> reaction = [](std::string_view) {};
    void OnEvent(std::string_view control, ControlEvent event) override {
        log.push_back(std::string(control) + ":" + std::to_string(static_cast<int>(event)));
        reaction(control);
    }
};

class ToolkitTest : public ::testing::Test {
  protected:
    ToolkitTest() {
        toolkit_.SetEventSink(&sink_);
        toolkit_.Show(SW_SHOWNOACTIVATE);
    }
    HWND Hwnd(std::string_view name) { return ::GetDlgItem(toolkit_.Handle(), ControlIdOf(name)); }
    void Click(std::string_view name) {
        ::SendMessageW(Hwnd(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        ::SendMessageW(Hwnd(name), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    // Where a control is, and where its design puts it at a DPI.
    std::string Place(std::string_view name, int dpi) {
        RECT shown{};
        ::GetWindowRect(Hwnd(name), &shown);
        ::MapWindowPoints(nullptr, toolkit_.Handle(), reinterpret_cast<POINT*>(&shown), 2);
        const RECT design = PixelRectOf(DesignOf(name), dpi);
        return std::string(name) +
               (std::memcmp(&shown, &design, sizeof shown) == 0 ? "" : " moved");
    }

    testing::DialogAnswerer dialogs_;
    RecordingSink sink_;
    Toolkit toolkit_;
};

TEST_F(ToolkitTest, TheWindowAndItsControlsHaveTheirDesignPlacesAtAnyDpi) {
    ASSERT_EQ(SystemDpi(), 96);
    RECT client{};
    ::GetClientRect(toolkit_.Handle(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(289L, 382L));
    EXPECT_EQ(toolkit_.Caption(), u"Registry editor for Quillmar");
    EXPECT_FALSE(::GetWindowLongW(toolkit_.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    RECT suggested{0, 0, 600, 800};
    for (const int dpi : {96, 144}) {
        if (dpi != 96) {  // moved to a monitor of another DPI
            ::SendMessageW(toolkit_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                           reinterpret_cast<LPARAM>(&suggested));
        }
        for (const ControlDesign& design : kFormControls) {
            if (design.kind != ControlKind::ComboBox) {  // its height holds its list
                EXPECT_EQ(Place(design.name, dpi), design.name) << dpi;
            }
        }
    }
    const std::tuple<const char*, int, RECT> rects[] = {{"ActivePic", 96, {27, 64, 262, 81}},
                                                        {"ActivePic", 144, {40, 96, 392, 122}},
                                                        {"Line3", 96, {0, 166, 288, 167}},
                                                        {"Line3", 192, {0, 331, 576, 333}}};
    for (const auto& [name, dpi, expected] : rects) {
        const RECT rect = PixelRectOf(DesignOf(name), dpi);
        EXPECT_EQ(std::memcmp(&rect, &expected, sizeof rect), 0) << name << " at " << dpi;
    }
    EXPECT_THROW(toolkit_.LabelNamed("ckBold"), std::invalid_argument);
    EXPECT_THROW(toolkit_.LabelNamed("Line3"), std::invalid_argument);
    EXPECT_THROW(toolkit_.ButtonNamed("NoSuchControl"), std::out_of_range);
}

TEST_F(ToolkitTest, OverlappingLabelsStackAndTabFollowsTheFocusOrder) {
    std::vector<HWND> order;
    for (HWND child = ::GetWindow(toolkit_.Handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(child);
    }
    std::vector<HWND> labels;
    std::ranges::copy_if(order, std::back_inserter(labels), [&](HWND w) {
        return std::ranges::count(std::vector{Hwnd("Label7"), Hwnd("MenuHilight"), Hwnd("MenuBar"),
                                              Hwnd("Label6"), Hwnd("Menu")},
                                  w) > 0;
    });
    EXPECT_EQ(labels, (std::vector{Hwnd("Label7"), Hwnd("MenuHilight"), Hwnd("MenuBar"),
                                   Hwnd("Label6"), Hwnd("Menu")}));
    toolkit_.ButtonNamed("btnApply").SetEnabled(true);
    const char* focus[] = {"btnApply", "ActivePic", "InactivePic", "Command1",
                           "Command2", "fontCmb",   "ckBold",      "ckPoint9",
                           "ckPoint8", "ckPoint10", "menuCmb",     "btnApply"};
    for (std::size_t i = 1; i < std::size(focus); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(toolkit_.Handle(), Hwnd(focus[i - 1]), FALSE), Hwnd(focus[i]))
            << "after " << focus[i - 1];
    }
}

TEST_F(ToolkitTest, EnterPressesTheDefaultButtonWhileEnabledAndEscapeCancels) {
    auto key = [&](WPARAM vk) {
        MSG message{Hwnd("ckBold"), WM_KEYDOWN, vk, 0, 0, {}};
        ::IsDialogMessageW(toolkit_.Handle(), &message);
    };
    key(VK_RETURN);
    toolkit_.ButtonNamed("btnApply").SetEnabled(true);
    key(VK_RETURN);
    key(VK_ESCAPE);
    EXPECT_EQ(sink_.log, (std::vector<std::string>{"btnApply:0", "Command2:0"}));
}

TEST_F(ToolkitTest, AnErrorLeavingAHandlerIsShownOnceAndEndsTheProgram) {
    sink_.reaction = [this](std::string_view control) {
        if (control == "MenuColor") {
            toolkit_.CheckBoxNamed("ckBold").SetValue(kChecked);  // a nested event that fails
            sink_.log.emplace_back("after the nested event");
        }
        throw AppError(1001, "Unsupported value type");
    };
    Click("MenuColor");
    Click("MenuColor");  // no handler runs any more
    EXPECT_EQ(sink_.log, (std::vector<std::string>{"MenuColor:0", "ckBold:1"}));
    EXPECT_EQ(toolkit_.RunMessageLoop(), kExitAfterError);
    ASSERT_EQ(dialogs_.Answered().size(), 1u);
    EXPECT_EQ(dialogs_.Answered()[0].text, L"Error 1001: Unsupported value type");
    EXPECT_FALSE(::IsWindowVisible(toolkit_.Handle()));
}

TEST_F(ToolkitTest, AfterUnloadNoEventArrivesAndAQuitEndsTheLoop) {
    toolkit_.Unload();
    Click("MenuColor");
    toolkit_.CheckBoxNamed("ckBold").SetValue(kChecked);
    EXPECT_TRUE(sink_.log.empty());
    EXPECT_EQ(toolkit_.RunMessageLoop(), 0);
    Toolkit other;
    ::PostQuitMessage(0);
    EXPECT_EQ(other.RunMessageLoop(), 0);
}

// The face GDI really uses for a font.
std::wstring RealisedFace(HFONT font) {
    const WindowDc screen(nullptr);
    const ScopedSelect select(screen.get(), font);
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
    return face;
}

TEST_F(ToolkitTest, AFaceSetOnALabelShowsAsItselfWhateverItsDesignCharacterSet) {
    // The highlighted menu label was designed with the Japanese character set.
    auto realised = [&](const char* label) {
        return RealisedFace(reinterpret_cast<HFONT>(::SendMessageW(Hwnd(label), WM_GETFONT, 0, 0)));
    };
    for (const char16_t* face : {u"MS Shell Dlg", u"Tahoma", u"Liberation Sans"}) {
        toolkit_.LabelNamed("MenuHilight").SetFontName(face);
        toolkit_.LabelNamed("Label6").SetFontName(face);
        EXPECT_EQ(realised("MenuHilight"), realised("Label6"));
        EXPECT_EQ(toolkit_.LabelNamed("MenuHilight").FontName(), face);
    }
    const std::wstring designed = realised("fontCmb");  // the same design font
    toolkit_.LabelNamed("MenuHilight").SetFontName(u"ＭＳ Ｐゴシック");
    EXPECT_EQ(realised("MenuHilight"), designed);
    // Design faces that are not installed are replaced by metric-compatible ones.
    EXPECT_EQ(realised("lbl(0)"), L"Liberation Sans");           // Arial
    EXPECT_EQ(realised("Command1"), L"Liberation Sans Narrow");  // Arial Narrow
    EXPECT_EQ(designed, L"IPAPGothic");
    EXPECT_EQ(FontHeight(8.25f, 96), -11);
    EXPECT_EQ(FontHeight(9, 144), -18);
}

TEST(WindowsDesktop, ListsEachHorizontalFaceOnceAndTheCurrentFonts) {
    WindowsDesktop desktop;
    std::vector<std::u16string> faces;
    for (int i = 0; i < desktop.FontCount(); ++i) {
        faces.push_back(desktop.FontName(i));
    }
    EXPECT_EQ(desktop.FontName(desktop.FontCount()), u"");
    EXPECT_TRUE(std::ranges::none_of(faces, [](const auto& f) { return f.starts_with(u'@'); }));
    EXPECT_TRUE(std::ranges::is_sorted(faces, [](const auto& a, const auto& b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                              reinterpret_cast<const wchar_t*>(a.c_str()), -1,
                              reinterpret_cast<const wchar_t*>(b.c_str()), -1) != CSTR_GREATER_THAN;
    }));
    EXPECT_EQ(std::ranges::adjacent_find(faces), faces.end());
    EXPECT_GT(faces.size(), 10u);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_EQ(desktop.CurrentFontRecord(FontRole::Caption),
              FontRecord(reinterpret_cast<std::uint8_t*>(&metrics.lfCaptionFont),
                         reinterpret_cast<std::uint8_t*>(&metrics.lfCaptionFont + 1)));
    EXPECT_EQ(desktop.CurrentFontRecord(FontRole::Menu),
              FontRecord(reinterpret_cast<std::uint8_t*>(&metrics.lfMenuFont),
                         reinterpret_cast<std::uint8_t*>(&metrics.lfMenuFont + 1)));
    EXPECT_EQ(desktop.SysColor(COLOR_MENU), static_cast<Color>(::GetSysColor(COLOR_MENU)));
}

TEST(ToolkitHygiene, MakingAndDestroyingTheWindowLeavesNothingBehind) {
    auto census = [] {
        return testing::TakeCensus(::GetCurrentProcess(), ::GetCurrentProcessId());
    };
    Toolkit().Show(SW_SHOWNOACTIVATE);  // the caches a first shown window fills settle first
    const testing::Census before = census();
    for (int i = 0; i < 2; ++i) {
        Toolkit toolkit;
        toolkit.LabelNamed("MenuBar").SetFontName(u"Tahoma");
        toolkit.PictureNamed("ActivePic").SetFontBold(false);
        toolkit.PictureNamed("ActivePic").Line(0, 0, 9, 9, 0);
        toolkit.Show(SW_SHOWNOACTIVATE);
        EXPECT_GT(census().userObjects, before.userObjects);
    }
    EXPECT_EQ(census(), before);
}

}  // namespace
}  // namespace quill::win32
