#include "appearance/font_record.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "testing/font_records.h"

namespace quill {
namespace {

using testing::MakeRecord;

// A record whose every byte differs, so an untouched byte is easy to tell
// from a written one.
FontRecord PatternRecord(std::size_t size = kFontRecordSize) {
    FontRecord record(size);
    std::iota(record.begin(), record.end(), std::uint8_t{100});
    return record;
}

TEST(FontRecordDecode, PointSizeAndWeightFromBytes0And16) {
    struct Case {
        std::uint8_t byte0, byte16;
        int points;
        bool bold;
    };
    const Case cases[] = {
        {244, 144, 9, false}, {243, 188, 10, true}, {245, 188, 8, true},
        {13, 144, 9, false},  {0, 88, 9, false},    {246, 189, 9, false},
    };
    for (const Case& c : cases) {
        const FontRecord record = MakeRecord(c.byte0, c.byte16, u"");
        EXPECT_EQ(DecodePointSize(record), c.points) << int(c.byte0);
        EXPECT_EQ(DecodeBold(record), c.bold) << int(c.byte16);
    }
}

TEST(FontRecordDecode, ReadsNothingBeyondTheRecord) {
    // Views into a longer buffer whose bytes past the view would change the answer.
    std::array<std::uint8_t, 40> bytes{};
    bytes.fill(188);
    EXPECT_FALSE(DecodeBold(std::span(bytes).first(16)));
    EXPECT_TRUE(DecodeBold(std::span(bytes).first(17)));
    bytes.fill(245);
    EXPECT_EQ(DecodePointSize(std::span(bytes).first(0)), 9);
    bytes.fill('A');
    EXPECT_EQ(DecodeFaceName(std::span(bytes).first(28)), u"");
    EXPECT_EQ(DecodeFaceName(std::span(bytes).first(31)), u"\u4141");  // the odd byte is left
}

TEST(FontRecordDecode, FaceNameDropsEveryNul) {
    EXPECT_EQ(DecodeFaceName(MakeRecord(0, 0, u"Arial")), u"Arial");
    // A shorter name over the leftovers of a longer one keeps them.
    EXPECT_EQ(DecodeFaceName(MakeRecord(0, 0, std::u16string_view(u"Tahoma\0Bold", 11))),
              u"TahomaBold");
    EXPECT_EQ(DecodeFaceName(MakeRecord(0, 0, u"\u30B4a")), u"\u30B4a");
}

TEST(FontRecordPatch, CaptionWritesExactlyItsFields) {
    struct Case {
        std::optional<int> points;
        bool bold;
        std::uint8_t byte0, byte16, byte17;
    };
    const FontRecord original = PatternRecord();
    const Case cases[] = {
        {8, true, 245, 188, 2},
        {9, false, 244, 144, 1},
        {10, true, 243, 188, 2},
        {std::nullopt, false, original[0], 144, 1},
    };
    for (const Case& c : cases) {
        FontRecord record = original;
        // The name comes from a longer text: only its own units are written.
        ASSERT_EQ(
            PatchCaptionRecord(record, c.points, c.bold, std::u16string_view(u"Arial\u30B4", 5)),
            PatchResult::Ok);
        FontRecord expected = MakeRecord(0, 0, u"Arial");
        std::copy_n(original.begin(), kFaceNameOffset, expected.begin());
        expected[0] = c.byte0;
        expected[16] = c.byte16;
        expected[17] = c.byte17;
        EXPECT_EQ(record, expected) << c.points.value_or(0);
    }
}

TEST(FontRecordPatch, MenuChangesOnlyTheName) {
    const FontRecord original = PatternRecord();
    FontRecord record = original;
    ASSERT_EQ(PatchMenuRecord(record, u"\u30B4x"), PatchResult::Ok);
    FontRecord expected = MakeRecord(0, 0, u"\u30B4x");
    std::copy_n(original.begin(), kFaceNameOffset, expected.begin());
    EXPECT_EQ(record, expected);
}

TEST(FontRecordPatch, KeepsTheRecordsLength) {
    // A 40-byte record has a 12-byte name area: the name is cut there.
    FontRecord small = PatternRecord(40);
    ASSERT_EQ(PatchCaptionRecord(small, 9, false, u"Verdana"), PatchResult::Ok);
    EXPECT_EQ(small.size(), 40u);
    EXPECT_EQ(DecodeFaceName(small), u"Verdan");
    // A long record is zero-filled to its end.
    FontRecord large = PatternRecord(4000);
    ASSERT_EQ(PatchMenuRecord(large, u"Arial"), PatchResult::Ok);
    EXPECT_EQ(large.size(), 4000u);
    EXPECT_EQ(large.back(), 0);
    EXPECT_EQ(DecodeFaceName(large), u"Arial");
    // 18 bytes: patchable, though there is no name area.
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
    };
    for (const Case& c : cases) {
        const FontRecord original = PatternRecord(c.size);
        FontRecord caption = original;
        EXPECT_EQ(PatchCaptionRecord(caption, 8, true, c.face), c.expected) << c.size;
        EXPECT_EQ(caption, original);
        FontRecord menu = original;
        EXPECT_EQ(PatchMenuRecord(menu, c.face), c.expected) << c.size;
        EXPECT_EQ(menu, original);
    }
    // 31 units is the longest name that keeps its terminator.
    FontRecord record = PatternRecord();
    ASSERT_EQ(PatchMenuRecord(record, std::u16string(31, u'x')), PatchResult::Ok);
    EXPECT_EQ(DecodeFaceName(record), std::u16string(31, u'x'));
}

}  // namespace
}  // namespace quill
