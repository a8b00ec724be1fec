#include "appearance/font_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

#include "testing/font_records.h"

namespace quill {
namespace {

// A record whose every byte differs, so an untouched byte is easy to tell.
FontRecord PatternRecord(std::size_t size = kFontRecordSize) {
    FontRecord record(size);
    std::iota(record.begin(), record.end(), std::uint8_t{100});
    return record;
}

TEST(FontRecordDecode, ReadsTheHeightByte16AndTheNameWithoutItsNuls) {
    // Heights in pixels (negative) and in points (positive): F3 00 00 00 is 243 points, not 10.
    const std::tuple<std::int32_t, std::uint8_t, int, bool> cases[] = {
        {-12, 144, 9, false}, {-13, 188, 10, true}, {-11, 188, 8, true},
        {10, 144, 10, false}, {8, 144, 8, false},   {243, 144, 9, false},
        {-10, 144, 9, false}, {0, 88, 9, false},    {0xFFFFF5, 189, 9, false}};
    for (const auto& [height, byte16, points, bold] : cases) {
        const FontRecord record = testing::MakeRecord(height, byte16, u"");
        EXPECT_EQ(std::pair(DecodePointSize(record), DecodeBold(record)), std::pair(points, bold));
    }
    // Every NUL goes: the leftovers of a longer name stay.
    EXPECT_EQ(DecodeFaceName(testing::MakeRecord(0, 0, std::u16string_view(u"Tahoma\0Bold", 11))),
              u"TahomaBold");
    EXPECT_EQ(DecodeFaceName(testing::MakeRecord(0, 0, u"\u30B4a")), u"\u30B4a");
    // Nothing is read beyond the record, whatever follows it in memory.
    std::array<std::uint8_t, 40> bytes{};
    bytes.fill(188);
    EXPECT_FALSE(DecodeBold(std::span(bytes).first(16)));
    EXPECT_TRUE(DecodeBold(std::span(bytes).first(17)));
    const std::array<std::uint8_t, 4> points{10, 0, 0, 0x80};  // a missing byte reads as 0
    EXPECT_EQ(DecodePointSize(std::span(points).first(1)), 10);
    EXPECT_EQ(DecodeFaceName(std::span(bytes).first(28)), u"");
    EXPECT_EQ(DecodeFaceName(std::span(bytes).first(31)), u"\uBCBC");  // an odd byte is left
}

TEST(FontRecordPatch, WritesExactlyItsFieldsAndKeepsTheLengthOrRefuses) {
    const FontRecord original = PatternRecord();
    // clang-format off
    const std::tuple<std::optional<int>, bool, std::int32_t, int> caption[] = {
        {8, true, -11, 188}, {9, false, -12, 144}, {10, true, -13, 188}, {std::nullopt, false, 0x67666564, 144}};
    // clang-format on
    for (const auto& [points, bold, height, byte16] : caption) {
        FontRecord record = original;
        // The name comes from a longer text: only its own units are written.
        ASSERT_EQ(PatchCaptionRecord(record, points, bold, std::u16string_view(u"Ari\u30B4x", 4)),
                  PatchResult::Ok);
        FontRecord expected = testing::MakeRecord(height, byte16, u"Ari\u30B4");
        std::copy_n(original.begin() + 4, 12, expected.begin() + 4);
        std::copy_n(original.begin() + 18, 10, expected.begin() + 18);
        EXPECT_EQ(record, expected) << points.value_or(0);
    }
    FontRecord menu = original;
    ASSERT_EQ(PatchMenuRecord(menu, u"Tahoma"), PatchResult::Ok);
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 28, menu.begin()));
    EXPECT_EQ(DecodeFaceName(menu), u"Tahoma");
    // A 40-byte record has a 12-byte name area; a long one is zeroed to its end.
    FontRecord small = PatternRecord(40), large = PatternRecord(4000), tiny = PatternRecord(18);
    ASSERT_EQ(PatchCaptionRecord(small, 9, false, u"Verdana"), PatchResult::Ok);
    EXPECT_EQ(DecodeFaceName(small), u"Verdan");
    ASSERT_EQ(PatchMenuRecord(large, u"Arial"), PatchResult::Ok);
    EXPECT_EQ(std::pair(large.size(), large.back()), std::pair(std::size_t{4000}, std::uint8_t{0}));
    ASSERT_EQ(PatchCaptionRecord(tiny, 8, true, u"Arial"), PatchResult::Ok);  // no name area
    EXPECT_EQ(std::tuple(FontRecord(tiny.begin(), tiny.begin() + 4), tiny[16], tiny[17]),
              std::tuple(FontRecord{0xF5, 0xFF, 0xFF, 0xFF}, std::uint8_t{0xBC}, std::uint8_t{2}));
    // A refusal leaves the record untouched.
    const std::tuple<std::size_t, std::u16string, PatchResult> cases[] = {
        {kFontRecordSize, u"", PatchResult::EmptyFaceName},
        {kFontRecordSize, std::u16string(32, u'x'), PatchResult::FaceNameTooLong},
        {17, u"Arial", PatchResult::RecordTooShort}};
    for (const auto& [size, face, expected] : cases) {
        FontRecord caption = PatternRecord(size), menu = PatternRecord(size);
        EXPECT_EQ(
            std::pair(PatchCaptionRecord(caption, 8, true, face), PatchMenuRecord(menu, face)),
            std::pair(expected, expected));
        EXPECT_EQ(std::pair(caption, menu), std::pair(PatternRecord(size), PatternRecord(size)));
    }
}

}  // namespace
}  // namespace quill
