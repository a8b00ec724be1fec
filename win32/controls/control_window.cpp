#include "win32/controls/control_window.h"

#include <algorithm>

#include "win32/services/dpi.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"
#include "win32/services/windows_error.h"

namespace quill::win32 {

RECT PixelRectOf(const ControlDesign& design, int dpi) {
    const int left = TwipsToPixels(design.left, dpi);
    const int top = TwipsToPixels(design.top, dpi);
    if (design.kind == ControlKind::Line) {  // horizontal, one pixel thick at 96 DPI
        const int thickness = std::max(1, dpi / USER_DEFAULT_SCREEN_DPI);
        return {left, top, TwipsToPixels(design.left + design.width, dpi), top + thickness};
    }
    return {left, top, left + TwipsToPixels(design.width, dpi),
            top + TwipsToPixels(design.height, dpi)};
}

FontSpec SpecOf(const FontDesign& design, const FontDesign& windowFont) {
    const FontDesign& font = design.face.empty() ? windowFont : design;
    // A face of the design's own character set keeps it; the others show the
    // texts, in whatever language they are.
    return {std::u16string(font.face), font.points, font.bold,
            font.charset == DEFAULT_CHARSET ? TextCharset() : font.charset};
}

ControlWindow::ControlWindow(const ControlDesign& design, const CreateContext& context)
    : design_(design),
      events_(context.events),
      errors_(context.errors),
      windowFont_(context.windowFont),
      id_(context.id),
      spokenNames_(context.spokenNames),
      spokenName_(LoadText(design.spoken)) {}

void ControlWindow::CreateChild(const CreateContext& context, const wchar_t* windowClass,
                                DWORD style, std::u16string_view text, void* param) {
    const RECT place = PixelRectOf(design_, context.dpi);
    const std::wstring caption = ToWide(text);
    hwnd_.reset(::CreateWindowExW(
        0, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
        place.left, place.top, place.right - place.left, place.bottom - place.top, context.parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), context.instance, param));
    if (!hwnd_) {
        ThrowLastError("CreateWindowExW");
    }
}

LRESULT ControlWindow::PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              const WrappedProcedure* own) const {
    if (message == WM_GETOBJECT) {
        if (const LRESULT object = spokenNames_.Answer(window, wParam, lParam, spokenName_);
            object != 0) {
            return object;
        }
    }
    return own != nullptr ? own->CallOwn(message, wParam, lParam)
                          : ::DefWindowProcW(window, message, wParam, lParam);
}

void ControlWindow::InvalidateIfShown() const {
    if (::IsWindowVisible(hwnd_.get())) {
        ::InvalidateRect(hwnd_.get(), nullptr, FALSE);
    }
}

void ControlWindow::Rescale(int dpi, FontFactory&) {
    const RECT place = PixelRectOf(design_, dpi);
    ::SetWindowPos(hwnd_.get(), nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FontedControl::ApplyFont(int dpi, FontFactory& fonts) {
    UniqueHfont font = fonts.Create(DesignedFont(), dpi);
    ::SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);  // the old font is freed only once the control lets go of it
}

void FontedControl::Rescale(int dpi, FontFactory& fonts) {
    ControlWindow::Rescale(dpi, fonts);
    ApplyFont(dpi, fonts);
}

}  // namespace quill::win32
