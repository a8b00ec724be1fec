#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "ports/toolkit.h"
#include "win32/controls/control_window.h"
#include "win32/controls/spoken_name.h"
#include "win32/controls/window_procedure.h"
#include "win32/services/color_dialog.h"
#include "win32/services/desktop.h"
#include "win32/services/error_boundary.h"
#include "win32/services/font_factory.h"
#include "win32/services/handles.h"
#include "win32/services/message_box.h"
#include "win32/services/string_resources.h"
#include "win32/window/form_design.h"

namespace quill::win32 {

// The program's window over the Win32 (Unicode) API, and the editor's
// toolkit: one top-level window with every control of the design table,
// created hidden. Events go to the sink;
// an error that leaves a handler is shown with its number and description
// and ends the message loop.
class FormWindow final : public quill::Toolkit, public Window, private EventRouter {
  public:
    explicit FormWindow(HINSTANCE instance = ::GetModuleHandleW(nullptr),
                        const SpokenNameLibraries& spokenNameLibraries = {});
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // quill::Toolkit
    Window& Form() override { return *this; }
    Label& LabelNamed(std::string_view name) override;
    CheckBox& CheckBoxNamed(std::string_view name) override;
    ComboBox& ComboBoxNamed(std::string_view name) override;
    CommandButton& ButtonNamed(std::string_view name) override;
    PictureBox& PictureNamed(std::string_view name) override;
    ColorChooser& CommonDialog() override { return colorDialog_; }
    Desktop& Screen() override { return desktop_; }
    MessageBoxPort& Messages() override { return messages_; }
    std::u16string Text(TextId id) const override { return LoadText(id); }
    void SetEventSink(EventSink* sink) override { sink_ = sink; }

    // Window
    std::u16string Caption() const override;
    void SetCaption(std::u16string_view text) override;
    // Hides the window and ends the message loop; later events are dropped.
    void Unload() override;

    // The program's side.
    HWND Handle() const { return window_.get(); }
    ErrorBoundary& Errors() { return errors_; }
    // Shows the window and gives the first control in the focus order the focus.
    void Show(int showCommand = SW_SHOWNORMAL);
    // Dispatches messages (with dialog keys: Tab, Enter, Escape) until the
    // window is unloaded or an error ends the program. Returns the exit code.
    int RunMessageLoop();

  private:
    // One control of the layout table, with the port it offers.
    struct Row {
        std::unique_ptr<ControlWindow> window;
        Label* label = nullptr;
        CheckBox* checkBox = nullptr;
        ComboBox* comboBox = nullptr;
        CommandButton* button = nullptr;
        PictureBox* picture = nullptr;
    };
    static Row CreateControl(const ControlDesign& design, const CreateContext& context);
    template <typename ControlClass, typename Port>
    static Row Realise(const ControlDesign& design, const CreateContext& context, Port* Row::*port);
    template <typename Port>
    Port& Named(Port* Row::*port, std::string_view name);

    // Destroys the controls and then the window, while this object is whole.
    void TearDown() noexcept;

    // EventRouter
    void RaiseFromWindows(std::string_view control, ControlEvent event) override;
    void RaiseNested(std::string_view control, ControlEvent event) override;

    friend LRESULT CALLBACK ObjectWindowProcedure<FormWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void ReportError(const AppError& error);

    HINSTANCE instance_;
    int dpi_;
    FormControls designs_;  // in the texts' language; the controls keep theirs
    FontFactory fonts_;
    ErrorBoundary errors_;
    SpokenNames spokenNames_;  // outlives the controls that answer with it
    UniqueHwnd window_;
    std::vector<Row> rows_;  // in the layout table's order
    ColorDialog colorDialog_;
    WindowsDesktop desktop_;
    AppMessageBox messages_;
    EventSink* sink_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace quill::win32
