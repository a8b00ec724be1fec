#pragma once

#include <windows.h>

#include <array>

#include "ports/color_dialog.h"

namespace quill::win32 {

// The colour dialog component over the common colour dialog (ChooseColorW).
// Its 16 custom colours live as long as the component, so they survive from
// one showing to the next.
class ColorDialogComponent final : public ColorDialog {
  public:
    explicit ColorDialogComponent(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    void SetCancelError(bool raise) override { cancelError_ = raise; }
    void SetFlags(std::int32_t flags) override { flags_ = flags; }
    void SetColor(Color c) override { color_ = c; }
    Color GetColor() const override { return color_; }
    // Modal. A cancel changes nothing and, with CancelError set, throws
    // AppError(kCancelErrorNumber, kCancelErrorText).
    void ShowColor() override;

  private:
    HWND owner_;
    bool cancelError_ = false;
    std::int32_t flags_ = 0;
    Color color_ = 0;
    std::array<COLORREF, 16> customColors_{};
};

}  // namespace quill::win32
