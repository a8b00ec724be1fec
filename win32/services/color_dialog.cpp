#include "win32/services/color_dialog.h"

#include "win32/services/gdi_color.h"
#include "win32/services/system_library.h"

namespace quill::win32 {

ColorDialog::ChooseColorFunction ColorDialog::LoadChooseColor() {
    if (!library_) {
        library_ = LoadSystemLibrary(libraryName_);
        chooseColor_ = FunctionOf<ChooseColorFunction>(library_.get(), "ChooseColorW");
    }
    return chooseColor_;
}

std::optional<Color> ColorDialog::Choose(Color initial) {
    const ChooseColorFunction chooseColor = LoadChooseColor();
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.rgbResult = ResolveColor(initial);
    choose.lpCustColors = customColors_.data();
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    // FALSE both for a cancel and for a dialog that failed to open.
    if (chooseColor == nullptr || !chooseColor(&choose)) {
        return std::nullopt;
    }
    return static_cast<Color>(choose.rgbResult & 0x00FFFFFF);
}

}  // namespace quill::win32
