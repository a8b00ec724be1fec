#pragma once

#include <windows.h>

#include <commdlg.h>

#include <array>

#include "ports/color_chooser.h"
#include "win32/services/handles.h"

namespace quill::win32 {

// The colour chooser as the common colour dialog (ChooseColorW), opened in
// full with its custom colours. They live as long as this object, so they
// survive from one opening to the next. The dialog's library is loaded on
// the first opening, not at start-up (under Wine it brings in the printing
// and shell libraries), and kept from then on.
class ColorDialog final : public ColorChooser {
  public:
    explicit ColorDialog(HWND owner = nullptr, const wchar_t* library = L"comdlg32.dll")
        : owner_(owner), libraryName_(library) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    // Nothing chosen when the dialog is cancelled or cannot open, its
    // library missing included.
    std::optional<Color> Choose(Color initial) override;

  private:
    using ChooseColorFunction = BOOL(WINAPI*)(CHOOSECOLORW*);
    ChooseColorFunction LoadChooseColor();

    HWND owner_;
    const wchar_t* libraryName_;  // in the system folder
    UniqueModule library_;
    ChooseColorFunction chooseColor_ = nullptr;
    std::array<COLORREF, 16> customColors_{};
};

}  // namespace quill::win32
