// The Windows toolkit against Wine's windows, controls and GDI: the window's
// layout, its keys, its error boundary, the desktop it reads, and what it
// holds. The editor's own tests drive everything else through it.

#include "win32/toolkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "store/app_error.h"
#include "testing/dialog_answerer.h"
#include "testing/process_census.h"
#include "win32/dpi.h"
#include "win32/font_factory.h"

namespace quill::win32 {
namespace {

using testing::DialogAnswerer;

// Records "control:Event"; `reaction` runs inside the handler.
struct RecordingSink : EventSink {
    std::vector<std::string> log;
    std::function<void(std::string_view)> reaction;
    void OnEvent(std::string_view control, ControlEvent event) override {
        log.push_back(std::string(control) + ":" + std::to_string(static_cast<int>(event)));
        if (reaction) {
            reaction(control);
        }
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
    RECT Place(std::string_view name) {
        RECT place{};
        ::GetWindowRect(Hwnd(name), &place);
        ::MapWindowPoints(nullptr, toolkit_.Handle(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    DialogAnswerer dialogs_;
    RecordingSink sink_;
    Toolkit toolkit_;
};

bool operator==(const RECT& a, const RECT& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(ToolkitTest, TheWindowAndEveryControlHaveTheirDesignPlaces) {
    ASSERT_EQ(SystemDpi(), 96);
    RECT client{};
    ::GetClientRect(toolkit_.Handle(), &client);
    EXPECT_EQ(client.right, 289);
    EXPECT_EQ(client.bottom, 382);
    EXPECT_EQ(toolkit_.Caption(), u"Registry editor for Quillmar");
    EXPECT_FALSE(::GetWindowLongW(toolkit_.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    for (const ControlDesign& design : kFormControls) {
        EXPECT_TRUE(Place(design.name) == PixelRectOf(design, 96)) << design.name;
    }
    EXPECT_FALSE(toolkit_.ButtonNamed("btnApply").Enabled());
    EXPECT_EQ(toolkit_.LabelNamed("ActiveTitleBar").BackColor(), kSysWindowBackground);
    EXPECT_EQ(toolkit_.LabelNamed("MenuBar").Caption(), u"  Menu          Menu");
    EXPECT_THROW(toolkit_.LabelNamed("ckBold"), std::invalid_argument);
    EXPECT_THROW(toolkit_.LabelNamed("Line3"), std::invalid_argument);
    EXPECT_THROW(toolkit_.ButtonNamed("NoSuchControl"), std::out_of_range);

    // On a monitor of another DPI everything moves to its place there.
    RECT suggested{0, 0, 600, 800};
    ::SendMessageW(toolkit_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    for (const ControlDesign& design : kFormControls) {
        if (design.kind != ControlKind::ComboBox) {  // its height is its list's
            EXPECT_TRUE(Place(design.name) == PixelRectOf(design, 144)) << design.name;
        }
    }
}

TEST(PixelRect, ScalesTheDesignAtEveryDpi) {
    const std::tuple<const char*, int, RECT> cases[] = {
        {"ActivePic", 96, {27, 64, 262, 81}},   {"ActivePic", 144, {40, 96, 392, 122}},
        {"ActivePic", 192, {53, 128, 522, 162}}, {"Line3", 96, {0, 166, 288, 167}},
        {"Line4", 96, {0, 167, 288, 168}},      {"Line3", 192, {0, 331, 576, 333}},
    };
    for (const auto& [name, dpi, expected] : cases) {
        EXPECT_TRUE(PixelRectOf(DesignOf(name), dpi) == expected) << name << " at " << dpi;
    }
}

TEST_F(ToolkitTest, OverlappingLabelsStackAndTabFollowsTheFocusOrder) {
    std::vector<HWND> order;
    for (HWND child = ::GetWindow(toolkit_.Handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(child);
    }
    auto rank = [&](const char* name) { return std::ranges::find(order, Hwnd(name)) - order.begin(); };
    EXPECT_LT(rank("Label7"), rank("MenuHilight"));
    EXPECT_LT(rank("MenuHilight"), rank("MenuBar"));
    EXPECT_LT(rank("MenuBar"), rank("Label6"));
    EXPECT_LT(rank("Label6"), rank("Menu"));

    toolkit_.ButtonNamed("btnApply").SetEnabled(true);
    const char* focusOrder[] = {"btnApply", "ActivePic", "InactivePic", "Command1", "Command2",
                                "fontCmb",  "ckBold",    "ckPoint9",    "ckPoint8", "ckPoint10",
                                "menuCmb",  "btnApply"};
    for (std::size_t i = 1; i < std::size(focusOrder); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(toolkit_.Handle(), Hwnd(focusOrder[i - 1]), FALSE),
                  Hwnd(focusOrder[i]))
            << "after " << focusOrder[i - 1];
    }
}

TEST_F(ToolkitTest, EnterPressesTheDefaultButtonWhileEnabledAndEscapeCancels) {
    auto key = [&](WPARAM vk) {
        ::SetFocus(Hwnd("ckBold"));
        MSG message{Hwnd("ckBold"), WM_KEYDOWN, vk, 0, 0, {}};
        ::IsDialogMessageW(toolkit_.Handle(), &message);
    };
    key(VK_RETURN);
    EXPECT_TRUE(sink_.log.empty()) << "Apply is disabled";
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
        throw UnsupportedValueType();
    };
    Click("MenuColor");
    Click("MenuColor");  // no handler runs any more
    EXPECT_EQ(sink_.log, (std::vector<std::string>{"MenuColor:0", "ckBold:1"}));
    EXPECT_EQ(toolkit_.RunMessageLoop(), kExitAfterError);
    const auto shown = dialogs_.Answered();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"Error 1001: Unsupported value type");
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

TEST_F(ToolkitTest, AColourDialogCancelledWithoutCancelErrorRaisesNothing) {
    toolkit_.CommonDialog().SetCancelError(false);
    toolkit_.CommonDialog().SetColor(Rgb(1, 2, 3));
    EXPECT_NO_THROW(toolkit_.CommonDialog().ShowColor());
    EXPECT_EQ(toolkit_.CommonDialog().GetColor(), Rgb(1, 2, 3));
}

// The face GDI really uses for a font.
std::wstring RealisedFace(HFONT font) {
    const WindowDc screen(nullptr);
    const ScopedSelect select(screen.get(), font);
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
    return face;
}

TEST_F(ToolkitTest, AMenuFaceShowsInItsOwnCharacterSetOnEveryLabel) {
    // The highlighted label's design face has the Japanese character set; a
    // face set later must show as itself, like its neighbours.
    auto realised = [&](const char* label) {
        return RealisedFace(reinterpret_cast<HFONT>(::SendMessageW(Hwnd(label), WM_GETFONT, 0, 0)));
    };
    for (const char16_t* face : {u"MS Shell Dlg", u"Tahoma", u"Liberation Sans"}) {
        for (auto label : {"MenuHilight", "Label6"}) {
            toolkit_.LabelNamed(label).SetFontName(face);
        }
        EXPECT_EQ(realised("MenuHilight"), realised("Label6"));
        EXPECT_EQ(toolkit_.LabelNamed("MenuHilight").FontName(), face);
    }
    toolkit_.LabelNamed("MenuHilight").SetFontName(u"ＭＳ Ｐゴシック");
    EXPECT_EQ(realised("MenuHilight"), RealisedFace(FontFactory().Create(
                                           {u"ＭＳ Ｐゴシック", 9, false, kShiftJisCharset}, 96).get()));
}

TEST(FontFactory, DesignFacesOrTheirReplacementsAreUsed) {
    const std::pair<const wchar_t*, const wchar_t*> faces[] = {
        {L"Arial Narrow", L"Liberation Sans Narrow"},
        {L"Arial", L"Liberation Sans"},
        {L"ＭＳ Ｐゴシック", L"IPAPGothic"},
    };
    FontFactory factory;
    for (const auto& [face, replacement] : faces) {
        const std::u16string asked(face, face + wcslen(face));
        const std::wstring realised = RealisedFace(factory.Create({asked, 9, false, 1}, 96).get());
        EXPECT_TRUE(realised == face || realised == replacement) << realised.size();
    }
    EXPECT_EQ(FontHeight(8.25f, 96), -11);
    EXPECT_EQ(FontHeight(9, 144), -18);
}

TEST(WindowsDesktop, ListsEachHorizontalFaceOnceAndTheCurrentFonts) {
    WindowsDesktop desktop;
    std::vector<std::u16string> faces;
    for (int i = 0; i <= desktop.FontCount(); ++i) {
        faces.push_back(desktop.FontName(i));
    }
    ASSERT_GT(faces.size(), 10u);
    EXPECT_EQ(faces.back(), u"") << "past the end";
    faces.pop_back();
    EXPECT_TRUE(std::ranges::none_of(faces, [](const auto& f) { return f.starts_with(u'@'); }));
    auto sorted = faces;
    std::ranges::sort(sorted);
    EXPECT_EQ(std::ranges::adjacent_find(sorted), sorted.end());
    EXPECT_EQ(ListScreenFonts(), faces);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const FontRecord caption = desktop.CurrentFontRecord(FontRole::Caption);
    const FontRecord menu = desktop.CurrentFontRecord(FontRole::Menu);
    ASSERT_EQ(caption.size(), 92u);
    EXPECT_EQ(std::memcmp(caption.data(), &metrics.lfCaptionFont, 92), 0);
    EXPECT_EQ(std::memcmp(menu.data(), &metrics.lfMenuFont, 92), 0);
    EXPECT_EQ(desktop.SysColor(COLOR_MENU), static_cast<Color>(::GetSysColor(COLOR_MENU)));
}

TEST(ToolkitHygiene, MakingAndDestroyingTheWindowLeavesNothingBehind) {
    auto census = [] { return testing::TakeCensus(::GetCurrentProcess(), ::GetCurrentProcessId()); };
    {
        // Classes, stock objects and the caches a first shown window fills
        // (Wine keeps its window DCs) settle first.
        Toolkit warmUp;
        warmUp.Show(SW_SHOWNOACTIVATE);
    }
    const testing::Census before = census();
    ASSERT_GT(before.gdiObjects, 0);
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
