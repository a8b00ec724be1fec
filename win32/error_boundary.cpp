#include "win32/error_boundary.h"

#include <exception>
#include <utility>

#include "store/app_error.h"
#include "win32/wide_text.h"

namespace quill::win32 {

std::u16string ErrorMessageText(std::int32_t number, const std::string& description) {
    return FromWide(AnsiToWide("Error " + std::to_string(number) + ": " + description));
}

bool ErrorBoundary::Run(const std::function<void()>& work) noexcept {
    try {
        work();
        return true;
    } catch (const AppError& error) {
        Report(error.Number(), error.Description());
    } catch (const std::exception& error) {
        Report(kInternalErrorNumber, error.what());
    } catch (...) {
        Report(kInternalErrorNumber, "Unknown error");
    }
    return false;
}

void ErrorBoundary::Report(std::int32_t number, const std::string& description) noexcept {
    if (std::exchange(failed_, true)) {
        return;
    }
    try {
        if (reporter_) {
            reporter_(number, description);
        }
    } catch (...) {
        // Nothing more can be said; the program is ending anyway.
    }
}

}  // namespace quill::win32
