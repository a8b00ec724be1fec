#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace quill::testing {

// A 92-byte LOGFONTW as the desktop stores it: bytes 0-3 the height (negative: pixels, positive:
// points), bytes 16-17 the weight (700 with 188, else 400), the face in UTF-16LE from offset 28.
inline std::vector<std::uint8_t> MakeRecord(std::int32_t height, std::uint8_t weightLow,
                                            std::u16string_view face) {
    std::vector<std::uint8_t> record(92, 0);
    std::memcpy(record.data(), &height, 4);  // low byte first: our machines are little-endian
    record[16] = weightLow;
    record[17] = weightLow == 188 ? 2 : 1;
    for (std::size_t i = 0; i < face.size(); ++i) {
        record[28 + 2 * i] = static_cast<std::uint8_t>(face[i] & 0xFF);
        record[29 + 2 * i] = static_cast<std::uint8_t>(face[i] >> 8);
    }
    return record;
}

}  // namespace quill::testing
