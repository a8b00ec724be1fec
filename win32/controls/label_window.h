#pragma once

#include "win32/controls/control_window.h"
#include "win32/controls/window_procedure.h"

namespace quill::win32 {

// A label, swatch or line: a child window of its own class that paints its
// background, border and caption itself, so that any colour (system-colour
// references included) is shown and read back exactly as set.
class LabelWindow final : public ControlWindow, public Label {
  public:
    static void RegisterWindowClass(HINSTANCE instance);

    LabelWindow(const ControlDesign& design, const CreateContext& context);
    ~LabelWindow() override { DestroyWindow(); }
    LabelWindow(const LabelWindow&) = delete;
    LabelWindow& operator=(const LabelWindow&) = delete;

    Color BackColor() const override { return back_; }
    void SetBackColor(Color c) override;
    Color ForeColor() const override { return fore_; }
    void SetForeColor(Color c) override;
    std::u16string Caption() const override { return caption_; }
    void SetCaption(std::u16string_view text) override;
    std::u16string FontName() const override { return font_.face; }
    void SetFontName(std::u16string_view face) override;

    void Rescale(int dpi, FontFactory& fonts) override;

  private:
    friend LRESULT CALLBACK ObjectWindowProcedure<LabelWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void Repaint() const;

    FontFactory& fonts_;
    int dpi_;
    Color back_;
    Color fore_;
    std::u16string caption_;
    FontSpec font_;
    UniqueHfont hfont_;
    bool pressed_ = false;
};

}  // namespace quill::win32
