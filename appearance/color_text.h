#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// A colour integer: red in the low byte, then green, then blue, top byte 0.
// A value with the top bit set instead names one of the platform's system
// colours by its low byte.
using Color = std::int32_t;

constexpr Color Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
constexpr bool IsSystemColor(Color c) {
    return c < 0;
}
constexpr int SystemColorIndex(Color c) {
    return c & 0xFF;
}
constexpr Color SystemColor(int index) {
    return static_cast<Color>(0x80000000u | static_cast<std::uint32_t>(index));
}

inline constexpr Color kSysWindowBackground = SystemColor(5);  // 0x80000005
inline constexpr Color kSysWindowText = SystemColor(8);        // 0x80000008
inline constexpr Color kSysButtonFace = SystemColor(15);       // dialog face
inline constexpr Color kSysButtonText = SystemColor(18);       // dialog text
inline constexpr Color kWhite = Rgb(255, 255, 255);

// The components of a colour integer, as whole 32-bit values: for a plain
// colour its three bytes; beyond that range they follow the truncating
// arithmetic below (negative for a system-colour reference).
struct ColorComponents {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    bool operator==(const ColorComponents&) const = default;
};

ColorComponents SplitColor(Color c);

// "red green blue" in shortest decimal form, single spaces between.
std::u16string FormatColorText(const ColorComponents& c);

// The stored colour text read into a colour: exactly three pieces split at
// single spaces, each plain decimal digits with an optional leading '-',
// none negative and none beyond 32767; a component above 255 counts as 255.
// Anything else gives no colour (the swatch keeps what it has).
std::optional<Color> ParseColorText(std::u16string_view text);

}  // namespace quill
