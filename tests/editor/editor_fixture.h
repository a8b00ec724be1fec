#pragma once

// The editor over the real Windows toolkit and Wine's real registry, in this
// process, driven as a user would drive it: clicks and list choices sent to
// its controls, the modal dialogs answered from another thread, and what it
// shows read back through the toolkit and from its windows.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "editor/form1.h"
#include "editor/layout.h"
#include "preview/titlebar_preview.h"
#include "testing/dialog_answerer.h"
#include "testing/failing_store.h"
#include "testing/font_records.h"
#include "testing/pixel_surface.h"
#include "testing/scheme_expectation.h"
#include "testing/screen.h"
#include "win32/ansi_codec.h"
#include "win32/editor_start.h"
#include "win32/registry_store.h"

namespace quill::testing {

// Seeds both keys afresh: the colours by value name and the two font records.
inline void SeedScheme(const SwatchTexts& colours, const std::vector<std::uint8_t>& caption,
                       const std::vector<std::uint8_t>& menu) {
    KeyValues values;
    for (const auto& [name, text] : colours) {
        values[name] = Sz(text);
    }
    SeedKey(kColorsKey, values);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(caption)}, {L"MenuFont", Binary(menu)}});
}

class EditorTest : public ::testing::Test {
  protected:
    // Tahoma captions, 8 points, bold; Tahoma menus; the default colours.
    EditorTest() {
        SeedScheme(kDefaultColours, MakeRecord(245, 188, u"Tahoma"),
                   MakeRecord(244, 144, u"Tahoma"));
    }

    // Start-up, then the window shown, as the program does it.
    void Start() {
        ASSERT_TRUE(win32::StartEditor(toolkit_, store_, codec_, form_));
        toolkit_.Show(SW_SHOWNOACTIVATE);
    }

    HWND Hwnd(std::string_view name) { return ::GetDlgItem(toolkit_.Handle(), ControlIdOf(name)); }
    // A mouse button pressed over a control and released inside or outside it.
    void Click(std::string_view name, UINT down = WM_LBUTTONDOWN, bool inside = true) {
        ::SendMessageW(Hwnd(name), down, 0, MAKELPARAM(3, 3));
        ::SendMessageW(Hwnd(name), down + 1, 0, inside ? MAKELPARAM(3, 3) : MAKELPARAM(-50, 3));
    }
    void PressSpace(std::string_view box) {
        ::SetFocus(Hwnd(box));
        ::SendMessageW(Hwnd(box), WM_KEYDOWN, VK_SPACE, 0);
        ::SendMessageW(Hwnd(box), WM_KEYUP, VK_SPACE, 0);
    }
    void Press(std::string_view button) { ::SendMessageW(Hwnd(button), BM_CLICK, 0, 0); }
    void Choose(std::string_view combo, int index) {
        ::SendMessageW(Hwnd(combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageW(toolkit_.Handle(), WM_COMMAND, MAKEWPARAM(ControlIdOf(combo), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Hwnd(combo)));
    }

    Label& L(std::string_view name) { return toolkit_.LabelNamed(name); }
    Color Back(std::string_view name) { return L(name).BackColor(); }
    int State(std::string_view box) { return toolkit_.CheckBoxNamed(box).Value(); }
    std::vector<int> PointBoxes() {
        return {State("ckPoint8"), State("ckPoint9"), State("ckPoint10")};
    }
    std::u16string Text(std::string_view combo) { return toolkit_.ComboBoxNamed(combo).Text(); }
    FontAttributes PreviewFont(std::string_view pic) { return toolkit_.PictureNamed(pic).Font(); }
    bool ApplyFlag() { return toolkit_.ButtonNamed("btnApply").Enabled(); }

    // The menu imitation shows the menu swatches' colours and one face.
    void ExpectMenuInStep() {
        const Color text = Back("MenuTextColor");
        const std::tuple<const char*, const char*, Color> labels[] = {
            {"MenuBar", "MenuBarColor", text},
            {"MenuHilight", "MenuHighlightColor", kWhite},
            {"Menu", "MenuHighlightColor", kWhite},
            {"Label6", "MenuColor", text},
            {"Label7", "MenuColor", text}};
        for (const auto& [label, swatch, fore] : labels) {
            EXPECT_EQ(Back(label), Back(swatch)) << label;
            EXPECT_EQ(L(label).ForeColor(), fore) << label;
            EXPECT_EQ(L(label).FontName(), L("MenuBar").FontName()) << label;
        }
    }

    // A preview as it shows: the gradient between two plain colours, pixel
    // for pixel where no caption reaches (the right half), and caption glyphs
    // in the text colour on the left.
    void ExpectPreview(std::string_view pic, Color start, Color end, Color text) {
        // Shown afresh from the retained image: a closed dialog may have covered it.
        ::RedrawWindow(Hwnd(pic), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Image shown = Capture(Hwnd(pic));
        PixelSurface reference(shown.width, shown.height, 0);
        PaintGradient(reference, SplitColor(start), SplitColor(end));
        int wrong = 0, glyphs = 0;
        for (int y = 0; y < shown.height; ++y) {
            for (int x = 0; x < shown.width; ++x) {
                const bool left = x < shown.width / 2;
                wrong += !left && shown.At(x, y) != reference.Pixel(x, y);
                glyphs += left && shown.At(x, y) == text && reference.Pixel(x, y) != text;
            }
        }
        EXPECT_EQ(wrong, 0) << pic;
        EXPECT_GT(glyphs, 10) << pic << ": no caption in the text colour";
    }

    DialogAnswerer dialogs_;
    win32::Toolkit toolkit_;
    win32::RegistryStore registry_;
    FailingStore store_{registry_};
    win32::AnsiCodec codec_;
    std::optional<Form1> form_;
};

}  // namespace quill::testing
