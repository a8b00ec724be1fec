#include "appearance/color_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace quill {
namespace {

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t ch : text)
        out.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
    return out;
}

struct SplitCase {
    Color color = 0;
    ColorComponents expected;
};

TEST(SplitColor, TruncatesTowardZero) {
    const SplitCase cases[] = {
        {0, {0, 0, 0}},
        {Rgb(212, 208, 200), {212, 208, 200}},
        {0x00FFFFFF, {255, 255, 255}},
        {16777216, {0, 0, 256}},
        {std::numeric_limits<Color>::max(), {255, 255, 32767}},
        {-1, {-1, 0, 0}},
        {-256, {0, -1, 0}},
        {kSysWindowBackground, {-251, -255, -32767}},
        {std::numeric_limits<Color>::min(), {0, 0, -32768}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitColor(c.color), c.expected) << c.color;
    }
}

TEST(FormatColorText, NegativeComponents) {
    EXPECT_EQ(FormatColorText({-251, -255, -32767}), u"-251 -255 -32767");
    EXPECT_EQ(FormatColorText({std::numeric_limits<std::int32_t>::min(), 0, 100}),
              u"-2147483648 0 100");
}

struct ParseCase {
    const char16_t* text = nullptr;
    std::optional<Color> expected;
};

TEST(ParseColorText, AcceptsPlainTriples) {
    const ParseCase cases[] = {
        {u"212 208 200", 13160660},
        {u"0 0 0", 0},
        {u"255 255 255", 16777215},
        {u"10 36 106", 6956042},
        {u"300 0 0", 255},
        {u"0 32767 0", Rgb(0, 255, 0)},
        {u"-0 0 0", 0},
        {u"007 0 0", 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseColorText(c.text), c.expected) << '"' << Narrow(c.text) << '"';
    }
}

TEST(ParseColorText, RefusesAnythingElse) {
    const char16_t* const refused[] = {
        u"",
        u"212 208",
        u"212 208 200 1",
        u"212 208 200 ",  // trailing space: four pieces
        u" 212 208 200",  // leading space: four pieces
        u"212  208",      // doubled space: three pieces, one empty
        u"212  208 200",  // doubled space: four pieces
        u"  ",
        u"+5 0 0",
        u"5\t0 0",
        u"1e2 0 0",
        u"0x10 0 0",
        u"1.5 0 0",
        u"1,000 0 0",
        u"- 0 0",
        u"-5 0 0",
        u"0 0 -1",
        u"40000 0 0",
        u"32768 0 0",
        u"-32768 0 0",
        u"99999999999999999999 0 0",
        u"\uFF11 0 0",  // a full-width digit is not a plain digit
    };
    for (const char16_t* text : refused) {
        EXPECT_EQ(ParseColorText(text), std::nullopt) << '"' << Narrow(text) << '"';
    }
}

TEST(ColorText, RoundTripsPlainColors) {
    for (Color c : {0, 255, Rgb(212, 208, 200), Rgb(10, 36, 106), 0x00FFFFFF, Rgb(0, 1, 0)}) {
        EXPECT_EQ(ParseColorText(FormatColorText(SplitColor(c))), c) << c;
    }
    EXPECT_EQ(FormatColorText(SplitColor(*ParseColorText(u"300 0 0"))), u"255 0 0");
}

}  // namespace
}  // namespace quill
