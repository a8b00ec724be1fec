#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

class XpDefaultTest : public EditorTest {
  protected:
    XpDefaultTest() {
        SeedScheme({{L"MenuBar", "1 2 3"}, {L"InactiveTitleText", "4 5 6"}},
                   MakeRecord(244, 144, u"Arial"), MakeRecord(244, 144, u"Arial"));
    }

    void ExpectDefaults() {
        EXPECT_EQ(Text("fontCmb"), u"Tahoma");
        EXPECT_EQ(Text("menuCmb"), u"Tahoma");
        EXPECT_EQ(State("ckBold"), kChecked);
        EXPECT_EQ(PointBoxes(), (std::vector<int>{0, 0, 1}));
        const std::pair<const char*, Color> swatches[] = {{"MenuBarColor", 14215660},
                                                          {"MenuHighlightColor", 12937777},
                                                          {"MenuColor", 13163476},
                                                          {"MenuTextColor", 0},
                                                          {"ActiveTitleBar", 6956042},
                                                          {"GradientActiveTitlebar", 15780518},
                                                          {"ActiveTitle", 16777215},
                                                          {"InactiveTitlebar", 8421504},
                                                          {"GradientInactiveTitlebar", 12632256},
                                                          {"InactiveTitle", 13160660}};
        for (const auto& [name, colour] : swatches) {
            EXPECT_EQ(Back(name), colour) << name;
        }
        for (auto pic : {"ActivePic", "InactivePic"}) {
            EXPECT_EQ(PreviewFont(pic), (FontAttributes{u"Tahoma", 10, true})) << pic;
        }
        ExpectPreview("ActivePic", 6956042, 15780518, kWhite);
        ExpectPreview("InactivePic", 8421504, 12632256, 13160660);
        ExpectMenuInStep();
        EXPECT_EQ(L("Label6").FontName(), u"Tahoma");
        EXPECT_TRUE(ApplyFlag());
    }
};

TEST_F(XpDefaultTest, PutsEveryControlBackWithoutWriting) {
    const KeyValues colours = Snapshot(kColorsKey), metrics = Snapshot(kMetricsKey);
    Start();
    Press("Command1");
    ExpectDefaults();
    // Again, on the defaults: the same, still with the apply flag.
    Press("Command1");
    ExpectDefaults();
    // Cancel then closes without writing.
    Press("Command2");
    EXPECT_FALSE(::IsWindowVisible(toolkit_.Handle()));
    EXPECT_EQ(toolkit_.RunMessageLoop(), 0);
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_EQ(Snapshot(kMetricsKey), metrics);
}

}  // namespace
}  // namespace quill::testing
