#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// A logical-font record (the bytes of LOGFONTW, normally 92) as the store
// keeps it for CaptionFont, SmCaptionFont and MenuFont. Only byte 0 (height),
// bytes 16 and 17 (weight) and the face-name area from offset 28 to the end
// are read or patched; every other byte passes through unchanged.
using FontRecord = std::vector<std::uint8_t>;

inline constexpr std::size_t kFontRecordSize = 92;
inline constexpr std::size_t kFaceNameOffset = 28;
// The shortest record that can be patched: it must hold bytes 16 and 17.
inline constexpr std::size_t kMinPatchableRecord = 18;
// The longest face name that still leaves the 32-unit field its terminator.
inline constexpr std::size_t kMaxFaceNameLength = 31;

// Byte 0 for each caption point size.
inline constexpr std::uint8_t kHeight8Point = 245;   // lfHeight -11
inline constexpr std::uint8_t kHeight9Point = 244;   // lfHeight -12
inline constexpr std::uint8_t kHeight10Point = 243;  // lfHeight -13
// Bytes 16 and 17 for each weight.
inline constexpr std::uint8_t kBoldLow = 188, kBoldHigh = 2;      // 700
inline constexpr std::uint8_t kNormalLow = 144, kNormalHigh = 1;  // 400

// Decoding. The face name is the UTF-16LE text from offset 28 to the end with
// every NUL removed (a trailing odd byte is ignored). Bold is byte 16 == 188.
// The point size is 10 for byte 0 == 243, 8 for 245, 9 otherwise. Records too
// short for a field decode as if it held zeros.
std::u16string DecodeFaceName(std::span<const std::uint8_t> record);
bool DecodeBold(std::span<const std::uint8_t> record);
int DecodePointSize(std::span<const std::uint8_t> record);

enum class PatchResult {
    Ok,
    EmptyFaceName,    // no name to write
    FaceNameTooLong,  // more than 31 UTF-16 code units: no room for the terminator
    RecordTooShort,   // fewer than 18 bytes: no weight field
};

// Whether a face name can be written into a record.
PatchResult CheckFaceName(std::u16string_view face);

// Caption record: byte 0 for the point size (8, 9 or 10; none leaves it),
// bytes 16-17 for the weight, the face name followed by zeros to the end.
// A refused name or record leaves the record untouched.
PatchResult PatchCaptionRecord(FontRecord& record, std::optional<int> pointSize, bool bold,
                               std::u16string_view face);

// Menu record: only the face name.
PatchResult PatchMenuRecord(FontRecord& record, std::u16string_view face);

}  // namespace quill
