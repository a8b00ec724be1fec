#include "appearance/font_record.h"

#include <gtest/gtest.h>

#include <numeric>

namespace quill {
namespace {

// A 92-byte record whose every byte differs, so an untouched byte is easy to
// tell from a written one.
FontRecord PatternRecord(std::size_t size = kFontRecordSize) {
    FontRecord record(size);
    std::iota(record.begin(), record.end(), std::uint8_t{100});
    return record;
}

FontRecord WithFace(FontRecord record, std::u16string_view face) {
    std::size_t at = kFaceNameOffset;
    for (char16_t unit : face) {
        record[at++] = static_cast<std::uint8_t>(unit & 0xFF);
        record[at++] = static_cast<std::uint8_t>(unit >> 8);
    }
    return record;
}

TEST(FontRecordDecode, PointSizeAndWeight) {
    struct Case {
        std::uint8_t byte0, byte16;
        int points;
        bool bold;
    };
    const Case cases[] = {
        {244, 144, 9, false}, {243, 188, 10, true}, {245, 188, 8, true},
        {13, 144, 9, false},  {0, 88, 9, false},    {246, 189, 9, false},
    };
    for (const auto& c : cases) {
        FontRecord record(kFontRecordSize, 0);
        record[0] = c.byte0;
        record[16] = c.byte16;
        record[17] = 2;
        EXPECT_EQ(DecodePointSize(record), c.points) << int(c.byte0);
        EXPECT_EQ(DecodeBold(record), c.bold) << int(c.byte16);
    }
}

TEST(FontRecordDecode, ShortRecordsReadMissingBytesAsZero) {
    EXPECT_EQ(DecodePointSize(FontRecord{}), 9);
    EXPECT_FALSE(DecodeBold(FontRecord(16, 188)));
    EXPECT_TRUE(DecodeBold(FontRecord(17, 188)));
    EXPECT_EQ(DecodeFaceName(FontRecord(28, 'A')), u"");
    EXPECT_EQ(DecodeFaceName(FontRecord{}), u"");
}

TEST(FontRecordDecode, FaceNameDropsEveryNul) {
    FontRecord record(kFontRecordSize, 0);
    record = WithFace(record, u"Arial");
    EXPECT_EQ(DecodeFaceName(record), u"Arial");

    // A shorter name over the leftovers of a longer one keeps them.
    record = WithFace(FontRecord(kFontRecordSize, 0), u"Tahoma Bold");
    record[28 + 2 * 6] = record[28 + 2 * 6 + 1] = 0;
    EXPECT_EQ(DecodeFaceName(record), u"TahomaBold");

    // Units above 0xFF and an odd trailing byte.
    FontRecord odd = WithFace(FontRecord(33, 0), u"\u30B4a");
    odd[32] = 'Z';
    EXPECT_EQ(DecodeFaceName(odd), u"\u30B4a");
}

TEST(FontRecordPatch, CaptionWritesExactlyItsFields) {
    struct Case {
        std::optional<int> points;
        bool bold = false;
        std::uint8_t byte0 = 0, byte16 = 0, byte17 = 0;
    };
    const FontRecord original = PatternRecord();
    const Case cases[] = {
        {8, true, 245, 188, 2},
        {9, false, 244, 144, 1},
        {10, true, 243, 188, 2},
        {std::nullopt, false, original[0], 144, 1},
    };
    for (const auto& c : cases) {
        FontRecord record = original;
        ASSERT_EQ(PatchCaptionRecord(record, c.points, c.bold, u"Arial"), PatchResult::Ok);
        ASSERT_EQ(record.size(), kFontRecordSize);
        EXPECT_EQ(record[0], c.byte0);
        EXPECT_EQ(record[16], c.byte16);
        EXPECT_EQ(record[17], c.byte17);
        const std::uint8_t arial[] = {'A', 0, 'r', 0, 'i', 0, 'a', 0, 'l', 0};
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i == 0 || i == 16 || i == 17)
                continue;
            if (i < kFaceNameOffset) {
                EXPECT_EQ(record[i], original[i]) << "byte " << i;
            } else if (i < kFaceNameOffset + sizeof arial) {
                EXPECT_EQ(record[i], arial[i - kFaceNameOffset]) << "byte " << i;
            } else {
                EXPECT_EQ(record[i], 0) << "byte " << i;
            }
        }
    }
}

TEST(FontRecordPatch, MenuChangesOnlyTheName) {
    const FontRecord original = PatternRecord();
    FontRecord record = original;
    ASSERT_EQ(PatchMenuRecord(record, u"Tahoma"), PatchResult::Ok);
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + kFaceNameOffset, record.begin()));
    EXPECT_EQ(DecodeFaceName(record), u"Tahoma");
    EXPECT_EQ(record.back(), 0);
}

TEST(FontRecordPatch, PatchingTwiceGivesIdenticalBytes) {
    FontRecord once = PatternRecord();
    ASSERT_EQ(PatchCaptionRecord(once, 10, true, u"Verdana"), PatchResult::Ok);
    FontRecord twice = once;
    ASSERT_EQ(PatchCaptionRecord(twice, 10, true, u"Verdana"), PatchResult::Ok);
    EXPECT_EQ(once, twice);
    // A shorter name leaves no trace of the longer one.
    ASSERT_EQ(PatchCaptionRecord(twice, 10, true, u"MS"), PatchResult::Ok);
    EXPECT_EQ(DecodeFaceName(twice), u"MS");
}

TEST(FontRecordPatch, RecordKeepsItsLength) {
    // A 40-byte record has a 12-byte name area: the name is cut there.
    FontRecord small = PatternRecord(40);
    ASSERT_EQ(PatchCaptionRecord(small, 9, false, u"Verdana"), PatchResult::Ok);
    ASSERT_EQ(small.size(), 40u);
    EXPECT_EQ(DecodeFaceName(small), u"Verdan");

    // Long records are zero-filled to their end.
    FontRecord large = PatternRecord(4000);
    ASSERT_EQ(PatchMenuRecord(large, u"Arial"), PatchResult::Ok);
    ASSERT_EQ(large.size(), 4000u);
    EXPECT_EQ(DecodeFaceName(large), u"Arial");

    // 18 to 28 bytes: patchable, but there is no name area to write.
    FontRecord tiny = PatternRecord(18);
    ASSERT_EQ(PatchCaptionRecord(tiny, 8, true, u"Arial"), PatchResult::Ok);
    EXPECT_EQ(tiny[0], 245);
    EXPECT_EQ(tiny[17], 2);
}

TEST(FontRecordPatch, RefusalsLeaveTheRecordUntouched) {
    struct Case {
        std::size_t size;
        std::u16string face;
        PatchResult expected;
    };
    const Case cases[] = {
        {kFontRecordSize, u"", PatchResult::EmptyFaceName},
        {kFontRecordSize, std::u16string(32, u'x'), PatchResult::FaceNameTooLong},
        {17, u"Arial", PatchResult::RecordTooShort},
        {0, u"Arial", PatchResult::RecordTooShort},
    };
    for (const auto& c : cases) {
        const FontRecord original = PatternRecord(c.size);
        FontRecord caption = original;
        EXPECT_EQ(PatchCaptionRecord(caption, 8, true, c.face), c.expected) << c.size;
        EXPECT_EQ(caption, original);
        FontRecord menu = original;
        EXPECT_EQ(PatchMenuRecord(menu, c.face), c.expected) << c.size;
        EXPECT_EQ(menu, original);
    }
    // 31 units is the longest name that keeps its terminator.
    FontRecord record(kFontRecordSize, 0xEE);
    ASSERT_EQ(PatchMenuRecord(record, std::u16string(31, u'x')), PatchResult::Ok);
    EXPECT_EQ(DecodeFaceName(record), std::u16string(31, u'x'));
}

}  // namespace
}  // namespace quill
