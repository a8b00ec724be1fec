#pragma once

#include "ports/text_codec.h"

namespace quill::win32 {

// The platform's conversion between UTF-16 and the system's ANSI code page
// (CP_ACP); characters the code page lacks become its default character.
class WindowsAnsiCodec final : public AnsiCodec {
  public:
    std::string ToAnsi(std::u16string_view text) const override;
    std::u16string FromAnsi(std::string_view text) const override;
};

}  // namespace quill::win32
