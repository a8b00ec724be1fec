#include "win32/window/form_design.h"

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

int ControlIdOf(std::string_view name) {
    return ControlIdAt(static_cast<std::size_t>(&DesignOf(name) - kFormControls.data()));
}

}  // namespace quill::win32
