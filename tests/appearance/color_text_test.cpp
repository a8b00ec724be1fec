#include "appearance/color_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quill {
namespace {

TEST(SplitColor, TruncatesTowardZero) {
    // clang-format off
    const std::pair<Color, ColorComponents> cases[] = {
        {0, {0, 0, 0}},                {Rgb(212, 208, 200), {212, 208, 200}},
        {0x00FFFFFF, {255, 255, 255}}, {16777216, {0, 0, 256}},
        {-1, {-1, 0, 0}},              {-256, {0, -1, 0}},
        {kSysWindowBackground, {-251, -255, -32767}},
        {std::numeric_limits<Color>::max(), {255, 255, 32767}},
        {std::numeric_limits<Color>::min(), {0, 0, -32768}}};
    // clang-format on
    for (const auto& [color, parts] : cases) {
        EXPECT_EQ(SplitColor(color), parts) << color;
    }
    EXPECT_EQ(FormatColorText({212, 208, 200}), u"212 208 200");
    EXPECT_EQ(FormatColorText({-251, 0, 32767}), u"-251 0 32767");
}

TEST(ParseColorText, ReadsThreePlainNumbersAndNothingElse) {
    // clang-format off
    const std::pair<std::u16string_view, Color> read[] = {
        {u"212 208 200", 13160660}, {u"0 0 0", 0},   {u"255 255 255", 16777215},
        {u"10 36 106", 6956042},    {u"300 0 0", 255}, {u"0 32767 0", Rgb(0, 255, 0)},
        {u"-0 0 0", 0},             {u"007 0 0", 7}};
    const std::u16string_view refused[] = {
        u"", u"212 208", u"212 208 200 1", u"212 208 200 ", u"212  208", u"+5 0 0", u"- 0 0",
        u"-5 0 0", u"32768 0 0", u"99999999999 0 0", u"/ 0 0", u": 0 0"};
    // clang-format on
    for (const auto& [text, color] : read) {
        EXPECT_EQ(ParseColorText(text), color) << std::string(text.begin(), text.end());
    }
    for (const auto text : refused) {
        EXPECT_EQ(ParseColorText(text), std::nullopt) << std::string(text.begin(), text.end());
    }
}

}  // namespace
}  // namespace quill
