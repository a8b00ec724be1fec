#include "win32/color_dialog.h"

#include <commdlg.h>

#include <string>

#include "appearance/app_error.h"
#include "win32/gdi_color.h"

namespace quill::win32 {

// The component's flags are ChooseColorW's own; it offers these two.
static_assert(kColorDialogRgbInit == CC_RGBINIT && kColorDialogFullOpen == CC_FULLOPEN);

void ColorDialogComponent::ShowColor() {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.rgbResult = ResolveColor(color_);
    choose.lpCustColors = customColors_.data();
    choose.Flags = static_cast<DWORD>(flags_) & (CC_RGBINIT | CC_FULLOPEN);
    if (::ChooseColorW(&choose)) {
        color_ = static_cast<Color>(choose.rgbResult & 0x00FFFFFF);
        return;
    }
    const DWORD failure = ::CommDlgExtendedError();
    if (failure != 0) {
        throw AppError(static_cast<std::int32_t>(failure),
                       "The colour dialog failed (" + std::to_string(failure) + ")");
    }
    if (cancelError_) {
        throw AppError(kCancelErrorNumber, kCancelErrorText);
    }
}

}  // namespace quill::win32
