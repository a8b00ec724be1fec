#pragma once

#include <string>
#include <string_view>

namespace quill {

// Converts between the window's UTF-16 text and the 8-bit text of the
// system's ANSI code page that crosses the store interface.
class AnsiCodec {
  public:
    virtual ~AnsiCodec() = default;
    virtual std::string ToAnsi(std::u16string_view text) const = 0;
    virtual std::u16string FromAnsi(std::string_view text) const = 0;
};

}  // namespace quill
