#include "win32/error_boundary.h"

#include <utility>

#include "win32/ansi_codec.h"

namespace quill::win32 {

std::u16string ErrorMessageText(std::int32_t number, const std::string& description) {
    return AnsiCodec().FromAnsi("Error " + std::to_string(number) + ": " + description);
}

void ErrorBoundary::Report(std::int32_t number, const std::string& description) noexcept {
    if (std::exchange(failed_, true)) {
        return;
    }
    try {
        reporter_(number, description);
    } catch (...) {  // NOLINT(bugprone-empty-catch): the program is ending anyway
        // Nothing more can be said.
    }
}

}  // namespace quill::win32
