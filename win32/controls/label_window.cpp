#include "win32/controls/label_window.h"

#include <windowsx.h>

#include "win32/services/gdi_color.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"

namespace quill::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuillmarLabel";

}  // namespace

void LabelWindow::RegisterWindowClass(HINSTANCE instance) {
    RegisterObjectWindowClass<LabelWindow>(instance, kClassName);
}

LabelWindow::LabelWindow(const ControlDesign& design, const CreateContext& context)
    : ControlWindow(design, context),
      fonts_(context.fonts),
      dpi_(context.dpi),
      // A line shows only its colour, as a thin filled window.
      back_(design.kind == ControlKind::Line ? design.fore : design.back),
      fore_(design.fore),
      caption_(LoadText(design.caption)),
      font_(DesignedFont()),
      hfont_(context.fonts.Create(font_, context.dpi)) {
    CreateChild(context, kClassName, 0, caption_, this);
}

void LabelWindow::SetBackColor(Color c) {
    back_ = c;
    Repaint();
}

void LabelWindow::SetForeColor(Color c) {
    fore_ = c;
    Repaint();
}

void LabelWindow::SetCaption(std::u16string_view text) {
    caption_ = text;
    ::SetWindowTextW(hwnd_.get(), ToWide(caption_).c_str());  // for readers outside the process
    Repaint();
}

void LabelWindow::SetFontName(std::u16string_view face) {
    // The design's character set belongs to the design's face. Another face
    // is asked for with the texts' character set: with the design's, the
    // font mapper would rather pick a font of that character set than the
    // face, one that may lack the caption's glyphs.
    const FontSpec designed = DesignedFont();
    font_.face = face;
    font_.charset = font_.face == designed.face ? designed.charset : TextCharset();
    hfont_ = fonts_.Create(font_, dpi_);
    Repaint();
}

void LabelWindow::Rescale(int dpi, FontFactory& fonts) {
    ControlWindow::Rescale(dpi, fonts);
    dpi_ = dpi;
    hfont_ = fonts.Create(font_, dpi);
    Repaint();
}

void LabelWindow::Repaint() const {
    InvalidateIfShown();
}

void LabelWindow::Paint() {
    PaintDc paint(hwnd_.get());
    HDC dc = paint.get();
    RECT area{};
    ::GetClientRect(hwnd_.get(), &area);

    ScopedSelect brush(dc, ::GetStockObject(DC_BRUSH));
    ::SetDCBrushColor(dc, ResolveColor(back_));
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    if (design_.border) {
        ::SetDCBrushColor(dc, ::GetSysColor(COLOR_WINDOWFRAME));
        ::FrameRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
        ::InflateRect(&area, -::GetSystemMetrics(SM_CXBORDER), -::GetSystemMetrics(SM_CYBORDER));
    }
    if (caption_.empty()) {
        return;
    }
    ScopedSelect font(dc, hfont_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ResolveColor(fore_));
    // DT_LEFT is the reading's start: in a mirrored window, the right.
    const UINT align = design_.align == TextAlign::Center ? DT_CENTER : DT_LEFT;
    const UINT reading = TextsReadRightToLeft() ? DT_RTLREADING : 0;
    const std::wstring text = ToWide(caption_);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                align | reading | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT LabelWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;  // WM_PAINT covers every pixel
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(hfont_.get());
        case WM_LBUTTONDOWN:
            pressed_ = true;
            ::SetCapture(hwnd_.get());
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and a release over the label.
            const bool wasPressed = pressed_;
            pressed_ = false;
            ::ReleaseCapture();
            RECT area{};
            ::GetClientRect(hwnd_.get(), &area);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (wasPressed && ::PtInRect(&area, at) && design_.kind != ControlKind::Line) {
                events_.RaiseFromWindows(design_.name, ControlEvent::Click);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default:
            return PassOn(hwnd_.get(), message, wParam, lParam);
    }
}

}  // namespace quill::win32
