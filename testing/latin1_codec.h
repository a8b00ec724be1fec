#pragma once

#include <algorithm>

#include "ports/text_codec.h"

namespace quill::testing {

// The ANSI code page natively: a Latin-1 character (as in Windows-1252) is its byte, others '?'.
struct Latin1Codec final : AnsiCodec {
    std::string ToAnsi(std::u16string_view text) const override {
        std::string out(text.size(), '?');
        std::ranges::transform(text, out.begin(),
                               [](char16_t c) { return c < 0x100 ? char(c) : '?'; });
        return out;
    }
    std::u16string FromAnsi(std::string_view text) const override {
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        return {bytes, bytes + text.size()};
    }
};

}  // namespace quill::testing
