#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quill::win32 {

// The number shown for a failure that is not one of the program's own
// errors (an exception from the library, an allocation failure).
inline constexpr std::int32_t kInternalErrorNumber = 51;

// "Error 1001: Unsupported value type"
std::u16string ErrorMessageText(std::int32_t number, const std::string& description);

// Where an exception stops on its way out to Windows: a window procedure or
// other callback runs its work through Run, which catches everything and
// hands the first error's number and description to the reporter (which
// shows it and ends the program). Later errors are only swallowed.
class ErrorBoundary {
  public:
    using Reporter = std::function<void(std::int32_t number, const std::string& description)>;

    explicit ErrorBoundary(Reporter reporter) : reporter_(std::move(reporter)) {}

    // Runs `work`; returns whether it finished without an error. Never throws.
    bool Run(const std::function<void()>& work) noexcept;

    // Whether an error has been reported: the program is ending.
    bool Failed() const { return failed_; }

    // For tests: report somewhere else than the default.
    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

  private:
    void Report(std::int32_t number, const std::string& description) noexcept;

    Reporter reporter_;
    bool failed_ = false;
};

}  // namespace quill::win32
