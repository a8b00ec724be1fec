#include <map>

#include "editor_fixture.h"

namespace quill::testing {
namespace {

using Stored = MemoryStore::StoredValue;

Stored TextValue(std::string_view text) {
    ByteArray data(text.begin(), text.end());
    data.push_back(0);  // the store counts the terminator
    return {kRegSz, data};
}

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

class ApplyTest : public EditorTest {
  protected:
    // Start-up, then edits on every font control: caption Verdana, 10 point,
    // not bold; menu Arial.
    void LoadAndEditFonts() {
        Load();
        ui.ChooseListEntry("fontCmb", 2);
        ui.ClickCheckBox("ckPoint10");
        ui.ClickCheckBox("ckBold");
        ui.ChooseListEntry("menuCmb", 0);
    }

    // What a complete Apply writes for a row after LoadAndEditFonts.
    Stored Expected(const SchemeRow& row) {
        static const std::map<std::string_view, std::string_view> kSeeded{
            {"MenuBarColor", "236 233 216"},
            {"MenuHighlightColor", "49 106 197"},
            {"MenuColor", "212 219 200"},
            {"MenuTextColor", "0 0 0"},
            {"ActiveTitleBar", "10 36 106"},
            {"GradientActiveTitlebar", "166 202 240"},
            {"ActiveTitle", "255 255 255"},
            {"InactiveTitlebar", "128 128 128"},
            {"GradientInactiveTitlebar", "192 192 192"},
            {"InactiveTitle", "212 208 200"}};
        switch (row.source) {
            case SchemeSource::FixedText:
                return TextValue(Narrow(row.fixedText));
            case SchemeSource::Swatch:
                return TextValue(kSeeded.at(row.swatch));
            case SchemeSource::CaptionFont:
                return {kRegBinary, kNewCaption};
            case SchemeSource::MenuFont:
                return {kRegBinary, kNewMenu};
        }
        return {};
    }

    std::optional<Stored> StoreHolds(const SchemeRow& row) {
        return store.Get(Narrow(row.key), Narrow(row.valueName));
    }

    const FontRecord kNewCaption = MakeRecord(kHeight10Point, kNormalLow, u"Verdana");
    const FontRecord kNewMenu = MakeRecord(kHeight9Point, kNormalLow, u"Arial");
};

TEST_F(ApplyTest, WritesTheWholeSchemeInOrder) {
    LoadAndEditFonts();
    ui.ClickButton("btnApply");
    const auto& log = store.SetValueLog();
    ASSERT_EQ(log.size(), 42u);
    for (const SchemeRow& row : kSchemeTable) {
        const auto& call = log[row.position - 1];
        EXPECT_EQ(call.valueName, Narrow(row.valueName));
        EXPECT_EQ(call.keyPath, Narrow(row.key));
        EXPECT_EQ(call.status, kErrorSuccess);
    }
    for (const SchemeRow& row : kSchemeTable) {
        if (row.position != 19 && row.position != 20 && row.position != 21) {  // written twice
            EXPECT_EQ(StoreHolds(row), Expected(row)) << row.position;
        }
    }
    EXPECT_EQ(Text("Menu"), "212 219 200");
    EXPECT_EQ(Bytes("SmCaptionFont"), kNewCaption);
    EXPECT_EQ(ui.Frame().Caption(), u"Yes!");
    EXPECT_TRUE(ApplyFlag());
    EXPECT_EQ(store.OpenHandleCount(), 0u);
}

class ApplyFailureTest : public ApplyTest, public ::testing::WithParamInterface<int> {};

TEST_P(ApplyFailureTest, StopsAtTheFailedRowKeepingWhatWasWritten) {
    const int failing = GetParam();
    LoadAndEditFonts();
    const FontRecord oldCaption = form.CaptionFontBytes;
    const FontRecord oldMenu = form.MenuFontBytes;
    std::map<std::pair<std::u16string_view, std::u16string_view>, std::optional<Stored>> expected;
    for (const SchemeRow& row : kSchemeTable) {
        expected.try_emplace({row.key, row.valueName}, StoreHolds(row));
    }
    for (const SchemeRow& row : kSchemeTable) {
        if (row.position < failing) {
            expected[{row.key, row.valueName}] = Expected(row);
        }
    }

    store.FailNthSetValue(failing);
    ui.ClickButton("btnApply");

    EXPECT_EQ(store.SetValueLog().size(), static_cast<std::size_t>(failing));
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(store.Get(Narrow(name.first), Narrow(name.second)), value) << Narrow(name.second);
    }
    EXPECT_EQ(form.CaptionFontBytes, failing >= 40 ? kNewCaption : oldCaption);
    EXPECT_EQ(form.MenuFontBytes, failing == 42 ? kNewMenu : oldMenu);
    EXPECT_EQ(ui.Frame().Caption(), u"Failed!");
    EXPECT_TRUE(ApplyFlag());
    EXPECT_EQ(store.OpenHandleCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ApplyFailureTest, ::testing::Range(1, 43));

TEST_F(ApplyTest, ApplyingTwicePatchesTheRecordsAgain) {
    LoadAndEditFonts();
    ui.ClickButton("btnApply");
    ui.ClickButton("btnApply");
    const auto& log = store.SetValueLog();
    ASSERT_EQ(log.size(), 84u);
    for (int i = 0; i < 42; ++i) {
        EXPECT_EQ(log[i].data, log[42 + i].data) << i + 1;  // unchanged settings: same bytes
    }
    ui.ClickCheckBox("ckBold");
    ui.ClickButton("btnApply");
    for (auto name : {"CaptionFont", "SmCaptionFont"}) {
        EXPECT_EQ(Bytes(name)[16], kBoldLow) << name;
        EXPECT_EQ(Bytes(name)[17], kBoldHigh) << name;
    }
}

TEST_F(ApplyTest, FirstCheckedSizeBoxWinsAndNoneKeepsTheHeight) {
    Load();
    ui.CheckBoxNamed("ckPoint10").SetValue(kChecked);  // 8 and 10 both checked
    ui.ButtonNamed("btnApply").SetEnabled(true);
    ui.ClickButton("btnApply");
    EXPECT_EQ(Bytes("CaptionFont")[0], kHeight8Point);

    ui.CheckBoxNamed("ckPoint8").SetValue(kUnchecked);
    ui.CheckBoxNamed("ckPoint10").SetValue(kGreyed);  // greyed does not count
    ui.ClickButton("btnApply");
    EXPECT_EQ(Bytes("CaptionFont")[0], kHeight8Point);
}

TEST_F(ApplyTest, RefusesFaceNamesItCannotWriteBeforeAnyWrite) {
    const std::u16string longest(31, u'x');
    struct Case {
        const char* box;
        std::u16string face;
        bool refused;
    };
    for (const Case& c : {Case{"fontCmb", u"", true}, Case{"menuCmb", u"", true},
                          Case{"fontCmb", longest + u"x", true},
                          Case{"menuCmb", longest + u"x", true}, Case{"fontCmb", longest, false}}) {
        MemoryToolkit toolkit;
        MemoryStore scheme;
        scheme.CreateKey(kColors);
        scheme.CreateKey(kMetrics);
        Form1 editor(toolkit, scheme, codec);
        editor.Form_Load();
        toolkit.TypeText(c.box, c.face);
        toolkit.ButtonNamed("btnApply").SetEnabled(true);
        toolkit.ClickButton("btnApply");
        EXPECT_EQ(scheme.SetValueLog().size(), c.refused ? 0u : 42u) << c.box;
        EXPECT_EQ(toolkit.Frame().Caption(), c.refused ? u"Failed!" : u"Yes!");
    }
}

TEST_F(ApplyTest, SystemColourSwatchIsWrittenAsTheColourItShows) {
    store.Remove(kColors, "ActiveTitle");
    store.Remove(kColors, "MenuText");
    ui.Desk().sysColors[SystemColorIndex(kSysWindowBackground)] = Rgb(1, 2, 3);
    Load();
    ui.ButtonNamed("btnApply").SetEnabled(true);
    ui.ClickButton("btnApply");
    EXPECT_EQ(Text("ActiveTitle"), "1 2 3");
    EXPECT_EQ(Text("MenuText"), "1 2 3");
    EXPECT_EQ(Text("TitleText"), "255 255 255");
}

TEST_F(ApplyTest, XpDefaultThenApplyWritesTheDefaultScheme) {
    Load();
    ui.ClickButton("Command1");
    ui.ClickButton("btnApply");
    const auto& log = store.SetValueLog();
    const std::string fixedMenu = "212 208 200";
    ASSERT_EQ(log.size(), 42u);
    EXPECT_EQ(log[18].data, ByteArray(fixedMenu.begin(), fixedMenu.end()));
    EXPECT_EQ(Text("Menu"), "212 219 200");
    EXPECT_EQ(Bytes("CaptionFont"), MakeRecord(kHeight10Point, kBoldLow, u"Tahoma"));
    EXPECT_EQ(Bytes("MenuFont"), MakeRecord(kHeight9Point, kNormalLow, u"Tahoma"));
}

}  // namespace
}  // namespace quill::testing
