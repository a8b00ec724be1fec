#include "win32/color_dialog.h"

#include <string>

#include "win32/gdi_color.h"

namespace quill::win32 {

ColorDialog::ChooseColorFunction ColorDialog::LoadChooseColor() {
    if (!library_) {
        // By its full path: never a file of that name elsewhere on the search path.
        wchar_t folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        library_.reset(::LoadLibraryW((std::wstring(folder) + L"\\" + libraryName_).c_str()));
        if (library_) {
            // Through the function type that matches every other one.
            using AnyFunction = void (*)();
            chooseColor_ = reinterpret_cast<ChooseColorFunction>(
                reinterpret_cast<AnyFunction>(::GetProcAddress(library_.get(), "ChooseColorW")));
        }
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
