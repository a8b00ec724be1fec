// Any bytes as a stored colour text: the swatch either keeps its colour or
// gets a plain colour, and a colour that was read formats back to a text that
// reads as the same colour.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "appearance/color_text.h"
#include "testing/latin1_codec.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quill::testing::Latin1Codec codec;
    const std::u16string text =
        codec.FromAnsi(std::string_view(reinterpret_cast<const char*>(data), size));

    const auto color = quill::ParseColorText(text);
    if (!color) {
        return 0;
    }
    FUZZ_CHECK(*color >= 0 && *color <= 0xFFFFFF);
    const quill::ColorComponents parts = quill::SplitColor(*color);
    FUZZ_CHECK(parts.red >= 0 && parts.red <= 255);
    FUZZ_CHECK(parts.green >= 0 && parts.green <= 255);
    FUZZ_CHECK(parts.blue >= 0 && parts.blue <= 255);
    FUZZ_CHECK(quill::ParseColorText(quill::FormatColorText(parts)) == color);
    return 0;
}
