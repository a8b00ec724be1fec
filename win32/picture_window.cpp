#include "win32/picture_window.h"

#include "win32/dpi.h"
#include "win32/gdi_color.h"

namespace quill::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuillmarPicture";

}  // namespace

void PictureWindow::RegisterWindowClass(HINSTANCE instance) {
    RegisterObjectWindowClass<PictureWindow>(instance, kClassName);
}

PictureWindow::PictureWindow(const ControlDesign& design, const CreateContext& context)
    : ControlWindow(design, context),
      // The image is the size of the box at the DPI it is made at.
      ScaledSurface(TwipsToPixels(design.width, context.dpi),
                    TwipsToPixels(design.height, context.dpi)),
      fonts_(context.fonts),
      dpi_(context.dpi),
      font_(SpecOf(design.font)),
      hfont_(context.fonts.Create(font_, context.dpi)),
      imageDc_(::CreateCompatibleDC(nullptr)) {
    if (!imageDc_) {
        ThrowLastError("CreateCompatibleDC");
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = InnerWidth();
    info.bmiHeader.biHeight = -InnerHeight();  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    image_.reset(::CreateDIBSection(imageDc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!image_) {
        ThrowLastError("CreateDIBSection");
    }
    imageSelected_.emplace(imageDc_.get(), image_.get());

    // Until the first drawing the image shows the box's background.
    RECT all{0, 0, InnerWidth(), InnerHeight()};
    ::SetDCBrushColor(imageDc_.get(), ResolveColor(design.back));
    ::FillRect(imageDc_.get(), &all, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));

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
    hfont_ = fonts_.Create(font_, dpi_);
}

void PictureWindow::FillPixels(const PixelRect& rect, Color color) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::SetDCBrushColor(imageDc_.get(), ResolveColor(color));
    ::FillRect(imageDc_.get(), &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    Invalidate();
}

void PictureWindow::RenderText(std::string_view text, TextRect& rect, std::uint32_t format,
                               Color color, bool transparent) {
    HDC dc = imageDc_.get();
    ScopedSelect font(dc, hfont_.get());
    ::SetTextColor(dc, ResolveColor(color));
    ::SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area, format);
    rect = {area.left, area.top, area.right, area.bottom};  // DT_CALCRECT reports back here
    Invalidate();
}

void PictureWindow::Invalidate() {
    // One request per repaint: a drawing of 256 strokes would otherwise ask
    // the window system 256 times.
    if (!invalidated_) {
        ::InvalidateRect(hwnd_.get(), nullptr, FALSE);
        invalidated_ = true;
    }
}

void PictureWindow::Paint() {
    PaintDc paint(hwnd_.get());
    invalidated_ = false;
    RECT client{};
    ::GetClientRect(hwnd_.get(), &client);
    // The image keeps the size it was made at: on a monitor of another DPI it
    // is shown scaled until the window is made again; at its own size it is
    // copied exactly, undithered.
    if (client.right == InnerWidth() && client.bottom == InnerHeight()) {
        ::BitBlt(paint.get(), 0, 0, client.right, client.bottom, imageDc_.get(), 0, 0, SRCCOPY);
        return;
    }
    ::SetStretchBltMode(paint.get(), HALFTONE);
    ::StretchBlt(paint.get(), 0, 0, client.right, client.bottom, imageDc_.get(), 0, 0, InnerWidth(),
                 InnerHeight(), SRCCOPY);
}

LRESULT PictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;  // the image covers every pixel
        case WM_LBUTTONDOWN:
            ::SetFocus(hwnd_.get());  // it is in the focus order, like any control
            return 0;
        default:
            return ::DefWindowProcW(hwnd_.get(), message, wParam, lParam);
    }
}

}  // namespace quill::win32
