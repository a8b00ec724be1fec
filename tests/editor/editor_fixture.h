#pragma once

// The editor in process over Wine's real toolkit and registry, driven and read as a user would.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "editor/form1.h"
#include "preview/titlebar_preview.h"
#include "testing/dialog_answerer.h"
#include "testing/font_records.h"
#include "testing/pixel_surface.h"
#include "testing/wine_registry.h"
#include "win32/program/editor_start.h"
#include "win32/services/windows_ansi_codec.h"
#include "win32/services/windows_registry.h"
#include "win32/window/form_design.h"

namespace quill::testing {

using win32::ControlIdOf;

// What a window of this process shows in its client area, as colour integers row by row from the
// left edge as it shows, whether or not the window is mirrored.
struct Image {
    int width = 0, height = 0;
    std::vector<Color> pixels;
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
inline Image Capture(HWND window) {
    // Painted afresh first: a closed dialog may have covered it.
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT area{};
    ::GetClientRect(window, &area);
    const win32::WindowDc shown(window);
    ::SetLayout(shown.get(), 0);
    Image image{area.right, area.bottom, {}};
    for (int i = 0; i < image.width * image.height; ++i) {
        image.pixels.push_back(
            static_cast<Color>(::GetPixel(shown.get(), i % image.width, i / image.width)));
    }
    return image;
}

// The registry, refusing one write: the failWrite-th SetValue from now (1: the next) is denied.
struct FailingStore final : win32::WindowsRegistry {
    std::int32_t SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override {
        return --failWrite == 0 ? kErrorAccessDenied
                                : win32::WindowsRegistry::SetValue(key, name, type, data, length);
    }
    int failWrite = 0;
};

// The ten edited colours by the value names they are stored under.
using SwatchColours = std::map<std::wstring, COLORREF>;

// The default scheme's colours ("XP Default"), by value name.
// clang-format off
inline const SwatchColours kDefaultColours{
    {L"MenuBar", RGB(236, 233, 216)},               {L"MenuHilight", RGB(49, 106, 197)},
    {L"Menu", RGB(212, 219, 200)},                  {L"MenuText", RGB(0, 0, 0)},
    {L"ActiveTitle", RGB(10, 36, 106)},             {L"GradientActiveTitle", RGB(166, 202, 240)},
    {L"TitleText", RGB(255, 255, 255)},             {L"InactiveTitle", RGB(128, 128, 128)},
    {L"GradientInactiveTitle", RGB(192, 192, 192)}, {L"InactiveTitleText", RGB(212, 208, 200)},
};
// clang-format on

// Each colour swatch and the value name its colour is stored under.
using SwatchValue = std::pair<std::string_view, const wchar_t*>;
// clang-format off
inline constexpr SwatchValue kSwatchValues[] = {
    {"MenuBarColor", L"MenuBar"},       {"MenuHighlightColor", L"MenuHilight"},
    {"MenuColor", L"Menu"},             {"MenuTextColor", L"MenuText"},
    {"ActiveTitleBar", L"ActiveTitle"}, {"GradientActiveTitlebar", L"GradientActiveTitle"},
    {"ActiveTitle", L"TitleText"},      {"InactiveTitlebar", L"InactiveTitle"},
    {"InactiveTitle", L"InactiveTitleText"}, {"GradientInactiveTitlebar", L"GradientInactiveTitle"}};
// clang-format on

// Seeds both keys afresh with these colours and records, and in each a value not the program's.
inline void SeedScheme(const SwatchColours& colours, const std::vector<std::uint8_t>& caption,
                       const std::vector<std::uint8_t>& menu) {
    KeyValues values{{L"ButtonText", Sz("0 0 0")}};  // not the program's to write
    for (const auto& [name, colour] : colours) {
        values[name] = Sz(colour);
    }
    SeedKey(kColorsKey, values);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(caption)},
                          {L"MenuFont", Binary(menu)},
                          {L"IconSpacing", Sz("-1125")}});
}

enum Release { kOutside, kInside, kInsideAfterCaptureLost };

// The window over the real toolkit, its controls found by name, this thread's dialogs answered.
class WindowTest : public ::testing::Test {
  protected:
    HWND Hwnd(std::string_view name) { return ::GetDlgItem(toolkit_.Handle(), ControlIdOf(name)); }
    // A press over a control and its release: outside (to the capture, else the form), or inside.
    void Click(std::string_view name, UINT down = WM_LBUTTONDOWN, Release release = kInside) {
        ::SendMessageW(Hwnd(name), down, 0, MAKELPARAM(3, 3));
        if (release == kInsideAfterCaptureLost) {
            ::SetCapture(toolkit_.Handle());
            ::ReleaseCapture();
        }
        const bool inside = release != kOutside;
        const HWND outside = ::GetCapture() != nullptr ? ::GetCapture() : toolkit_.Handle();
        ::SendMessageW(inside ? Hwnd(name) : outside, down + 1, 0,
                       inside ? MAKELPARAM(3, 3) : MAKELPARAM(-50, 3));
    }
    HFONT Font(std::string_view name) {
        return reinterpret_cast<HFONT>(::SendMessageW(Hwnd(name), WM_GETFONT, 0, 0));
    }
    LOGFONTW FontOf(std::string_view name) {  // what the control's font asked GDI for
        LOGFONTW font{};
        ::GetObjectW(Font(name), sizeof font, &font);
        return font;
    }
    RECT Place(std::string_view name) {  // in the window's client area
        RECT place{};
        ::GetWindowRect(Hwnd(name), &place);
        ::MapWindowPoints(nullptr, toolkit_.Handle(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    DialogAnswerer dialogs_;
    win32::FormWindow toolkit_;
};

// The editor over that window and Wine's registry, both keys seeded.
class EditorTest : public WindowTest {
  protected:
    // The default colours; Tahoma captions of 8 points, bold; Tahoma menus.
    EditorTest() {
        SeedScheme(kDefaultColours, MakeRecord(-11, 188, u"Tahoma"),
                   MakeRecord(-12, 144, u"Tahoma"));
    }

    // Start-up, then the window shown, as the program does it.
    void Start() {
        ASSERT_TRUE(win32::StartEditor(toolkit_, store_, codec_, form_));
        toolkit_.Show(SW_SHOWNOACTIVATE);
    }
    void Press(std::string_view button) { ::SendMessageW(Hwnd(button), BM_CLICK, 0, 0); }
    void PressKey(WPARAM key) {  // as the dialog manager sees it, the focus on a check box
        MSG message{Hwnd("ckBold"), WM_KEYDOWN, key, 0, 0, {}};
        ::IsDialogMessageW(toolkit_.Handle(), &message);
    }
    void Choose(std::string_view combo, int index) {
        ::SendMessageW(Hwnd(combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageW(toolkit_.Handle(), WM_COMMAND, MAKEWPARAM(ControlIdOf(combo), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Hwnd(combo)));
    }
    void Type(std::string_view combo, const wchar_t* text) {
        ::SendMessageW(Hwnd(combo), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void SetBoxes(const std::vector<int>& states) {  // the point-size boxes, 8 to 10
        for (int i = 0; i < 3; ++i) {
            toolkit_.CheckBoxNamed("ckPoint" + std::to_string(8 + i)).SetValue(states[i]);
        }
    }

    Label& L(std::string_view name) { return toolkit_.LabelNamed(name); }
    Color Back(std::string_view name) { return L(name).BackColor(); }
    int State(std::string_view box) { return toolkit_.CheckBoxNamed(box).Value(); }
    std::vector<int> Sizes() { return {State("ckPoint8"), State("ckPoint9"), State("ckPoint10")}; }
    std::u16string Text(std::string_view combo) { return toolkit_.ComboBoxNamed(combo).Text(); }
    FontAttributes PreviewFont(std::string_view pic) { return toolkit_.PictureNamed(pic).Font(); }
    bool ApplyFlag() { return toolkit_.ButtonNamed("btnApply").Enabled(); }

    // The swatches hold these colours, by the value names they are stored under.
    void ExpectSwatches(const SwatchColours& colours) {
        for (const auto& [swatch, value] : kSwatchValues) {
            EXPECT_EQ(Back(swatch), static_cast<Color>(colours.at(value))) << swatch;
        }
    }

    // The menu imitation shows the menu swatches' colours and one face.
    void ExpectMenuInStep() {
        const Color text = Back("MenuTextColor");
        // clang-format off
        const std::tuple<const char*, const char*, Color> labels[] = {
            {"MenuBar", "MenuBarColor", text}, {"MenuHilight", "MenuHighlightColor", kWhite},
            {"Menu", "MenuHighlightColor", kWhite}, {"Label6", "MenuColor", text}, {"Label7", "MenuColor", text}};
        // clang-format on
        for (const auto& [label, swatch, fore] : labels) {
            EXPECT_EQ(std::tuple(Back(label), L(label).ForeColor(), L(label).FontName()),
                      std::tuple(Back(swatch), fore, L("MenuBar").FontName()))
                << label;
        }
    }

    // A caption's ink: the pixels off the gradient, those in the text colour, and their box's size.
    struct Ink {
        int pixels = 0, inTextColour = 0, width = 0, height = 0;
    };
    // Both previews in `font`: the exact gradient right, text-colour glyphs left. The active's ink.
    Ink ExpectPreviews(const FontAttributes& font = {u"Tahoma", 8, true}) {
        const std::tuple<const char*, const char*, const char*, const char*> previews[] = {
            {"ActivePic", "ActiveTitleBar", "GradientActiveTitlebar", "ActiveTitle"},
            {"InactivePic", "InactiveTitlebar", "GradientInactiveTitlebar", "InactiveTitle"}};
        std::vector<Ink> inks;
        for (const auto& [pic, start, end, text] : previews) {
            const Image shown = Capture(Hwnd(pic));
            PixelSurface reference(shown.width, shown.height, 0);
            PaintGradient(reference, SplitColor(Back(start)), SplitColor(Back(end)));
            Ink ink;
            int wrong = 0;
            RECT box{};
            for (int i = 0; i < shown.width * shown.height; ++i) {
                const int x = i % shown.width, y = i / shown.width;
                if (const RECT pixel{x, y, x + 1, y + 1}; shown.At(x, y) != reference.Pixel(x, y)) {
                    ++ink.pixels;
                    ink.inTextColour += shown.At(x, y) == Back(text);
                    wrong += x >= shown.width / 2;
                    ::UnionRect(&box, &box, &pixel);
                }
            }
            ink.width = box.right - box.left;
            ink.height = box.bottom - box.top;
            EXPECT_EQ(std::tuple(wrong, ink.inTextColour > 10, PreviewFont(pic)),
                      std::tuple(0, true, font))
                << pic;
            inks.push_back(ink);
        }
        EXPECT_LT(inks[0].inTextColour, inks[1].inTextColour);
        return inks[0];
    }

    FailingStore store_;  // the registry
    win32::WindowsAnsiCodec codec_;
    std::optional<Form1> form_;
};

}  // namespace quill::testing
