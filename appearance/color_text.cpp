#include "appearance/color_text.h"

#include <algorithm>
#include <array>
#include <string>

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
    for (const char digit : std::to_string(n))
        out.push_back(static_cast<char16_t>(digit));
}

// One piece of a colour text: plain decimal digits with an optional leading
// '-', from 0 to 32767 ("-0" is zero); any other negative number is refused.
std::optional<int> ParseComponent(std::u16string_view piece) {
    const bool negative = piece.starts_with(u'-');
    if (negative)
        piece.remove_prefix(1);
    if (piece.empty())
        return std::nullopt;
    int value = 0;
    for (const char16_t ch : piece) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch - u'0');
        if (value > 32767)
            return std::nullopt;  // beyond the 16-bit range
    }
    if (negative && value != 0)
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

    // red + 256 * green + 65536 * blue; a component above 255 counts as 255.
    Color color = 0;
    Color weight = 1;
    for (const std::u16string_view piece : pieces) {
        const auto value = ParseComponent(piece);
        if (!value)
            return std::nullopt;
        color += std::min(*value, 255) * weight;
        weight *= 256;
    }
    return color;
}

}  // namespace quill
