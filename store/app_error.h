#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quill {

// An error raised by the program: it carries a number and a description, and
// whoever finally catches it shows both ("Error 1001: Unsupported value type").
class AppError : public std::runtime_error {
  public:
    AppError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    std::int32_t Number() const noexcept { return number_; }
    std::string Description() const { return what(); }

  private:
    std::int32_t number_;
};

// The program's own error: a value type that the store operations do not handle.
inline constexpr std::int32_t kUnsupportedValueType = 1001;
inline constexpr const char* kUnsupportedValueTypeText = "Unsupported value type";

inline AppError UnsupportedValueType() {
    return AppError(kUnsupportedValueType, kUnsupportedValueTypeText);
}

}  // namespace quill
