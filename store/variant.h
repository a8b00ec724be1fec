#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace quill {

// The tagged value that the store operations take and return.
struct Empty {
    bool operator==(const Empty&) const = default;
};
// An optional argument that was left out.
struct Missing {
    bool operator==(const Missing&) const = default;
};
using ByteArray = std::vector<std::uint8_t>;
// A byte array owned by the caller, passed by reference; counts as a byte array.
using ByteArrayRef = std::span<const std::uint8_t>;

using Variant = std::variant<Empty, Missing, std::int16_t, std::int32_t, std::u16string, ByteArray,
                             ByteArrayRef, bool, double>;

inline bool IsMissing(const Variant& v) {
    return std::holds_alternative<Missing>(v);
}

}  // namespace quill
