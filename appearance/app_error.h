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

}  // namespace quill
