#pragma once

#include "ports/text_codec.h"

namespace quill::testing {

// Stands in for the ANSI code page natively: the Latin-1 characters, which
// Windows-1252 shares, are their own byte; anything else becomes '?'.
class Latin1Codec final : public AnsiCodec {
  public:
    std::string ToAnsi(std::u16string_view text) const override {
        std::string out;
        for (const char16_t c : text) {
            out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
        }
        return out;
    }
    std::u16string FromAnsi(std::string_view text) const override {
        std::u16string out;
        for (const unsigned char c : text) {
            out.push_back(c);
        }
        return out;
    }
};

}  // namespace quill::testing
