#include "win32/color_dialog.h"

#include <commdlg.h>

#include "win32/gdi_color.h"

namespace quill::win32 {

std::optional<Color> ColorDialog::Choose(Color initial) {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.rgbResult = ResolveColor(initial);
    choose.lpCustColors = customColors_.data();
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    // FALSE both for a cancel and for a dialog that failed to open.
    if (!::ChooseColorW(&choose)) {
        return std::nullopt;
    }
    return static_cast<Color>(choose.rgbResult & 0x00FFFFFF);
}

}  // namespace quill::win32
