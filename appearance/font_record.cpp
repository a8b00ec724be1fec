#include "appearance/font_record.h"

#include <algorithm>

namespace quill {

namespace {

// A byte of the record; one beyond its end reads as 0.
std::uint8_t ByteAt(std::span<const std::uint8_t> record, std::size_t index) {
    return record.size() > index ? record[index] : 0;
}

// lfHeight: bytes 0-3 as one signed value, low byte first.
std::int32_t HeightOf(std::span<const std::uint8_t> record) {
    std::uint32_t height = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        height |= std::uint32_t{ByteAt(record, i)} << (8 * i);
    }
    return static_cast<std::int32_t>(height);
}

// The whole height: writing byte 0 alone would turn a height kept in points
// into one of some 240 points.
void WriteHeight(FontRecord& record, std::int32_t height) {
    for (std::size_t i = 0; i < 4; ++i) {
        record[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
    }
}

// The face name's UTF-16LE bytes from offset 28, then zeros to the end of
// the record, whatever its length: a long name is cut where the record ends.
void WriteFaceName(FontRecord& record, std::u16string_view face) {
    const std::size_t nameBytes = face.size() * 2;
    std::size_t nameByte = 0;
    for (std::uint8_t& byte : std::span(record).subspan(std::min(kFaceNameOffset, record.size()))) {
        const char16_t unit = nameByte < nameBytes ? face[nameByte / 2] : u'\0';
        byte = static_cast<std::uint8_t>(nameByte % 2 == 0 ? unit & 0xFF : unit >> 8);
        ++nameByte;
    }
}

PatchResult CheckPatch(const FontRecord& record, std::u16string_view face) {
    if (record.size() < kMinPatchableRecord)
        return PatchResult::RecordTooShort;
    return CheckFaceName(face);
}

}  // namespace

std::u16string DecodeFaceName(std::span<const std::uint8_t> record) {
    std::u16string face;
    for (std::size_t i = kFaceNameOffset; i + 1 < record.size(); i += 2) {
        const auto unit = static_cast<char16_t>(record[i] | (record[i + 1] << 8));
        if (unit != u'\0')
            face.push_back(unit);  // every NUL goes, not only the first
    }
    return face;
}

bool DecodeBold(std::span<const std::uint8_t> record) {
    return ByteAt(record, 16) == kBoldLow;
}

int DecodePointSize(std::span<const std::uint8_t> record) {
    switch (HeightOf(record)) {
        case kHeight10Point:
        case 10:
            return 10;
        case kHeight8Point:
        case 8:
            return 8;
        default:
            return 9;
    }
}

PatchResult CheckFaceName(std::u16string_view face) {
    if (face.empty())
        return PatchResult::EmptyFaceName;
    if (face.size() > kMaxFaceNameLength)
        return PatchResult::FaceNameTooLong;
    return PatchResult::Ok;
}

PatchResult PatchCaptionRecord(FontRecord& record, std::optional<int> pointSize, bool bold,
                               std::u16string_view face) {
    if (const PatchResult check = CheckPatch(record, face); check != PatchResult::Ok)
        return check;
    if (pointSize == 8) {
        WriteHeight(record, kHeight8Point);
    } else if (pointSize == 9) {
        WriteHeight(record, kHeight9Point);
    } else if (pointSize == 10) {
        WriteHeight(record, kHeight10Point);
    }
    record[16] = bold ? kBoldLow : kNormalLow;
    record[17] = bold ? kBoldHigh : kNormalHigh;
    WriteFaceName(record, face);
    return PatchResult::Ok;
}

PatchResult PatchMenuRecord(FontRecord& record, std::u16string_view face) {
    if (const PatchResult check = CheckPatch(record, face); check != PatchResult::Ok)
        return check;
    WriteFaceName(record, face);
    return PatchResult::Ok;
}

}  // namespace quill
