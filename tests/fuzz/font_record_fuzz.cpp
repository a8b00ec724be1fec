// Any record decoded and patched with any face, size and weight: a patch keeps the length and every
// byte outside its fields and reads back as written; a refused one changes nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "appearance/font_record.h"
#include "tests/fuzz/fuzz_check.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::optional<int> points =
        data[0] % 4 == 0 ? std::nullopt : std::optional(7 + data[0] % 4);
    const bool bold = (data[1] & 1) != 0;
    std::u16string face;
    for (std::size_t i = 3; i + 1 < size && face.size() < data[2]; i += 2) {
        face.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    }
    const FontRecord original(data + 3 + 2 * face.size(), data + size);
    const int decoded = DecodePointSize(original);
    (void)DecodeFaceName(original);

    FontRecord caption = original, menu = original;
    const bool patched = PatchCaptionRecord(caption, points, bold, face) == PatchResult::Ok;
    FUZZ_CHECK((PatchMenuRecord(menu, face) == PatchResult::Ok) == patched);
    FUZZ_CHECK(caption.size() == original.size() && menu.size() == original.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        const bool name = i >= kFaceNameOffset, captionField = name || i < 4 || i == 16 || i == 17;
        FUZZ_CHECK(caption[i] == original[i] || (patched && captionField));
        FUZZ_CHECK(menu[i] == original[i] || (patched && name));
    }
    if (patched) {
        std::u16string written =
            face.substr(0, (original.size() - std::min(original.size(), kFaceNameOffset)) / 2);
        std::erase(written, u'\0');
        FUZZ_CHECK(DecodeBold(caption) == bold &&
                   DecodePointSize(caption) == points.value_or(decoded));
        FUZZ_CHECK(DecodeFaceName(caption) == written && DecodeFaceName(menu) == written);
    }
    return 0;
}
