// Any bytes as a stored colour text: a colour read is a plain colour, and it
// formats back to a text that reads as the same colour.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "appearance/color_text.h"
#include "testing/latin1_codec.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto color = quill::ParseColorText(quill::testing::Latin1Codec().FromAnsi(bytes))) {
        FUZZ_CHECK(*color >= 0 && *color <= 0xFFFFFF);
        FUZZ_CHECK(quill::ParseColorText(quill::FormatColorText(quill::SplitColor(*color))) ==
                   color);
    }
    return 0;
}
