#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/toolkit.h"
#include "win32/color_dialog.h"
#include "win32/control_window.h"
#include "win32/desktop.h"
#include "win32/error_boundary.h"
#include "win32/font_factory.h"
#include "win32/handles.h"
#include "win32/message_box.h"
#include "win32/window_procedure.h"

namespace quill::win32 {

// The window toolkit over the Win32 (Unicode) API: one top-level window with
// every control of the layout table, created hidden. Events go to the sink;
// an error that leaves a handler is shown with its number and description
// and ends the message loop.
class Toolkit final : public quill::Toolkit, public Window, private EventRouter {
  public:
    explicit Toolkit(HINSTANCE instance = ::GetModuleHandleW(nullptr));
    ~Toolkit() override;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // quill::Toolkit
    Window& Form() override { return *this; }
    Label& LabelNamed(std::string_view name) override;
    CheckBox& CheckBoxNamed(std::string_view name) override;
    ComboBox& ComboBoxNamed(std::string_view name) override;
    CommandButton& ButtonNamed(std::string_view name) override;
    PictureBox& PictureNamed(std::string_view name) override;
    ColorDialog& CommonDialog() override { return colorDialog_; }
    Desktop& Screen() override { return desktop_; }
    MessageBoxPort& Messages() override { return messages_; }
    void SetEventSink(EventSink* sink) override { sink_ = sink; }

    // Window
    std::u16string Caption() const override;
    void SetCaption(std::u16string_view text) override;
    // Hides the window and ends the message loop; later events are dropped.
    void Unload() override;

    // The program's side.
    HWND Handle() const { return window_.get(); }
    HWND ControlHandle(std::string_view name) const;
    bool Unloaded() const { return unloaded_; }
    // Shows the window and gives the first control in the focus order the focus.
    void Show(int showCommand = SW_SHOWNORMAL);
    // Runs work (start-up) behind the error boundary; false if it failed,
    // after the error was shown.
    bool RunGuarded(const std::function<void()>& work) noexcept { return errors_.Run(work); }
    // Dispatches messages (with dialog keys: Tab, Enter, Escape) until the
    // window is unloaded or an error ends the program. Returns the exit code.
    int RunMessageLoop();
    // For tests: where errors are reported instead of a message box.
    ErrorBoundary& Errors() { return errors_; }

  private:
    // EventRouter
    bool Guarded(const std::function<void()>& work) noexcept override { return errors_.Run(work); }
    void RaiseFromWindows(std::string_view control, ControlEvent event) override;
    void RaiseNested(std::string_view control, ControlEvent event) override;

    friend LRESULT CALLBACK ObjectWindowProcedure<Toolkit>(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void ReportError(std::int32_t number, const std::string& description);

    ControlWindow* ControlWithId(int id) const;
    template <typename T>
    T& Named(std::string_view name) const;

    HINSTANCE instance_;
    int dpi_;
    FontFactory fonts_;
    ErrorBoundary errors_;
    UniqueHwnd window_;
    std::vector<std::unique_ptr<ControlWindow>> controls_;  // in the layout table's order
    ColorDialogComponent colorDialog_;
    WindowsDesktop desktop_;
    MessageBox messages_;
    EventSink* sink_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace quill::win32
