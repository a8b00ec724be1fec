#pragma once

#include <windows.h>

#include <array>

#include "ports/color_chooser.h"

namespace quill::win32 {

// The colour chooser as the common colour dialog (ChooseColorW), opened in
// full with its custom colours. They live as long as this object, so they
// survive from one opening to the next.
class ColorDialog final : public ColorChooser {
  public:
    explicit ColorDialog(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    std::optional<Color> Choose(Color initial) override;

  private:
    HWND owner_;
    std::array<COLORREF, 16> customColors_{};
};

}  // namespace quill::win32
