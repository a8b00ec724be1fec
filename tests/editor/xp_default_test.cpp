#include "editor_fixture.h"

namespace quill::testing {
namespace {

class XpDefaultTest : public EditorTest {
  protected:
    void ExpectDefaults() {
        EXPECT_EQ(ui.ComboBoxNamed("fontCmb").Text(), u"Tahoma");
        EXPECT_EQ(ui.ComboBoxNamed("menuCmb").Text(), u"Tahoma");
        EXPECT_EQ(Value("ckBold"), kChecked);
        EXPECT_EQ(PointBoxes(), (std::vector<int>{0, 0, 1}));
        const std::vector<std::pair<const char*, Color>> swatches{
            {"MenuBarColor", 14215660},
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
        const std::vector<std::pair<const char*, Color>> captions{{"ActivePic", kWhite},
                                                                  {"InactivePic", 13160660}};
        for (const auto& [pic, text] : captions) {
            const auto& drawn = ui.Picture(pic).Captions().back();
            EXPECT_EQ(drawn.font, (FontAttributes{u"Tahoma", 10, true})) << pic;
            EXPECT_EQ(drawn.color, text) << pic;
        }
        const MemoryPicture& active = ui.Picture("ActivePic");
        EXPECT_EQ(active.Pixel(active.InnerWidth() - 1, 0), Rgb(166, 202, 240));
        const MemoryPicture& inactive = ui.Picture("InactivePic");
        EXPECT_EQ(inactive.Pixel(inactive.InnerWidth() - 1, 0), Rgb(192, 192, 192));
        EXPECT_TRUE(ApplyFlag());
        ExpectMenuInStep();
        EXPECT_EQ(ui.LabelNamed("Label6").FontName(), u"Tahoma");
    }
};

TEST_F(XpDefaultTest, FromAClearBoldBoxRunsTheBoldChangeOnceBeforeTheRepaints) {
    SeedFonts(MakeRecord(kHeight9Point, kNormalLow, u"Arial"),
              MakeRecord(kHeight9Point, kNormalLow, u"Arial"));
    Load();
    ui.ClickButton("Command1");
    EXPECT_EQ(ui.Log(),
              (std::vector<std::string>{"Command1.Click", "  ckBold.StateChange",
                                        "    ActivePic.DrawText", "    InactivePic.DrawText",
                                        "  ckPoint9.StateChange", "  ckPoint10.StateChange",
                                        "  ActivePic.DrawText", "  InactivePic.DrawText"}));
    ExpectDefaults();
    EXPECT_TRUE(store.SetValueLog().empty());
}

TEST_F(XpDefaultTest, FromACheckedBoldBoxRunsNoBoldChange) {
    Load();
    ui.ClickButton("Command1");
    ui.ClickButton("Command1");  // again on the defaults: still repaints
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{
                            "Command1.Click", "  ckPoint8.StateChange", "  ckPoint10.StateChange",
                            "  ActivePic.DrawText", "  InactivePic.DrawText", "Command1.Click",
                            "  ActivePic.DrawText", "  InactivePic.DrawText"}));
    ExpectDefaults();
    ui.ClickButton("Command2");
    EXPECT_TRUE(ui.Frame().Unloaded());
    EXPECT_TRUE(store.SetValueLog().empty());
}

}  // namespace
}  // namespace quill::testing
