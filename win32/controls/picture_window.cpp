#include "win32/controls/picture_window.h"

#include "win32/services/dpi.h"
#include "win32/services/gdi_color.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"

namespace quill::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuillmarPicture";

}  // namespace

void PictureWindow::RegisterWindowClass(HINSTANCE instance) {
    RegisterObjectWindowClass<PictureWindow>(instance, kClassName);
}

PictureWindow::PictureWindow(const ControlDesign& design, const CreateContext& context)
    : ControlWindow(design, context),
      // The image is the size of the box at the DPI it is made at; until the
      // first drawing it shows the box's background.
      ScaledSurface(TwipsToPixels(design.width, context.dpi),
                    TwipsToPixels(design.height, context.dpi)),
      fonts_(context.fonts),
      dpi_(context.dpi),
      font_(DesignedFont()),
      hfont_(std::make_shared<UniqueHfont>(context.fonts.Create(font_, context.dpi))),
      image_(InnerWidth(), InnerHeight(), ResolveColor(design.back), TextsReadRightToLeft()) {
    CreateChild(context, kClassName, WS_TABSTOP, u"", this);
}

FontAttributes PictureWindow::Font() const {
    return {font_.face, font_.points, font_.bold};
}

void PictureWindow::SetFontName(std::u16string_view face) {
    font_.face = face;
    ReplaceFont();
}

void PictureWindow::SetFontSize(float points) {
    font_.points = points;
    ReplaceFont();
}

void PictureWindow::SetFontBold(bool bold) {
    font_.bold = bold;
    ReplaceFont();
}

void PictureWindow::ReplaceFont() {
    hfont_ = std::make_shared<UniqueHfont>(fonts_.Create(font_, dpi_));
}

void PictureWindow::FillPixels(const PixelRect& rect, Color color) {
    image_.Fill({rect.left, rect.top, rect.right, rect.bottom}, ResolveColor(color));
    Invalidate();
}

void PictureWindow::RenderText(std::u16string_view text, TextRect& rect, std::uint32_t format,
                               Color color, bool transparent) {
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    if ((format & DT_CALCRECT) != 0) {
        // Measures and draws nothing: answered now, in the font of now.
        const ScopedSelect font(image_.Dc(), hfont_->get());
        ::DrawTextW(image_.Dc(), ToWide(text).c_str(), static_cast<int>(text.size()), &area,
                    format);
        rect = {area.left, area.top, area.right, area.bottom};
        return;
    }
    const UINT reading = TextsReadRightToLeft() ? DT_RTLREADING : 0;
    image_.Text(text, area, format | reading, ResolveColor(color), transparent, hfont_);
    Invalidate();
}

void PictureWindow::Invalidate() {
    // One request per repaint: a drawing of 256 strokes would otherwise ask
    // the window system 256 times. None while the box is not shown: showing
    // it paints it, and that paint clears the flag.
    if (!invalidated_) {
        InvalidateIfShown();
        invalidated_ = true;
    }
}

void PictureWindow::Show(HDC dc) {
    HDC image = image_.Rendered();
    RECT client{};
    ::GetClientRect(hwnd_.get(), &client);
    // A mirrored window's image is mirrored already: it is copied as it is,
    // into the device context unmirrored for the copy (a caller's, for
    // WM_PRINTCLIENT, gets its layout back).
    const DWORD layout = ::SetLayout(dc, 0);
    // The image keeps the size it was made at: on a monitor of another DPI it
    // is shown scaled until the window is made again; at its own size it is
    // copied exactly, undithered.
    if (client.right == InnerWidth() && client.bottom == InnerHeight()) {
        ::BitBlt(dc, 0, 0, client.right, client.bottom, image, 0, 0, SRCCOPY);
    } else {
        ::SetStretchBltMode(dc, HALFTONE);
        ::StretchBlt(dc, 0, 0, client.right, client.bottom, image, 0, 0, InnerWidth(),
                     InnerHeight(), SRCCOPY);
    }
    if (layout != GDI_ERROR) {
        ::SetLayout(dc, layout);
    }
}

LRESULT PictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintDc paint(hwnd_.get());
            invalidated_ = false;
            Show(paint.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Show(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_GETFONT:
            // The font the box's text is drawn in now, as any control tells it.
            return reinterpret_cast<LRESULT>(hfont_->get());
        case WM_ERASEBKGND:
            return TRUE;  // the image covers every pixel
        case WM_LBUTTONDOWN:
            ::SetFocus(hwnd_.get());  // it is in the focus order, like any control
            return 0;
        default:
            return PassOn(hwnd_.get(), message, wParam, lParam);
    }
}

}  // namespace quill::win32
