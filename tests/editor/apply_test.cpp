#include "testing/process_census.h"
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
    // Both keys after the first `count` writes of a complete Apply after
    // StartAndEditFonts, over what they held before.
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

TEST_F(ApplyTest, WritesTheWholeSchemeAndSaysYesTwice) {
    StartAndEditFonts();
    Press("btnApply");
    EXPECT_EQ(Stored(), After(42));
    EXPECT_EQ(toolkit_.Caption(), u"Yes!");
    EXPECT_TRUE(ApplyFlag());
    // Again, bold now: both caption records get the new weight.
    Click("ckBold");
    Press("btnApply");
    for (auto name : {L"CaptionFont", L"SmCaptionFont"}) {
        EXPECT_EQ(Snapshot(kMetricsKey).at(name), Binary(MakeRecord(243, 188, face_)));
    }
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

TEST_F(ApplyTest, TheFirstCheckedSizeBoxWinsAndNoneKeepsTheHeight) {
    Start();
    Press("Command1");  // XP Default: 10 points
    const std::pair<std::vector<int>, int> cases[] = {
        {{1, 0, 1}, 245}, {{0, 1, 1}, 244}, {{0, 0, 1}, 243}, {{0, 0, 0}, 243}, {{1, 1, 0}, 245}};
    for (const auto& [boxes, height] : cases) {
        toolkit_.CheckBoxNamed("ckPoint8").SetValue(boxes[0]);
        toolkit_.CheckBoxNamed("ckPoint9").SetValue(boxes[1]);
        toolkit_.CheckBoxNamed("ckPoint10").SetValue(boxes[2]);
        Press("btnApply");
        EXPECT_EQ(Snapshot(kMetricsKey).at(L"CaptionFont").data[0], height);
    }
}

TEST_F(ApplyTest, FaceNamesItCannotWriteAreRefusedBeforeAnyWrite) {
    struct Case {
        const char* box;
        std::wstring face;
        bool refused;
    };
    Start();
    Press("Command1");
    for (const Case& c : {Case{"fontCmb", L"", true}, Case{"menuCmb", L"", true},
                          Case{"fontCmb", std::wstring(32, L'x'), true},
                          Case{"menuCmb", std::wstring(32, L'x'), true},
                          Case{"menuCmb", std::wstring(31, L'x'), false}}) {
        SeedScheme({}, {}, {});
        ::SendMessageW(Hwnd(c.box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.face.c_str()));
        Press("btnApply");
        EXPECT_EQ(toolkit_.Caption(), c.refused ? u"Failed!" : u"Yes!");
        EXPECT_EQ(Snapshot(kColorsKey).empty(), c.refused);
        ::SendMessageW(Hwnd(c.box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Tahoma"));
    }
}

TEST_F(ApplyTest, ASwatchHoldingASystemColourIsWrittenAsTheColourItShows) {
    SeedScheme({}, {}, {});
    Start();
    Press("Command1");
    L("MenuTextColor").SetBackColor(kSysWindowText);
    Press("btnApply");
    const COLORREF shown = ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(Snapshot(kColorsKey).at(L"MenuText"),
              Sz(std::to_string(GetRValue(shown)) + " " + std::to_string(GetGValue(shown)) + " " +
                 std::to_string(GetBValue(shown))));
}

TEST_F(ApplyTest, AThousandRepaintsAndAHundredAppliesHoldNoMoreThanBefore) {
    Start();
    // One round of everything first: caches and fonts made on first use settle.
    Choose("fontCmb", 0);
    Choose("fontCmb", 1);
    Press("btnApply");
    const Census before = TakeCensus(::GetCurrentProcess(), ::GetCurrentProcessId());
    for (int i = 0; i < 500; ++i) {
        Choose("fontCmb", i % 2);  // repaints both previews
    }
    for (int i = 0; i < 100; ++i) {
        Press("btnApply");
    }
    const Census after = TakeCensus(::GetCurrentProcess(), ::GetCurrentProcessId());
    EXPECT_GT(before.gdiObjects, 0) << "the census cannot see the process";
    // Wine's own caches make or free the odd GDI object as they please; a
    // leak in a repaint or an Apply adds a hundred or more.
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 4);
    EXPECT_LE(after.userObjects, before.userObjects);
    EXPECT_LE(after.kernelHandles, before.kernelHandles);
}

}  // namespace
}  // namespace quill::testing
