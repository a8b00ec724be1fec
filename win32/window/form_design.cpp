#include "win32/window/form_design.h"

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

namespace {

std::size_t RowOf(std::string_view name) {
    return static_cast<std::size_t>(&DesignOf(name) - kFormControls.data());
}

}  // namespace

FormControls FormControlsIn(LANGID language) {
    FormControls controls = kFormControls;
    for (const Widening& widening : kWidenings) {
        if (std::ranges::find(widening.languages, language) != widening.languages.end()) {
            ControlDesign& control = controls[RowOf(widening.control)];
            control.width = widening.width != 0 ? widening.width : control.width;
            control.height = widening.height != 0 ? widening.height : control.height;
        }
    }
    return controls;
}

int ControlIdOf(std::string_view name) {
    return ControlIdAt(RowOf(name));
}

}  // namespace quill::win32
