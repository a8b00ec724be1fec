#pragma once

#include <memory>

#include "preview/scaled_surface.h"
#include "win32/controls/control_window.h"
#include "win32/controls/retained_image.h"
#include "win32/controls/window_procedure.h"

namespace quill::win32 {

// A picture box: a retained image (win32/controls/retained_image.h, the size of the
// client area) that the drawing operations draw on, and that WM_PAINT and
// WM_PRINTCLIENT only show. Which pixels a line covers is ScaledSurface's
// rule; this class fills rectangles and draws text.
class PictureWindow final : public ControlWindow, public PictureBox, public ScaledSurface {
  public:
    static void RegisterWindowClass(HINSTANCE instance);

    PictureWindow(const ControlDesign& design, const CreateContext& context);
    ~PictureWindow() override { DestroyWindow(); }
    PictureWindow(const PictureWindow&) = delete;
    PictureWindow& operator=(const PictureWindow&) = delete;

    FontAttributes Font() const override;
    void SetFontName(std::u16string_view face) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool bold) override;

  protected:
    void FillPixels(const PixelRect& rect, Color color) override;
    void RenderText(std::u16string_view text, TextRect& rect, std::uint32_t format, Color color,
                    bool transparent) override;

  private:
    friend LRESULT CALLBACK ObjectWindowProcedure<PictureWindow>(HWND, UINT, WPARAM,
                                                                 LPARAM) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Show(HDC dc);
    void Invalidate();
    void ReplaceFont();

    FontFactory& fonts_;
    int dpi_;
    FontSpec font_;
    std::shared_ptr<const UniqueHfont> hfont_;  // kept by the text drawn in it until rendered
    RetainedImage image_;
    bool invalidated_ = false;  // a repaint of the whole box is pending, or its first
};

}  // namespace quill::win32
