#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

class ApplyTest : public EditorTest {
  protected:
    // Start-up, then an edit of every font control: the caption face and the
    // menu face both the list's first other than Tahoma, 10 points, not bold.
    void StartAndEditFonts() {
        Start();
        ComboBox& list = toolkit_.ComboBoxNamed("fontCmb");
        int entry = 0;
        while (list.List(entry) == u"Tahoma" || list.List(entry).size() > 31) {
            ++entry;
        }
        face_ = list.List(entry);
        Choose("fontCmb", entry);
        Click("ckPoint10");
        Click("ckBold");
        Choose("menuCmb", entry);
    }

    // What both keys hold after the first `count` writes of a complete Apply
    // after StartAndEditFonts, over what they held before it.
    std::pair<KeyValues, KeyValues> After(int count) {
        auto keys = std::pair(seededColours_, seededMetrics_);
        const auto writes = AppliedScheme(kDefaultColours, MakeRecord(243, 144, face_),
                                          MakeRecord(244, 144, face_));
        for (int i = 0; i < count; ++i) {
            (writes[i].key == kColorsKey ? keys.first : keys.second)[writes[i].name] =
                writes[i].value;
        }
        return keys;
    }
    std::pair<KeyValues, KeyValues> Stored() {
        return {Snapshot(kColorsKey), Snapshot(kMetricsKey)};
    }

    const KeyValues seededColours_ = Snapshot(kColorsKey);
    const KeyValues seededMetrics_ = Snapshot(kMetricsKey);
    std::u16string face_;
};

TEST_F(ApplyTest, WritesTheWholeSchemeAndSaysYes) {
    StartAndEditFonts();
    Press("btnApply");
    EXPECT_EQ(Stored(), After(42));
    EXPECT_EQ(toolkit_.Caption(), u"Yes!");
    EXPECT_TRUE(ApplyFlag());
}

class ApplyFailureTest : public ApplyTest, public ::testing::WithParamInterface<int> {};

TEST_P(ApplyFailureTest, StopsAtTheFailedWriteKeepingWhatWasWritten) {
    StartAndEditFonts();
    store_.FailWrite(GetParam());
    Press("btnApply");
    EXPECT_EQ(Stored(), After(GetParam() - 1));
    EXPECT_EQ(toolkit_.Caption(), u"Failed!");
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ApplyFailureTest, ::testing::Range(1, 43));

TEST_F(ApplyTest, ASecondApplyPatchesTheRecordsAgain) {
    StartAndEditFonts();
    Press("btnApply");
    const KeyValues first = Snapshot(kMetricsKey);
    Press("btnApply");
    EXPECT_EQ(Snapshot(kMetricsKey), first);
    Click("ckBold");
    Press("btnApply");
    const KeyValues bold = Snapshot(kMetricsKey);
    for (auto name : {L"CaptionFont", L"SmCaptionFont"}) {
        EXPECT_EQ(bold.at(name).data[16], 188);
        EXPECT_EQ(bold.at(name).data[17], 2);
    }
}

TEST_F(ApplyTest, TheFirstCheckedSizeBoxWinsAndNoneKeepsTheHeight) {
    Start();
    toolkit_.CheckBoxNamed("ckPoint10").SetValue(kChecked);  // 8 and 10 both checked
    Press("Command1");  // any edit enables Apply; XP Default leaves only 10 checked
    toolkit_.CheckBoxNamed("ckPoint8").SetValue(kChecked);
    EXPECT_EQ(PointBoxes(), (std::vector<int>{1, 0, 1}));
    Press("btnApply");
    EXPECT_EQ(Snapshot(kMetricsKey).at(L"CaptionFont").data[0], 245);
    toolkit_.CheckBoxNamed("ckPoint8").SetValue(kUnchecked);
    toolkit_.CheckBoxNamed("ckPoint10").SetValue(kUnchecked);
    Press("btnApply");
    EXPECT_EQ(Snapshot(kMetricsKey).at(L"CaptionFont").data[0], 245);
    toolkit_.CheckBoxNamed("ckPoint9").SetValue(kChecked);
    Press("btnApply");
    EXPECT_EQ(Snapshot(kMetricsKey).at(L"CaptionFont").data[0], 244);
}

TEST_F(ApplyTest, FaceNamesItCannotWriteAreRefusedBeforeAnyWrite) {
    const std::wstring longest(31, L'x');
    struct Case {
        const char* box;
        std::wstring face;
        bool refused;
    };
    Start();
    Press("Command1");
    for (const Case& c : {Case{"fontCmb", L"", true}, Case{"menuCmb", L"", true},
                          Case{"fontCmb", longest + L"x", true}, Case{"menuCmb", longest + L"x", true},
                          Case{"fontCmb", longest, false}}) {
        SeedScheme(kDefaultColours, kTahoma8Bold, kTahoma9);
        const KeyValues before = Snapshot(kMetricsKey);
        ::SendMessageW(Hwnd(c.box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.face.c_str()));
        Press("btnApply");
        EXPECT_EQ(toolkit_.Caption(), c.refused ? u"Failed!" : u"Yes!") << c.box;
        EXPECT_EQ(Snapshot(kMetricsKey) == before, c.refused) << c.box;
        ::SendMessageW(Hwnd(c.box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Tahoma"));
    }
}

TEST_F(ApplyTest, ASwatchHoldingASystemColourIsWrittenAsTheColourItShows) {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kColorsKey, L"MenuText");
    Start();
    Press("Command1");
    toolkit_.LabelNamed("MenuTextColor").SetBackColor(kSysWindowText);
    Press("btnApply");
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    const std::string expected = std::to_string(GetRValue(text)) + " " +
                                 std::to_string(GetGValue(text)) + " " +
                                 std::to_string(GetBValue(text));
    EXPECT_EQ(Snapshot(kColorsKey).at(L"MenuText"), Sz(expected));
}

TEST_F(ApplyTest, XpDefaultThenApplyWritesTheDefaultScheme) {
    SeedScheme({}, MakeRecord(245, 144, u"Courier New"), MakeRecord(245, 144, u"Courier New"));
    KeyValues colours, metrics;
    for (const Write& write : AppliedScheme(kDefaultColours, MakeRecord(243, 188, u"Tahoma"),
                                            MakeRecord(245, 144, u"Tahoma"))) {
        (write.key == kColorsKey ? colours : metrics)[write.name] = write.value;
    }
    Start();
    Press("Command1");
    Press("btnApply");
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_EQ(Snapshot(kMetricsKey), metrics);
}

}  // namespace
}  // namespace quill::testing
