#include "testing/process_census.h"
#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// Apply after StartAndEditFonts, one write failing; row 43 is never written: a complete Apply.
class ApplyTest : public EditorTest, public ::testing::WithParamInterface<int> {
  protected:
    // Start-up, then every font control edited: the list's second face for
    // both, 10 points, not bold.
    void StartAndEditFonts() {
        Start();
        face_ = toolkit_.ComboBoxNamed("fontCmb").List(1);
        ASSERT_NE(face_, u"Tahoma");
        Choose("fontCmb", 1);
        Click("ckPoint10");
        Click("ckBold");
        Choose("menuCmb", 1);
    }
    // Both keys after the first `count` writes of a complete Apply after
    // StartAndEditFonts, over what they held before.
    std::pair<KeyValues, KeyValues> After(int count) {
        auto keys = std::pair(seeded_.first, seeded_.second);
        const auto writes = AppliedScheme(kDefaultColours, MakeRecord(-13, 144, face_),
                                          MakeRecord(-12, 144, face_));
        for (const auto& [key, name, value] : std::span(writes).first(count)) {
            (key == kColorsKey ? keys.first : keys.second)[name] = value;
        }
        return keys;
    }
    std::pair<KeyValues, KeyValues> Stored() {
        return {Snapshot(kColorsKey), Snapshot(kMetricsKey)};
    }

    const std::pair<KeyValues, KeyValues> seeded_ = Stored();
    std::u16string face_;
};

TEST_P(ApplyTest, StopsAtTheFailedWriteKeepingWhatWasWritten) {
    StartAndEditFonts();
    store_.FailWrite(GetParam());
    PressKey(VK_RETURN);  // Enter presses Apply
    EXPECT_EQ(Stored(), After(std::min(GetParam() - 1, 42)));
    EXPECT_EQ(toolkit_.Caption(), GetParam() == 43 ? u"Yes!" : u"Failed!");
    EXPECT_TRUE(ApplyFlag());
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ApplyTest, ::testing::Range(1, 44));

TEST_F(EditorTest, ApplyWritesTheFirstCheckedSizeWholeAndRefusesBadFaceNamesBeforeAnyWrite) {
    SeedScheme(kDefaultColours, MakeRecord(8, 144, u"Tahoma"), MakeRecord(10, 144, u"Tahoma"));
    Start();  // a caption height kept in points: 8 points
    EXPECT_EQ(Sizes(), (std::vector<int>{1, 0, 0}));
    Press("Command1");  // an edit: Apply can be pressed
    const std::wstring longest(31, L'x');
    // The size boxes, a face typed into a list, and the caption record's
    // height written then, bytes 0-3; 0 when Apply refuses.
    // clang-format off
    const std::tuple<std::vector<int>, const char*, std::wstring, int> cases[] = {
        {{0, 0, 0}, "fontCmb", L"Tahoma", 8},   {{1, 0, 1}, "fontCmb", L"Tahoma", -11},
        {{0, 1, 1}, "menuCmb", longest, -12},   {{0, 0, 1}, "fontCmb", longest, -13},
        {{0, 0, 0}, "fontCmb", L"Tahoma", -13}, {{1, 1, 0}, "fontCmb", L"Tahoma", -11},
        {{1, 0, 0}, "fontCmb", L"", 0},         {{1, 0, 0}, "menuCmb", L"", 0}};
    // clang-format on
    for (const auto& [boxes, list, face, height] : cases) {
        SeedKey(kColorsKey, {});
        SeedKey(kMetricsKey, {});
        SetBoxes(boxes);
        Type(list, face.c_str());
        Press("btnApply");
        EXPECT_EQ(toolkit_.Caption(), height != 0 ? u"Yes!" : u"Failed!");
        auto caption = Snapshot(kMetricsKey)[L"CaptionFont"].data;  // none when refused
        caption.resize(4);
        EXPECT_EQ(caption[0] | caption[1] << 8 | caption[2] << 16 | caption[3] << 24, height);
        EXPECT_EQ(Snapshot(kColorsKey).empty(), height == 0);
        Type(list, L"Tahoma");
    }
}

TEST_F(EditorTest, AThousandRepaintsAHundredAppliesAndAWindowMadeAgainHoldNoMoreThanBefore) {
    Start();
    Choose("fontCmb", 0);  // one round of everything first: caches and fonts settle
    Choose("fontCmb", 1);
    Press("btnApply");
    const Census before = TakeCensus();
    for (int i = 0; i < 500; ++i) {
        Choose("fontCmb", i % 2);  // repaints both previews
    }
    for (int i = 0; i < 100; ++i) {
        Press("btnApply");
    }
    win32::Toolkit().Show(SW_SHOWNOACTIVATE);
    const Census after = TakeCensus();
    EXPECT_GT(before.gdiObjects, 0) << "the census cannot see the process";
    // Wine's caches make or free the odd GDI object as they please; a leak in
    // a repaint or an Apply adds a hundred or more.
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 4);
    EXPECT_LE(after.windows, before.windows);
}

}  // namespace
}  // namespace quill::testing
