#pragma once

#include <cstdint>

#include "appearance/color_text.h"

namespace quill {

// The modal colour chooser, with the members of the classic colour dialog
// component. ShowColor returns when the user closes the dialog; a cancel
// throws AppError(kCancelErrorNumber, kCancelErrorText) when CancelError is
// set, and changes nothing.
class ColorDialog {
  public:
    virtual ~ColorDialog() = default;
    virtual void SetCancelError(bool raise) = 0;
    virtual void SetFlags(std::int32_t flags) = 0;
    virtual void SetColor(Color c) = 0;
    virtual Color GetColor() const = 0;
    virtual void ShowColor() = 0;
};

inline constexpr std::int32_t kColorDialogRgbInit = 1;   // start from Color
inline constexpr std::int32_t kColorDialogFullOpen = 2;  // custom colours shown
inline constexpr std::int32_t kCancelErrorNumber = 32755;
inline constexpr const char* kCancelErrorText = "Cancel was selected.";

}  // namespace quill
