#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// A logical-font record (the bytes of LOGFONTW, normally 92) as the store
// keeps it for CaptionFont, SmCaptionFont and MenuFont. Only bytes 0-3
// (height), bytes 16 and 17 (weight) and the face-name area from offset 28 to
// the end are read or patched; every other byte passes through unchanged.
using FontRecord = std::vector<std::uint8_t>;

inline constexpr std::size_t kFontRecordSize = 92;
inline constexpr std::size_t kFaceNameOffset = 28;
// The shortest record that can be patched: it must hold bytes 16 and 17.
inline constexpr std::size_t kMinPatchableRecord = 18;
// The longest face name that still leaves the 32-unit field its terminator.
inline constexpr std::size_t kMaxFaceNameLength = 31;

// lfHeight (bytes 0-3, signed, low byte first) written for each caption
// point size: the character height in pixels at 96 dpi.
inline constexpr std::int32_t kHeight8Point = -11;
inline constexpr std::int32_t kHeight9Point = -12;
inline constexpr std::int32_t kHeight10Point = -13;
// Bytes 16 and 17 for each weight.
inline constexpr std::uint8_t kBoldLow = 188, kBoldHigh = 2;      // 700
inline constexpr std::uint8_t kNormalLow = 144, kNormalHigh = 1;  // 400

// Decoding. The face name is the UTF-16LE text from offset 28 to the end with
// every NUL removed (a trailing odd byte is ignored). Bold is byte 16 == 188.
// The point size comes from lfHeight, which the desktop keeps either in pixels
// (negative) or in points (positive, as Wine 10 keeps it): 10 for -13 or
// +10, 8 for -11 or +8, 9 otherwise. Records too short for a field decode as
// if the missing bytes were zeros.
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

// Caption record: bytes 0-3 for the point size (8, 9 or 10; none leaves them),
// bytes 16-17 for the weight, the face name followed by zeros to the end.
// A refused name or record leaves the record untouched.
PatchResult PatchCaptionRecord(FontRecord& record, std::optional<int> pointSize, bool bold,
                               std::u16string_view face);

// Menu record: only the face name.
PatchResult PatchMenuRecord(FontRecord& record, std::u16string_view face);

}  // namespace quill
