#pragma once

#include <windows.h>

#include "win32/controls/control_window.h"
#include "win32/controls/wrapped_procedure.h"

namespace quill::win32 {

// A BS_AUTOCHECKBOX button. Windows sends nothing for a program change of
// the state, so SetValue raises StateChange itself; a user toggle arrives as
// BN_CLICKED at the parent (OnCommand). Its procedure, wrapped in place,
// reports mouse presses and releases, the release after the button has
// toggled.
class CheckBoxWindow final : public FontedControl, public CheckBox {
  public:
    CheckBoxWindow(const ControlDesign& design, const CreateContext& context);
    ~CheckBoxWindow() override = default;  // its wraps go before its window
    CheckBoxWindow(const CheckBoxWindow&) = delete;
    CheckBoxWindow& operator=(const CheckBoxWindow&) = delete;

    int Value() const override;
    void SetValue(int state) override;

    // BN_CLICKED: the user toggled the box.
    void OnCommand(int code) override;

  private:
    LRESULT HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallButton(UINT message, WPARAM wParam, LPARAM lParam);

    WrappedProcedure button_;

    bool held_ = false;  // a mouse button pressed over the box, not yet released
};

// A CBS_DROPDOWN combo box: editable, its list unsorted. It and its edit
// field, which takes the focus, answer a screen reader with its spoken name:
// both their procedures are wrapped in place.
class ComboBoxWindow final : public FontedControl, public ComboBox {
  public:
    ComboBoxWindow(const ControlDesign& design, const CreateContext& context);
    ~ComboBoxWindow() override = default;  // its wraps go before its window
    ComboBoxWindow(const ComboBoxWindow&) = delete;
    ComboBoxWindow& operator=(const ComboBoxWindow&) = delete;

    void AddItem(std::u16string_view text) override;
    int ListCount() const override;
    std::u16string List(int index) const override;
    std::u16string Text() const override;
    void SetText(std::u16string_view text) override;

    void Rescale(int dpi, FontFactory& fonts) override;

    // CBN_SELCHANGE: an entry was chosen from the list; CBN_DROPDOWN: the
    // list is about to show.
    void OnCommand(int code) override;

  private:
    void WrapToName(WrappedProcedure& wrap, HWND window);
    void FitHeight(int dpi);

    HWND listFilling_ = nullptr;  // the list, filled while not redrawn, until it drops down
    WrappedProcedure combo_;
    WrappedProcedure edit_;  // the edit field's; none wrapped where the box has none
};

// A push button; the one that Enter presses is the window's default button.
class CommandButtonWindow final : public FontedControl, public CommandButton {
  public:
    CommandButtonWindow(const ControlDesign& design, const CreateContext& context);

    bool Enabled() const override;
    void SetEnabled(bool enabled) override;

    // BN_CLICKED (or Escape for the cancel button).
    void OnCommand(int code) override;
};

}  // namespace quill::win32
