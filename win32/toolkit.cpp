#include "win32/toolkit.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

#include "win32/dpi.h"
#include "win32/label_window.h"
#include "win32/picture_window.h"
#include "win32/standard_controls.h"
#include "win32/wide_text.h"
#include "win32/window_procedure.h"

namespace quill::win32 {
namespace {

constexpr wchar_t kFormClassName[] = L"QuillmarForm";
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kExitAfterError = 1;

std::unique_ptr<ControlWindow> CreateControl(const ControlDesign& design,
                                             const CreateContext& context) {
    switch (design.kind) {
        case ControlKind::Label:
        case ControlKind::Swatch:
        case ControlKind::Line:
            return std::make_unique<LabelWindow>(design, context);
        case ControlKind::CheckBox:
            return std::make_unique<CheckBoxWindow>(design, context);
        case ControlKind::ComboBox:
            return std::make_unique<ComboBoxWindow>(design, context);
        case ControlKind::CommandButton:
            return std::make_unique<CommandButtonWindow>(design, context);
        case ControlKind::PictureBox:
            return std::make_unique<PictureWindow>(design, context);
    }
    throw std::logic_error("unknown control kind");
}

// Sibling order is both the focus order (Tab follows it) and the stacking of
// overlapping controls: the focus order first, then the overlapping labels
// front to back, then the rest in the table's order.
std::vector<std::size_t> SiblingOrder() {
    auto key = [](std::size_t row) {
        const ControlDesign& design = kFormControls[row];
        if (design.tabIndex >= 0) {
            return std::pair{0, design.tabIndex};
        }
        if (design.stackRank >= 0) {
            return std::pair{1, design.stackRank};
        }
        return std::pair{2, 0};
    };
    std::vector<std::size_t> rows(kFormControls.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    return rows;
}

}  // namespace

Toolkit::Toolkit(HINSTANCE instance)
    : instance_(instance),
      dpi_(SystemDpi()),
      errors_([this](std::int32_t number, const std::string& description) {
          ReportError(number, description);
      }) {
    RegisterObjectWindowClass<Toolkit>(instance_, kFormClassName,
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    LabelWindow::RegisterWindowClass(instance_);
    PictureWindow::RegisterWindowClass(instance_);

    RECT frame{0, 0, TwipsToPixels(kFormDesign.clientWidth, dpi_),
               TwipsToPixels(kFormDesign.clientHeight, dpi_)};
    ::AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    const std::wstring caption = ToWide(kFormDesign.caption);
    window_.reset(::CreateWindowExW(kFormExStyle, kFormClassName, caption.c_str(), kFormStyle,
                                    CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                    frame.bottom - frame.top, nullptr, nullptr, instance_, this));
    if (!window_) {
        throw std::runtime_error("the window could not be created");
    }
    colorDialog_.SetOwner(window_.get());
    messages_.SetOwner(window_.get());

    const CreateContext context{window_.get(), instance_, dpi_, *this, fonts_};
    // A new child goes below its siblings, so creating the controls in
    // sibling order gives both the focus order and the stacking at once.
    controls_.resize(kFormControls.size());
    for (const std::size_t row : SiblingOrder()) {
        controls_[row] = CreateControl(kFormControls[row], context);
    }
}

Toolkit::~Toolkit() {
    sink_ = nullptr;
    // Children first, the newest first; a control that is going is already
    // out of the list, so the window procedure no longer finds it.
    while (!controls_.empty()) {
        controls_.pop_back();
    }
    window_.reset();
}

template <typename T>
T& Toolkit::Named(std::string_view name) const {
    const std::size_t row = static_cast<std::size_t>(ControlIdOf(name) - kFirstControlId);
    auto* control = dynamic_cast<T*>(controls_.at(row).get());
    if (control == nullptr || controls_[row]->Design().kind == ControlKind::Line) {
        throw std::invalid_argument("control " + std::string(name) + " is of another kind");
    }
    return *control;
}

Label& Toolkit::LabelNamed(std::string_view name) {
    return Named<LabelWindow>(name);
}
CheckBox& Toolkit::CheckBoxNamed(std::string_view name) {
    return Named<CheckBoxWindow>(name);
}
ComboBox& Toolkit::ComboBoxNamed(std::string_view name) {
    return Named<ComboBoxWindow>(name);
}
CommandButton& Toolkit::ButtonNamed(std::string_view name) {
    return Named<CommandButtonWindow>(name);
}
PictureBox& Toolkit::PictureNamed(std::string_view name) {
    return Named<PictureWindow>(name);
}

HWND Toolkit::ControlHandle(std::string_view name) const {
    return controls_.at(static_cast<std::size_t>(ControlIdOf(name) - kFirstControlId))->Handle();
}

ControlWindow* Toolkit::ControlWithId(int id) const {
    const int row = id - kFirstControlId;
    return row >= 0 && row < static_cast<int>(controls_.size()) ? controls_[row].get() : nullptr;
}

std::u16string Toolkit::Caption() const {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window_.get())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window_.get(), text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

void Toolkit::SetCaption(std::u16string_view text) {
    ::SetWindowTextW(window_.get(), ToWide(text).c_str());
}

void Toolkit::Unload() {
    unloaded_ = true;
    ::ShowWindow(window_.get(), SW_HIDE);
    ::PostMessageW(window_.get(), WM_NULL, 0, 0);  // wakes the message loop to end
}

void Toolkit::Show(int showCommand) {
    ::ShowWindow(window_.get(), showCommand);
    ::UpdateWindow(window_.get());
    HWND first = ::GetNextDlgTabItem(window_.get(), nullptr, FALSE);
    if (first != nullptr) {
        ::SetFocus(first);
    }
}

int Toolkit::RunMessageLoop() {
    MSG message{};
    while (!unloaded_ && !errors_.Failed() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(window_.get(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (message.message == WM_QUIT) {
        return static_cast<int>(message.wParam);
    }
    return errors_.Failed() ? kExitAfterError : 0;
}

void Toolkit::ReportError(std::int32_t number, const std::string& description) {
    messages_.ShowMessage(ErrorMessageText(number, description));
    ::ShowWindow(window_.get(), SW_HIDE);
    ::PostMessageW(window_.get(), WM_NULL, 0, 0);  // wakes the message loop to end
}

void Toolkit::RaiseFromWindows(std::string_view control, ControlEvent event) {
    if (sink_ == nullptr || unloaded_ || errors_.Failed()) {
        return;
    }
    errors_.Run([&] { sink_->OnEvent(control, event); });
}

void Toolkit::RaiseNested(std::string_view control, ControlEvent event) {
    if (sink_ != nullptr && !unloaded_) {
        sink_->OnEvent(control, event);
    }
}

void Toolkit::OnCommand(int id, int code) {
    if (id == IDCANCEL) {
        // Escape, through IsDialogMessage: the Cancel button.
        id = ControlIdOf("Command2");
        code = BN_CLICKED;
    }
    ControlWindow* control = ControlWithId(id);
    if (control == nullptr) {
        return;
    }
    if (auto* button = dynamic_cast<CommandButtonWindow*>(control); button && code == BN_CLICKED) {
        button->OnClicked();
    } else if (auto* box = dynamic_cast<CheckBoxWindow*>(control); box && code == BN_CLICKED) {
        box->OnClicked();
    } else if (auto* combo = dynamic_cast<ComboBoxWindow*>(control);
               combo && code == CBN_SELCHANGE) {
        combo->OnSelectionChange();
    }
}

void Toolkit::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : controls_) {
        control->Rescale(dpi, fonts_);
    }
    ::InvalidateRect(window_.get(), nullptr, TRUE);
}

LRESULT Toolkit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID:
            // Enter presses Apply (IsDialogMessage skips it while disabled).
            return MAKELRESULT(ControlIdOf("btnApply"), DC_HASDEFID);
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
