#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "editor/layout.h"
#include "editor/toolkit.h"
#include "win32/font_factory.h"
#include "win32/handles.h"

namespace quill::win32 {

// Where the controls send their events; the toolkit decides whether the
// editor hears them.
class EventRouter {
  public:
    virtual ~EventRouter() = default;
    // Runs the work of a window or subclass procedure behind the error
    // boundary; false if it failed. Never throws.
    virtual bool Guarded(const std::function<void()>& work) noexcept = 0;
    // An event that a user action caused, reported from a window or
    // subclass procedure: runs behind the error boundary.
    virtual void RaiseFromWindows(std::string_view control, ControlEvent event) = 0;
    // An event that a program change caused, nested inside the C++ code
    // that made the change: its errors pass to that code.
    virtual void RaiseNested(std::string_view control, ControlEvent event) = 0;
};

// What every control needs to be created.
struct CreateContext {
    HWND parent;
    HINSTANCE instance;
    int dpi;
    EventRouter& events;
    FontFactory& fonts;
};

// A control's pixel rectangle at a DPI: position and size from the design's
// twips. A line is as thin as one pixel at 96 DPI, scaled.
RECT PixelRectOf(const ControlDesign& design, int dpi);

// One control of the window: its design row and the child window that
// realises it.
class ControlWindow : public virtual Control {
  public:
    explicit ControlWindow(const ControlDesign& design) : design_(design), name_(design.name) {}

    const std::string& Name() const override { return name_; }
    const ControlDesign& Design() const { return design_; }
    HWND Handle() const { return hwnd_.get(); }

    // Moves the control to its place at a new DPI and scales its font.
    virtual void Rescale(int dpi, FontFactory& fonts);

  protected:
    // Creates the child window with the design's place, identifier and
    // common styles (child, visible, clipping its siblings).
    void CreateChild(const CreateContext& context, const wchar_t* windowClass, DWORD style,
                     std::u16string_view text, void* param = nullptr);

    const ControlDesign& design_;
    std::string name_;
    UniqueHwnd hwnd_;
};

// A control whose font is an HFONT sent with WM_SETFONT (the system's own
// controls).
class FontedControl : public ControlWindow {
  public:
    using ControlWindow::ControlWindow;
    void Rescale(int dpi, FontFactory& fonts) override;

  protected:
    void ApplyFont(int dpi, FontFactory& fonts);

    UniqueHfont font_;
};

}  // namespace quill::win32
