#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quill {

// The program's own errors, which whoever shows an error says in the user's
// language; every other error's description is the system's own.
enum class ErrorKind { Other, UnsupportedValueType };

// An error raised by the program: it carries a number and a description, and
// whoever finally catches it shows both ("Error 1001: Unsupported value type").
class AppError : public std::runtime_error {
  public:
    AppError(std::int32_t number, const std::string& description, ErrorKind kind = ErrorKind::Other)
        : std::runtime_error(description), number_(number), kind_(kind) {}

    std::int32_t Number() const noexcept { return number_; }
    std::string Description() const { return what(); }
    ErrorKind Kind() const noexcept { return kind_; }

  private:
    std::int32_t number_;
    ErrorKind kind_;
};

}  // namespace quill
