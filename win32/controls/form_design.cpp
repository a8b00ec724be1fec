#include "win32/controls/form_design.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quill::win32 {

const ControlDesign& DesignOf(std::string_view name) {
    for (const auto& control : kFormControls) {
        if (control.name == name) {
            return control;
        }
    }
    throw std::out_of_range("no control named " + std::string(name));
}

TextId SpokenNameOf(std::string_view control) {
    const auto spoken = std::ranges::find(kSpokenNames, control, &SpokenName::control);
    return spoken != kSpokenNames.end() ? spoken->name : TextId::None;
}

void CheckSpokenNames(std::span<const SpokenName> names) {
    for (const SpokenName& spoken : names) {
        const auto design = std::ranges::find(kFormControls, spoken.control, &ControlDesign::name);
        const std::string control(spoken.control);
        if (design == kFormControls.end()) {
            throw std::invalid_argument("a spoken name for " + control +
                                        ", a control the window does not have");
        }
        if (design->kind != ControlKind::Swatch && design->kind != ControlKind::PictureBox &&
            design->kind != ControlKind::ComboBox) {
            throw std::invalid_argument("a spoken name for " + control +
                                        ", which a screen reader names by its caption");
        }
    }
}

int ControlIdOf(std::string_view name) {
    return kFirstControlId + static_cast<int>(&DesignOf(name) - kFormControls.data());
}

}  // namespace quill::win32
