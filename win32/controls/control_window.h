#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ports/toolkit.h"
#include "win32/controls/control_design.h"
#include "win32/controls/spoken_name.h"
#include "win32/controls/wrapped_procedure.h"
#include "win32/services/error_boundary.h"
#include "win32/services/font_factory.h"
#include "win32/services/handles.h"

namespace quill::win32 {

// Where the controls send their events; the toolkit decides whether the
// editor hears them.
class EventRouter {
  public:
    virtual ~EventRouter() = default;
    // An event that a user action caused, reported from a window procedure:
    // runs behind the error boundary.
    virtual void RaiseFromWindows(std::string_view control, ControlEvent event) = 0;
    // An event that a program change caused, nested inside the C++ code that
    // made the change: its errors pass to that code.
    virtual void RaiseNested(std::string_view control, ControlEvent event) = 0;
};

// What every control needs to be created.
struct CreateContext {
    HWND parent;
    HINSTANCE instance;
    int dpi;
    EventRouter& events;
    ErrorBoundary& errors;
    FontFactory& fonts;
    SpokenNames& spokenNames;
    const FontDesign& windowFont;  // for the rows whose face is empty
    int id;                        // the control's identifier among the window's
};

// The font of a design row; an empty face means the window font.
FontSpec SpecOf(const FontDesign& design, const FontDesign& windowFont);

// A control's pixel rectangle at a DPI: position and size from the design's
// twips. A line is horizontal and as thin as one pixel at 96 DPI, scaled.
RECT PixelRectOf(const ControlDesign& design, int dpi);

// One control of the window: its design row and the child window that
// realises it. A leaf destroys its window first thing in its destructor, so
// that no message reaches a part of it that is already gone.
class ControlWindow {
  public:
    ControlWindow(const ControlDesign& design, const CreateContext& context);
    virtual ~ControlWindow() = default;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND Handle() const { return hwnd_.get(); }
    ErrorBoundary& Errors() const { return errors_; }

    // A WM_COMMAND notification the control sent its parent.
    virtual void OnCommand(int /*code*/) {}
    // Moves the control to its place at a new DPI and scales its font.
    virtual void Rescale(int dpi, FontFactory& fonts);

  protected:
    // Creates the child window with the design's place, identifier and
    // common styles (child, visible, clipping its siblings).
    void CreateChild(const CreateContext& context, const wchar_t* windowClass, DWORD style,
                     std::u16string_view text, void* param = nullptr);
    void DestroyWindow() { hwnd_.reset(); }
    // Asks for the whole control to be painted again; not while it is not
    // shown, as showing it paints it whole (under Wine every request goes to
    // the window server).
    void InvalidateIfShown() const;
    // A message that the control's own handling leaves, for `window` (the
    // control's or one inside it): the question for the client object gets
    // the control's spoken name; the rest, and what that cannot answer, goes
    // to the window's own procedure: `own`'s for a wrapped system control,
    // DefWindowProc for our classes.
    LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   const WrappedProcedure* own = nullptr) const;

    // The font its design row gives it.
    FontSpec DesignedFont() const { return SpecOf(design_.font, windowFont_); }

    const ControlDesign& design_;
    EventRouter& events_;
    ErrorBoundary& errors_;
    UniqueHwnd hwnd_;

  private:
    const FontDesign& windowFont_;
    int id_;
    SpokenNames& spokenNames_;
    std::u16string spokenName_;  // empty: a screen reader takes the caption
};

// A control of the system's own classes, whose font is an HFONT sent with
// WM_SETFONT; the window goes before the font.
class FontedControl : public ControlWindow {
  public:
    using ControlWindow::ControlWindow;
    ~FontedControl() override { DestroyWindow(); }
    FontedControl(const FontedControl&) = delete;
    FontedControl& operator=(const FontedControl&) = delete;
    void Rescale(int dpi, FontFactory& fonts) override;

  protected:
    void ApplyFont(int dpi, FontFactory& fonts);

    UniqueHfont font_;
};

}  // namespace quill::win32
