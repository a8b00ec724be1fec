// Every text of the window whole and legible at 96 and 144 DPI, in the
// language of the process's locale: measured with its control's own font
// against the control's rectangle, and drawn in it against its outline. Run
// once per language (see language_test.cpp).

#include <algorithm>
#include <cmath>

#include "tests/editor/editor_fixture.h"
#include "tests/win32/program/expected_language.h"
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

// A line's width in `font`, in pixels, as GDI advances it.
int TextWidth(HFONT font, std::wstring_view line) {
    const win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const win32::ScopedSelect selected(dc.get(), font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), line.data(), static_cast<int>(line.size()), &size);
    return size.cx;
}

// Text as `font` draws it in `area` of a canvas, black on white, by
// DrawTextW: each pixel's ink from 0 (paper) to 1.
struct Ink {
    int width = 0, height = 0;
    std::vector<double> pixels;
    double At(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0 : pixels[y * width + x];
    }
};
Ink Draw(HFONT font, std::wstring_view text, SIZE canvas, RECT area, UINT format) {
    const win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const win32::ScopedSelect selected(dc.get(), font);
    Ink ink{canvas.cx, canvas.cy, {}};
    BITMAPINFO format32{};
    format32.bmiHeader = {
        sizeof format32.bmiHeader, ink.width, -ink.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win32::UniqueHbitmap bitmap(
        ::CreateDIBSection(dc.get(), &format32, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::ScopedSelect canvasSelected(dc.get(), bitmap.get());
    ::PatBlt(dc.get(), 0, 0, ink.width, ink.height, WHITENESS);
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), RGB(0, 0, 0));
    ::DrawTextW(dc.get(), text.data(), static_cast<int>(text.size()), &area, format | DT_NOPREFIX);
    ::GdiFlush();
    const auto* rgb = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < ink.width * ink.height; ++i) {
        ink.pixels.push_back(1.0 - (rgb[i] & 0xFF) / 255.0);
    }
    return ink;
}
// A line with a margin of half a line all round.
Ink Draw(HFONT font, std::wstring_view line) {
    const int width = TextWidth(font, line), height = Measure(font, u"x", width).lineHeight;
    const int margin = height / 2;
    return Draw(font, line, {width + 2 * margin, height + 2 * margin},
                {margin, margin, margin + width, margin + height}, DT_SINGLELINE | DT_NOCLIP);
}

win32::UniqueHfont FourTimesAsLarge(HFONT font) {
    LOGFONTW large{};
    ::GetObjectW(font, sizeof large, &large);
    large.lfHeight *= 4;
    return win32::UniqueHfont(::CreateFontIndirectW(&large));
}

// How closely a line at its size follows its own outline, from -1 to 1: the
// correlation of its ink with the same line's drawn four times as large and
// scaled down, both blurred so that smoothing alone counts little. Each piece
// of half a line's width meets its outline at its best offset within two
// pixels, as hinting rounds each glyph's place. Lost or merged strokes lower it.
double Fidelity(HFONT font, std::wstring_view line) {
    const win32::UniqueHfont largeFont = FourTimesAsLarge(font);
    const Ink small = Draw(font, line), big = Draw(largeFont.get(), line);
    Ink outline{small.width + 4, small.height + 4, {}};  // two pixels more on every side
    for (int y = 0; y < outline.height; ++y) {
        for (int x = 0; x < outline.width; ++x) {
            double sum = 0;
            for (int i = 0; i < 16; ++i) {
                sum += big.At(4 * (x - 2) + i % 4, 4 * (y - 2) + i / 4);
            }
            outline.pixels.push_back(sum / 16);
        }
    }
    // Blurred over a stroke's width, an eighth of the line's height, so that
    // a stem hinted to whole pixels and its outline's fractional one agree.
    const int radius = std::max(1, small.height / 16);
    auto blurred = [radius](const Ink& ink) {
        Ink soft{ink.width, ink.height, {}};
        for (int y = 0; y < ink.height; ++y) {
            for (int x = 0; x < ink.width; ++x) {
                double sum = 0;
                for (int dy = -radius; dy <= radius; ++dy) {
                    for (int dx = -radius; dx <= radius; ++dx) {
                        sum += ink.At(x + dx, y + dy);
                    }
                }
                soft.pixels.push_back(sum / ((2 * radius + 1) * (2 * radius + 1)));
            }
        }
        return soft;
    };
    const Ink shown = blurred(small), drawn = blurred(outline);
    struct Sums {
        double a = 0, b = 0, ab = 0, aa = 0, bb = 0, n = 0;
        double Correlation() const {
            const double spread = (aa - a * a / n) * (bb - b * b / n);
            return spread > 0 ? (ab - a * b / n) / std::sqrt(spread) : 0;
        }
    } whole;
    const int piece = small.height / 2;  // the margins make the image two line-heights tall
    for (int left = 0; left < small.width; left += piece) {
        Sums best{};
        for (int offset = 0; offset < 25; ++offset) {
            Sums here{};
            for (int y = 0; y < small.height; ++y) {
                for (int x = left; x < std::min(left + piece, small.width); ++x) {
                    const double s = shown.At(x, y), o = drawn.At(x + offset % 5, y + offset / 5);
                    here.a += s, here.b += o, here.ab += s * o, here.aa += s * s, here.bb += o * o;
                    here.n += 1;
                }
            }
            if (offset == 0 || here.Correlation() > best.Correlation()) {
                best = here;
            }
        }
        whole.a += best.a, whole.b += best.b, whole.ab += best.ab, whole.aa += best.aa;
        whole.bb += best.bb, whole.n += best.n;
    }
    return whole.Correlation();
}

// How much wider a line is at its size than its outline, in pixels: its
// width against a quarter of the same line's drawn four times as large.
int Drift(HFONT font, std::wstring_view line) {
    const win32::UniqueHfont largeFont = FourTimesAsLarge(font);
    return TextWidth(font, line) - (TextWidth(largeFont.get(), line) + 2) / 4;
}

// The share of a line's inked pixels drawn in a shade between ink and paper.
double Smoothed(HFONT font, std::wstring_view line) {
    const Ink ink = Draw(font, line);
    const auto inked =
        std::count_if(ink.pixels.begin(), ink.pixels.end(), [](double v) { return v > 0.05; });
    const auto shaded = std::count_if(ink.pixels.begin(), ink.pixels.end(),
                                      [](double v) { return v > 0.05 && v < 0.95; });
    return inked > 0 ? double(shaded) / double(inked) : 1;
}

// Han, kana and hangul: scripts whose glyphs pack more strokes into a line's
// height than a face's hinting can keep apart in whole pixels.
bool IsDense(std::wstring_view line) {
    return std::any_of(line.begin(), line.end(), [](wchar_t c) {
        return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
               (c >= 0xAC00 && c <= 0xD7AF);
    });
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

// Read from the right, the window is mirrored as the platform mirrors one:
// each control's reading starts as far from the right edge as the English
// design's does from the left, and a preview's gradient and caption start at
// the right, the caption's glyphs as a right-to-left line draws them, not
// mirrored. Read from the left, everything stands as designed.
TEST_P(LayoutTest, AWindowReadFromTheRightIsMirroredAsThePlatformMirrors) {
    const bool mirrored = ReadFromTheRight();
    EXPECT_EQ((::GetWindowLongW(toolkit_.Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0, mirrored);
    WINDOWINFO form{};
    form.cbSize = sizeof form;
    ::GetWindowInfo(toolkit_.Handle(), &form);  // the client area on the screen, as it shows
    for (const ControlDesign& design : win32::kFormControls) {
        RECT shown{};
        ::GetWindowRect(Hwnd(design.name), &shown);
        const RECT english = win32::PixelRectOf(design, Dpi());
        const LONG start =
            mirrored ? form.rcClient.right - shown.right : shown.left - form.rcClient.left;
        EXPECT_EQ(std::pair(start, shown.top - form.rcClient.top),
                  std::pair(english.left, english.top))
            << Where(design.name);
    }
    auto distance = [](Color one, Color other) {
        const ColorComponents a = SplitColor(one), b = SplitColor(other);
        return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
    };
    for (const auto& [pic, startSwatch, endSwatch, textSwatch, caption] :
         {std::tuple("ActivePic", "ActiveTitleBar", "GradientActiveTitlebar", "ActiveTitle",
                     TextId::ActivePreviewCaption),
          std::tuple("InactivePic", "InactiveTitlebar", "GradientInactiveTitlebar", "InactiveTitle",
                     TextId::InactivePreviewCaption)}) {
        const Image image = Capture(Hwnd(pic));
        auto nearer = [&](int x, const char* swatch, const char* other) {  // on the top row
            return distance(image.At(x, 0), Back(swatch)) < distance(image.At(x, 0), Back(other));
        };
        const int first = mirrored ? image.width - 1 : 0, last = image.width - 1 - first;
        EXPECT_TRUE(nearer(first, startSwatch, endSwatch) && nearer(last, endSwatch, startSwatch))
            << Where(pic) << ": the gradient's start is not where reading starts";
        if (Dpi() != 96) {
            continue;  // the image keeps the size it was made at, shown scaled
        }
        // The caption's ink against the same caption drawn unmirrored, from the reading's start.
        PixelSurface gradient(image.width, image.height, 0);
        PaintGradient(gradient, SplitColor(Back(startSwatch)), SplitColor(Back(endSwatch)));
        const UINT reading = mirrored ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
        const auto drawn =
            Draw(Font(pic), win32::ToWide(LoadText(caption)), {image.width, image.height},
                 {0, 0, image.width, image.height}, reading);
        // Each pixel that either draws dark the other draws at least faintly: their edges
        // smoothed against other backgrounds differ, their strokes do not.
        int dark = 0, matched = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const Color paper = gradient.Pixel(mirrored ? image.width - 1 - x : x, y);
                const double shown = double(distance(image.At(x, y), paper)) /
                                     std::max(1, distance(Back(textSwatch), paper));
                const double drawnHere = drawn.At(x, y);
                dark += (shown > 0.75) + (drawnHere > 0.75);
                matched += (shown > 0.75 && drawnHere > 0.1) + (drawnHere > 0.75 && shown > 0.1);
            }
        }
        EXPECT_GE(matched, dark * 9 / 10) << Where(pic) << ": " << matched << " of " << dark;
    }
}

// The highlighted title lies over the bar's second title: each of the bar's
// words ends before the highlight or lies wholly under it, never cut by its edge.
TEST_P(LayoutTest, TheHighlightedTitleCutsNoWordOfTheMenuBar) {
    const std::u16string bar = win32::WindowText(Hwnd("MenuBar"));
    const RECT highlight = Place("MenuHilight");
    auto at = [&](std::size_t characters) {  // where the bar's text is after so many characters
        return Place("MenuBar").left + 1 +   // within the border
               TextWidth(Font("MenuBar"), win32::ToWide(bar.substr(0, characters)));
    };
    for (std::size_t start = bar.find_first_not_of(u' '); start != std::u16string::npos;) {
        const std::size_t end = std::min(bar.find(u' ', start), bar.size());
        const int from = at(start), to = at(end);
        EXPECT_TRUE(to < highlight.left || (from >= highlight.left && to <= highlight.right))
            << Where("MenuBar") << ": a word from " << from << " to " << to << " px";
        start = bar.find_first_not_of(u' ', end);
    }
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

// Every text legible as its face draws it: each line follows the outline it
// comes from, spaced within a pixel a character of it (a monospaced face whose
// advances round a pixel wider at the labels' size spaces a line apart), and
// a dense script is smoothed, which whole pixels alone do not draw legibly at
// a label's size.
TEST_P(LayoutTest, EveryTextIsDrawnLegibly) {
    std::vector<std::pair<std::string, std::u16string>> texts;
    for (const ControlDesign& design : win32::kFormControls) {
        if (design.kind != ControlKind::ComboBox) {
            texts.emplace_back(design.name, win32::WindowText(Hwnd(design.name)));
        }
    }
    texts.emplace_back("ActivePic", LoadText(TextId::ActivePreviewCaption));
    texts.emplace_back("InactivePic", LoadText(TextId::InactivePreviewCaption));
    for (const auto& [name, text] : texts) {
        const std::wstring wide = win32::ToWide(text);
        for (std::size_t start = 0; start < wide.size();) {
            const std::size_t end = std::min(wide.find(L"\r\n", start), wide.size());
            const std::wstring line = wide.substr(start, end - start);
            start = end + 2;
            if (line.find_first_not_of(L' ') == std::wstring::npos) {
                continue;
            }
            const HFONT font = Font(name);
            EXPECT_GE(Fidelity(font, line), 0.6) << Where(name);
            EXPECT_LT(10 * Drift(font, line), 9 * static_cast<int>(line.size())) << Where(name);
            if (IsDense(line)) {
                EXPECT_GE(Smoothed(font, line), 0.5) << Where(name);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, LayoutTest, ::testing::Values(96, 144));

}  // namespace
}  // namespace quill::testing
