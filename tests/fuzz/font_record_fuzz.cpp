// Any record decoded, and any record patched with any face name, size choice
// and weight: a patch keeps the record's length and every byte outside the
// fields it owns, reads back as what was written, and a refused patch changes
// nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "appearance/font_record.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool OwnedByCaptionPatch(std::size_t i) {
    return i == 0 || i == 16 || i == 17 || i >= 28;
}

std::u16string WithoutNuls(std::u16string text) {
    std::erase(text, u'\0');
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int sizeChoice = data[0] % 4;
    const bool bold = (data[1] & 1) != 0;
    const std::size_t faceUnits = std::min<std::size_t>(data[2], (size - 3) / 2);
    std::u16string face;
    for (std::size_t i = 0; i < faceUnits; ++i) {
        face.push_back(static_cast<char16_t>(data[3 + 2 * i] | (data[4 + 2 * i] << 8)));
    }
    const quill::FontRecord original(data + 3 + 2 * faceUnits, data + size);

    // Decoding never fails, whatever the bytes.
    (void)quill::DecodeFaceName(original);
    (void)quill::DecodeBold(original);
    const int points = quill::DecodePointSize(original);
    FUZZ_CHECK(points == 8 || points == 9 || points == 10);

    const std::optional<int> pointSize =
        sizeChoice == 0 ? std::nullopt : std::optional<int>(7 + sizeChoice);
    quill::FontRecord caption = original;
    const auto captionResult = quill::PatchCaptionRecord(caption, pointSize, bold, face);
    FUZZ_CHECK(caption.size() == original.size());
    if (captionResult != quill::PatchResult::Ok) {
        FUZZ_CHECK(caption == original);
    } else {
        for (std::size_t i = 0; i < caption.size(); ++i) {
            FUZZ_CHECK(OwnedByCaptionPatch(i) || caption[i] == original[i]);
        }
        FUZZ_CHECK(quill::DecodeBold(caption) == bold);
        if (pointSize) {
            FUZZ_CHECK(quill::DecodePointSize(caption) == *pointSize);
        } else {
            FUZZ_CHECK(caption[0] == original[0]);
        }
        const std::size_t room = caption.size() > quill::kFaceNameOffset
                                     ? (caption.size() - quill::kFaceNameOffset) / 2
                                     : 0;
        const std::u16string written = face.substr(0, std::min(room, face.size()));
        FUZZ_CHECK(quill::DecodeFaceName(caption) == WithoutNuls(written));

        // Patching again with the same settings gives the same bytes.
        quill::FontRecord again = caption;
        quill::PatchCaptionRecord(again, pointSize, bold, face);
        FUZZ_CHECK(again == caption);
    }

    quill::FontRecord menu = original;
    const auto menuResult = quill::PatchMenuRecord(menu, face);
    FUZZ_CHECK(menu.size() == original.size());
    for (std::size_t i = 0; i < menu.size() && i < quill::kFaceNameOffset; ++i) {
        FUZZ_CHECK(menu[i] == original[i]);
    }
    if (menuResult != quill::PatchResult::Ok) {
        FUZZ_CHECK(menu == original);
    }
    return 0;
}
