#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quill::testing {

// A 92-byte LOGFONTW as the desktop stores it: byte 0 the height code (1 to 3 FF: negative), bytes
// 16 and 17 the weight (700 with 188, else 400), the face in UTF-16LE from offset 28.
inline std::vector<std::uint8_t> MakeRecord(std::uint8_t height, std::uint8_t weightLow,
                                            std::u16string_view face) {
    std::vector<std::uint8_t> record(92, 0);
    record[0] = height;
    record[1] = record[2] = record[3] = 0xFF;
    record[16] = weightLow;
    record[17] = weightLow == 188 ? 2 : 1;
    for (std::size_t i = 0; i < face.size(); ++i) {
        record[28 + 2 * i] = static_cast<std::uint8_t>(face[i] & 0xFF);
        record[29 + 2 * i] = static_cast<std::uint8_t>(face[i] >> 8);
    }
    return record;
}

}  // namespace quill::testing
