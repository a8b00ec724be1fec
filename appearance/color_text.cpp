#include "appearance/color_text.h"

#include <array>

namespace quill {

ColorComponents SplitColor(Color c) {
    // Integer division truncates toward zero, so every component takes the
    // sign of c; 64-bit intermediates keep the products clear of overflow.
    const std::int64_t value = c;
    const std::int64_t blue = value / 65536;
    const std::int64_t green = (value - blue * 65536) / 256;
    const std::int64_t red = value - blue * 65536 - green * 256;
    return {static_cast<std::int32_t>(red), static_cast<std::int32_t>(green),
            static_cast<std::int32_t>(blue)};
}

namespace {

void AppendDecimal(std::u16string& out, std::int32_t n) {
    std::int64_t v = n;
    if (v < 0) {
        out.push_back(u'-');
        v = -v;
    }
    std::array<char16_t, 12> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (count > 0)
        out.push_back(digits[--count]);
}

// One piece of a colour text: plain decimal digits with an optional leading
// '-', within the 16-bit range and not negative. "-0" is zero.
std::optional<int> ParseComponent(std::u16string_view piece) {
    bool negative = false;
    if (!piece.empty() && piece.front() == u'-') {
        negative = true;
        piece.remove_prefix(1);
    }
    if (piece.empty())
        return std::nullopt;
    int value = 0;
    for (char16_t ch : piece) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch - u'0');
        if (value > 32768)
            return std::nullopt;  // past the 16-bit range either way
    }
    if (negative)
        value = -value;
    if (value < 0 || value > 32767)
        return std::nullopt;
    return value;
}

}  // namespace

std::u16string FormatColorText(const ColorComponents& c) {
    std::u16string text;
    AppendDecimal(text, c.red);
    text.push_back(u' ');
    AppendDecimal(text, c.green);
    text.push_back(u' ');
    AppendDecimal(text, c.blue);
    return text;
}

std::optional<Color> ParseColorText(std::u16string_view text) {
    if (text.empty())
        return std::nullopt;
    // Split at every space: n spaces make n + 1 pieces, empty ones included.
    std::array<std::u16string_view, 3> pieces;
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t space = text.find(u' ', start);
        if (count == pieces.size())
            return std::nullopt;  // a fourth piece
        pieces[count++] = text.substr(start, space - start);
        if (space == std::u16string_view::npos)
            break;
        start = space + 1;
    }
    if (count != pieces.size())
        return std::nullopt;

    std::array<int, 3> parts{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const auto value = ParseComponent(pieces[i]);
        if (!value)
            return std::nullopt;
        parts[i] = *value > 255 ? 255 : *value;
    }
    return Rgb(parts[0], parts[1], parts[2]);
}

}  // namespace quill
