#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "appearance/app_error.h"

namespace quill::win32 {

// The number shown for a failure that is not one of the program's own
// errors (an exception from the library, an allocation failure).
inline constexpr std::int32_t kInternalErrorNumber = 51;

// The program's exit code after an error has ended it.
inline constexpr int kExitAfterError = 1;

// "Error 1001: Unsupported value type", in the user's language: the
// program's own errors by their kind, the others with the system's words.
std::u16string ErrorMessageText(const AppError& error);

// Where an exception stops on its way out to Windows: a window procedure or
// other callback runs its work through Run, which catches everything and
// hands the first error to the reporter (which shows it and ends the
// program); any other exception comes as an AppError of kInternalErrorNumber.
// Later errors are only swallowed.
class ErrorBoundary {
  public:
    using Reporter = std::function<void(const AppError& error)>;

    explicit ErrorBoundary(Reporter reporter) : reporter_(std::move(reporter)) {}

    // Runs `work`; returns whether it finished without an error. Never throws.
    template <typename Work>
    bool Run(Work&& work) noexcept {
        try {
            work();
            return true;
        } catch (const AppError& error) {
            Report(error);
        } catch (const std::exception& error) {
            Report(AppError(kInternalErrorNumber, error.what()));
        } catch (...) {
            Report(AppError(kInternalErrorNumber, "Unknown error"));
        }
        return false;
    }

    // Whether an error has been reported: the program is ending.
    bool Failed() const { return failed_; }

  private:
    void Report(const AppError& error) noexcept;

    Reporter reporter_;
    bool failed_ = false;
};

}  // namespace quill::win32
