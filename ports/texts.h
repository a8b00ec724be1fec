#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace quill {

// Every text that a person sees or hears, by its number in the program's
// string resources; the list is ports/text_list.def.
enum class TextId : std::uint16_t {
    None = 0,  // no text: an empty caption
#define QUILL_TEXT(name, number, english, note) name = (number),
#include "ports/text_list.def"
#undef QUILL_TEXT
};

namespace texts_checked {
inline constexpr std::array kNumbers{
#define QUILL_TEXT(name, number, english, note) (number),
#include "ports/text_list.def"
#undef QUILL_TEXT
};
constexpr bool Fit() {
    auto numbers = kNumbers;
    std::sort(numbers.begin(), numbers.end());
    return numbers.front() > 0 && numbers.back() < 48 &&
           std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}
static_assert(Fit(), "text numbers: each its own, from 1 and below 48 (three resource blocks)");
}  // namespace texts_checked

}  // namespace quill
