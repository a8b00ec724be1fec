#include "win32/window/form_window.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "win32/controls/label_window.h"
#include "win32/controls/picture_window.h"
#include "win32/controls/standard_controls.h"
#include "win32/controls/window_procedure.h"
#include "win32/resources/program_icon.h"
#include "win32/services/dpi.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"

namespace quill::win32 {
namespace {

constexpr wchar_t kFormClassName[] = L"QuillmarForm";
// The window clips its children from its first paint on (Show): made clipping
// them, showing it would erase each child on its own before painting it,
// which under Wine is three requests to the server a child.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// In a language read from right to left the window is mirrored: its origin
// moves to the right edge, and its children and their device contexts
// inherit the mirroring, so the design's places need no change.
DWORD FormExStyle() {
    return kFormExStyle | (TextsReadRightToLeft() ? WS_EX_LAYOUTRTL : 0);
}

// The identifier of the button that a dialog key presses.
int ButtonIdFor(DialogKey key) {
    for (const ControlDesign& design : kFormControls) {
        if (design.key == key) {
            return ControlIdOf(design.name);
        }
    }
    return 0;
}

// Sibling order is both the focus order (Tab follows it) and the stacking of
// overlapping controls: the focus order first, then the overlapping labels
// front to back, then the rest in the table's order.
std::vector<std::size_t> SiblingOrder() {
    auto key = [](std::size_t row) {
        const ControlDesign& d = kFormControls[row];
        return std::tuple{d.tabIndex < 0, d.stackRank < 0, d.tabIndex, d.stackRank};
    };
    std::vector<std::size_t> rows(kFormControls.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    return rows;
}

// The program's icon in the size the system uses for METRIC. Shared: the
// system keeps one copy per module and size, and frees it with the module.
HICON ProgramIcon(HINSTANCE instance, int metric) {
    const int size = ::GetSystemMetrics(metric);
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(QUILL_PROGRAM_ICON),
                                           IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance, const SpokenNameLibraries& spokenNameLibraries)
    : instance_(instance),
      dpi_(SystemDpi()),
      designs_(FormControlsIn(TextLanguage())),
      errors_([this](const AppError& error) { ReportError(error); }),
      spokenNames_(spokenNameLibraries) {
    RegisterObjectWindowClass<FormWindow>(
        instance_, kFormClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
        ProgramIcon(instance_, SM_CXICON), ProgramIcon(instance_, SM_CXSMICON));
    LabelWindow::RegisterWindowClass(instance_);
    PictureWindow::RegisterWindowClass(instance_);

    RECT frame{0, 0, TwipsToPixels(kFormDesign.clientWidth, dpi_),
               TwipsToPixels(kFormDesign.clientHeight, dpi_)};
    ::AdjustWindowRectEx(&frame, kFormStyle, FALSE, FormExStyle());
    const std::wstring caption = ToWide(LoadText(kFormDesign.caption));
    window_.reset(::CreateWindowExW(FormExStyle(), kFormClassName, caption.c_str(), kFormStyle,
                                    CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                    frame.bottom - frame.top, nullptr, nullptr, instance_, this));
    if (!window_) {
        ThrowLastError("CreateWindowExW");
    }
    colorDialog_.SetOwner(window_.get());
    messages_.SetOwner(window_.get());

    // A new child goes below its siblings, so creating the controls in
    // sibling order gives both the focus order and the stacking at once.
    rows_.resize(kFormControls.size());
    try {
        for (const std::size_t row : SiblingOrder()) {
            const CreateContext context{window_.get(), instance_,        dpi_,
                                        *this,         errors_,          fonts_,
                                        spokenNames_,  kFormDesign.font, ControlIdAt(row)};
            rows_[row] = CreateControl(designs_[row], context);
        }
    } catch (...) {
        // No destructor runs for an object not made: undo in its order.
        TearDown();
        throw;
    }
}

FormWindow::~FormWindow() {
    TearDown();
}

void FormWindow::TearDown() noexcept {
    sink_ = nullptr;
    // Children first, the last row first, then the window itself, while this
    // object is whole. Each control leaves the table before it is destroyed:
    // a notification sent meanwhile finds no row for it.
    while (!rows_.empty()) {
        const Row leaving = std::move(rows_.back());
        rows_.pop_back();
    }
    window_.reset();
}

template <typename ControlClass, typename Port>
FormWindow::Row FormWindow::Realise(const ControlDesign& design, const CreateContext& context,
                                    Port* Row::*port) {
    Row row;
    auto control = std::make_unique<ControlClass>(design, context);
    if (port != nullptr) {
        row.*port = control.get();
    }
    row.window = std::move(control);
    return row;
}

FormWindow::Row FormWindow::CreateControl(const ControlDesign& design,
                                          const CreateContext& context) {
    switch (design.kind) {
        case ControlKind::Label:
        case ControlKind::Swatch:
            return Realise<LabelWindow>(design, context, &Row::label);
        case ControlKind::Line:  // a label the editor never reaches
            return Realise<LabelWindow>(design, context, static_cast<Label * Row::*>(nullptr));
        case ControlKind::CheckBox:
            return Realise<CheckBoxWindow>(design, context, &Row::checkBox);
        case ControlKind::ComboBox:
            return Realise<ComboBoxWindow>(design, context, &Row::comboBox);
        case ControlKind::CommandButton:
            return Realise<CommandButtonWindow>(design, context, &Row::button);
        case ControlKind::PictureBox:
            return Realise<PictureWindow>(design, context, &Row::picture);
    }
    throw std::logic_error("unknown control kind");
}

template <typename Port>
Port& FormWindow::Named(Port* Row::*port, std::string_view name) {
    Port* control = rows_.at(static_cast<std::size_t>(ControlIdOf(name) - kFirstControlId)).*port;
    if (control == nullptr) {
        throw std::invalid_argument("control " + std::string(name) + " is of another kind");
    }
    return *control;
}

Label& FormWindow::LabelNamed(std::string_view name) {
    return Named(&Row::label, name);
}
CheckBox& FormWindow::CheckBoxNamed(std::string_view name) {
    return Named(&Row::checkBox, name);
}
ComboBox& FormWindow::ComboBoxNamed(std::string_view name) {
    return Named(&Row::comboBox, name);
}
CommandButton& FormWindow::ButtonNamed(std::string_view name) {
    return Named(&Row::button, name);
}
PictureBox& FormWindow::PictureNamed(std::string_view name) {
    return Named(&Row::picture, name);
}

std::u16string FormWindow::Caption() const {
    return WindowText(window_.get());
}

void FormWindow::SetCaption(std::u16string_view text) {
    ::SetWindowTextW(window_.get(), ToWide(text).c_str());
}

void FormWindow::Unload() {
    unloaded_ = true;
    ::ShowWindow(window_.get(), SW_HIDE);
    ::PostMessageW(window_.get(), WM_NULL, 0, 0);  // wakes the message loop to end
}

void FormWindow::Show(int showCommand) {
    ::ShowWindow(window_.get(), showCommand);
    ::UpdateWindow(window_.get());
    const LONG_PTR style = ::GetWindowLongPtrW(window_.get(), GWL_STYLE);
    if ((style & WS_CLIPCHILDREN) == 0) {
        ::SetWindowLongPtrW(window_.get(), GWL_STYLE, style | WS_CLIPCHILDREN);
    }
    HWND first = ::GetNextDlgTabItem(window_.get(), nullptr, FALSE);
    if (first != nullptr) {
        ::SetFocus(first);
    }
}

int FormWindow::RunMessageLoop() {
    MSG message{};
    // A quit message (the session ends) or a failure of GetMessage ends it too.
    while (!unloaded_ && !errors_.Failed() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(window_.get(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return errors_.Failed() ? kExitAfterError : 0;
}

void FormWindow::ReportError(const AppError& error) {
    messages_.ShowMessage(ErrorMessageText(error));
    ::ShowWindow(window_.get(), SW_HIDE);
    ::PostMessageW(window_.get(), WM_NULL, 0, 0);  // wakes the message loop to end
}

void FormWindow::RaiseFromWindows(std::string_view control, ControlEvent event) {
    if (sink_ == nullptr || unloaded_ || errors_.Failed()) {
        return;
    }
    errors_.Run([&] { sink_->OnEvent(control, event); });
}

void FormWindow::RaiseNested(std::string_view control, ControlEvent event) {
    if (sink_ != nullptr && !unloaded_) {
        sink_->OnEvent(control, event);
    }
}

void FormWindow::OnCommand(int id, int code) {
    if (id == IDCANCEL) {
        // Escape, through IsDialogMessage: the cancel button.
        id = ButtonIdFor(DialogKey::Escape);
        code = BN_CLICKED;
    }
    // A control that is not made yet (they are made one by one) hears nothing.
    const auto row = static_cast<std::size_t>(id - kFirstControlId);
    if (row < rows_.size() && rows_[row].window != nullptr) {
        rows_[row].window->OnCommand(code);
    }
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Row& row : rows_) {
        row.window->Rescale(dpi, fonts_);
    }
    ::InvalidateRect(window_.get(), nullptr, TRUE);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID:
            // Enter presses Apply (IsDialogMessage skips it while disabled).
            return MAKELRESULT(ButtonIdFor(DialogKey::Enter), DC_HASDEFID);
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_ACTIVATE:
            // Keyboard focus comes back to where it was when the window was left.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                lastFocus_ = ::IsChild(window_.get(), focus) ? focus : nullptr;
            } else if (lastFocus_ != nullptr && ::IsWindowEnabled(lastFocus_)) {
                ::SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window_.get(), message, wParam, lParam);
}

}  // namespace quill::win32
