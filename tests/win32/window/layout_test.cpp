// Every text of the window whole at 96 and 144 DPI, in the language of the
// process's locale: measured with its control's own font against the
// control's rectangle. Run once per language (see language_test.cpp).

#include <algorithm>

#include "tests/editor/editor_fixture.h"
#include "win32/controls/control_window.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"

namespace quill::testing {
namespace {

using win32::ControlDesign;
using win32::ControlKind;
using win32::LoadText;

struct Measured {
    int width = 0, height = 0, lineHeight = 0;
    int inkHeight = 0;  // to the lowest inked row of the last line: a line is taller than its ink
    // Empty when the font has a glyph for every character that is not a space
    // or a line break (else the text would show boxes); otherwise how many it
    // lacks, and the face that GDI chose.
    std::string unglyphed;
};

// The text in `font` as DrawText lays it out, broken at words within `width`.
Measured Measure(HFONT font, std::u16string_view text, int width) {
    const win32::WindowDc screen(nullptr);
    const win32::ScopedSelect selected(screen.get(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.get(), &metrics);
    RECT area{0, 0, width, 0};
    const std::wstring wide = win32::ToWide(text);
    ::DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &area,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    int ink = 0;
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (const wchar_t c : wide) {
        GLYPHMETRICS glyph{};
        if (::GetGlyphOutlineW(screen.get(), c, GGO_METRICS, &glyph, 0, nullptr, &identity) !=
            GDI_ERROR) {
            ink = std::max<int>(ink, metrics.tmAscent - glyph.gmptGlyphOrigin.y +
                                         static_cast<int>(glyph.gmBlackBoxY));
        }
    }
    Measured measured{
        area.right, area.bottom, metrics.tmHeight, area.bottom - metrics.tmHeight + ink, {}};
    std::wstring shown = wide;
    std::erase_if(shown, [](wchar_t c) { return c == L' ' || c == L'\r' || c == L'\n'; });
    std::vector<WORD> glyphs(shown.size());
    ::GetGlyphIndicesW(screen.get(), shown.c_str(), static_cast<int>(shown.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS);
    if (const auto missing = std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}); missing > 0) {
        wchar_t face[LF_FACESIZE] = {};
        ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
        measured.unglyphed = std::to_string(missing) + " of " + std::to_string(shown.size()) +
                             " glyphs missing in " + std::string(face, face + std::wcslen(face));
    }
    return measured;
}

int Scaled(int pixels, int dpi) {
    return ::MulDiv(pixels, dpi, 96);
}

class LayoutTest : public EditorTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        Start();
        Press("Command1");  // XP Default: the previews' largest caption, Tahoma 10 points bold
        RECT suggested{0, 0, Scaled(400, Dpi()), Scaled(500, Dpi())};
        ::SendMessageW(toolkit_.Handle(), WM_DPICHANGED, MAKEWPARAM(Dpi(), Dpi()),
                       reinterpret_cast<LPARAM>(&suggested));
    }
    int Dpi() const { return GetParam(); }
    // Where the control's text may go: its client area less what the control draws itself.
    SIZE Room(const ControlDesign& design) {
        RECT client{};
        ::GetClientRect(Hwnd(design.name), &client);
        SIZE room{client.right, client.bottom};
        if (design.kind == ControlKind::CheckBox) {
            room.cx -= Scaled(17, Dpi());  // the box and the gap after it
        } else if (design.kind == ControlKind::CommandButton) {
            room.cx -= Scaled(8, Dpi());  // the edges and the focus rectangle's margin
        } else if (design.border) {
            room.cx -= 2;
            room.cy -= 2;
        }
        return room;
    }
    std::string Where(std::string_view name) {
        return std::string(name) + " at " + std::to_string(Dpi()) + " DPI";
    }
};

TEST_P(LayoutTest, EveryControlsTextFitsItWithoutBreakingWhereItMustNot) {
    for (const ControlDesign& design : win32::kFormControls) {
        const std::u16string text = win32::WindowText(Hwnd(design.name));
        if (text.empty() || design.kind == ControlKind::ComboBox) {
            continue;
        }
        const SIZE room = Room(design);
        const Measured measured = Measure(Font(design.name), text, room.cx);
        EXPECT_LE(measured.width, room.cx) << Where(design.name);
        EXPECT_LE(measured.inkHeight, room.cy) << Where(design.name);
        EXPECT_EQ(measured.unglyphed, "") << Where(design.name);
        // Lines break where the text does; the hint alone may wrap.
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), u'\n')) + 1;
        if (design.name != "Label1") {
            EXPECT_EQ(measured.height, lines * measured.lineHeight) << Where(design.name);
        }
    }
}

// A control widened for a language touches no control that it does not
// touch in the English design, and in English none is widened.
TEST_P(LayoutTest, AWidenedControlStaysClearOfItsNeighbours) {
    const bool english = win32::TextLanguage() == LANG_ENGLISH;
    for (const ControlDesign& one : win32::kFormControls) {
        const RECT shown = Place(one.name), designed = win32::PixelRectOf(one, Dpi());
        if (english) {
            EXPECT_EQ(shown.right - shown.left, designed.right - designed.left) << Where(one.name);
        }
        for (const ControlDesign& other : win32::kFormControls) {
            const RECT otherShown = Place(other.name);
            const RECT otherDesigned = win32::PixelRectOf(other, Dpi());
            RECT common{};
            if (&one != &other && ::IntersectRect(&common, &shown, &otherShown)) {
                EXPECT_TRUE(::IntersectRect(&common, &designed, &otherDesigned))
                    << Where(one.name) << " covers " << other.name;
            }
        }
    }
}

TEST_P(LayoutTest, TheMenuBarsItemsEndBeforeTheHighlightedOne) {
    // Ended by the last word's ink, not by the label's border.
    const std::u16string bar = win32::WindowText(Hwnd("MenuBar"));
    const Measured measured = Measure(Font("MenuBar"), bar, 10000);
    EXPECT_LT(Place("MenuBar").left + 1 + measured.width, Place("MenuHilight").left)
        << Where("MenuBar");
}

TEST_P(LayoutTest, TheCaptionsFitTheirBars) {
    // The window's own, in the desktop's caption font, beside the icon and three buttons.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfCaptionFont.lfHeight = Scaled(metrics.lfCaptionFont.lfHeight, Dpi());
    const win32::UniqueHfont captionFont(::CreateFontIndirectW(&metrics.lfCaptionFont));
    RECT client{};
    ::GetClientRect(toolkit_.Handle(), &client);
    const int buttons = 3 * ::GetSystemMetrics(SM_CXSIZE) + ::GetSystemMetrics(SM_CXSMICON) + 8;
    const std::u16string caption = LoadText(TextId::FormCaption);
    EXPECT_LE(Measure(captionFont.get(), caption, 10000).width,
              client.right - Scaled(buttons, Dpi()))
        << Where("the window's caption");
    // The previews' captions, in the font each box says it draws in.
    for (const auto& [pic, id] : {std::pair("ActivePic", TextId::ActivePreviewCaption),
                                  std::pair("InactivePic", TextId::InactivePreviewCaption)}) {
        const HFONT font = Font(pic);
        ASSERT_NE(font, nullptr) << Where(pic);
        PictureBox& box = toolkit_.PictureNamed(pic);
        box.SetScaleModePixels();
        const Measured measured = Measure(font, LoadText(id), 10000);
        EXPECT_EQ(
            std::pair(measured.width <= static_cast<int>(box.ScaleWidth()), measured.unglyphed),
            std::pair(true, std::string()))
            << Where(pic);
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, LayoutTest, ::testing::Values(96, 144));

}  // namespace
}  // namespace quill::testing
