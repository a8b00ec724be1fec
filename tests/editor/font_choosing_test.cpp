#include "editor_fixture.h"

namespace quill::testing {
namespace {

using FontChoosingTest = EditorTest;

TEST_F(FontChoosingTest, CaptionFaceChoiceRepaintsBothPreviewsInTheNewFace) {
    Load();
    ui.ChooseListEntry("fontCmb", 2);  // "Verdana"
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"fontCmb.ListChoice", "  ActivePic.DrawText",
                                                  "  InactivePic.DrawText"}));
    for (auto pic : {"ActivePic", "InactivePic"}) {
        EXPECT_EQ(ui.Picture(pic).Captions().back().font, (FontAttributes{u"Verdana", 8, true}));
    }
    EXPECT_TRUE(ApplyFlag());
    EXPECT_EQ(ui.LabelNamed("MenuBar").FontName(), u"Tahoma");
}

TEST_F(FontChoosingTest, MenuFaceChoiceChangesTheFiveLabelsOnly) {
    Load();
    ui.ChooseListEntry("menuCmb", 0);  // "Arial"
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"menuCmb.ListChoice"}));
    EXPECT_EQ(ui.LabelNamed("Menu").FontName(), u"Arial");
    EXPECT_EQ(ui.LabelAt("MenuHilight").Font().points, 9);  // only the face changes
    EXPECT_EQ(ui.PictureNamed("ActivePic").Font().face, u"Tahoma");
    EXPECT_TRUE(ApplyFlag());
    ExpectMenuInStep();
}

TEST_F(FontChoosingTest, TypingAFaceRunsNothing) {
    Load();
    ui.TypeText("fontCmb", u"Typed");
    ui.TypeText("menuCmb", u"Typed");
    EXPECT_TRUE(ui.Log().empty());
    EXPECT_FALSE(ApplyFlag());
    EXPECT_EQ(ui.PictureNamed("ActivePic").Font().face, u"Tahoma");
}

TEST_F(FontChoosingTest, BoldChangeRepaintsAndOnlyAMousePressSetsTheApplyFlag) {
    Load();
    ui.PressSpace("ckBold");
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"ckBold.StateChange", "  ActivePic.DrawText",
                                                  "  InactivePic.DrawText"}));
    EXPECT_FALSE(ui.PictureNamed("InactivePic").Font().bold);
    EXPECT_FALSE(ApplyFlag());

    ui.ClickCheckBox("ckBold", MouseButton::Left, /*releaseInside=*/false);
    EXPECT_EQ(Value("ckBold"), kUnchecked);
    EXPECT_TRUE(ApplyFlag());
    ui.ClickCheckBox("ckBold");
    EXPECT_TRUE(ui.Picture("ActivePic").Captions().back().font.bold);
    ExpectMenuInStep();
}

// The point-size boxes after a press and release, from 8 checked at start-up.
struct InterlockCase {
    const char* what;
    std::vector<int> before;
    const char* box;
    MouseButton button;
    bool inside;
    std::vector<int> after;
    float previewPoints;
};

void PrintTo(const InterlockCase& c, std::ostream* os) {
    *os << c.what;
}

class InterlockTest : public EditorTest, public ::testing::WithParamInterface<InterlockCase> {};

TEST_P(InterlockTest, KeepsOneSizeChosen) {
    const InterlockCase& c = GetParam();
    Load();
    ui.CheckBoxNamed("ckPoint8").SetValue(c.before[0]);
    ui.CheckBoxNamed("ckPoint9").SetValue(c.before[1]);
    ui.CheckBoxNamed("ckPoint10").SetValue(c.before[2]);
    ui.ClickCheckBox(c.box, c.button, c.inside);
    EXPECT_EQ(PointBoxes(), c.after);
    EXPECT_EQ(ui.PictureNamed("ActivePic").Font().points, c.previewPoints);
    EXPECT_EQ(ui.PictureNamed("InactivePic").Font().points, c.previewPoints);
    EXPECT_TRUE(ApplyFlag());
    EXPECT_EQ(Value("ckBold"), kChecked);
    ExpectMenuInStep();
}

using enum MouseButton;
INSTANTIATE_TEST_SUITE_P(
    PointSizes, InterlockTest,
    ::testing::Values(
        InterlockCase{"Select10", {1, 0, 0}, "ckPoint10", Left, true, {0, 0, 1}, 10},
        InterlockCase{"Select9", {1, 0, 0}, "ckPoint9", Left, true, {0, 1, 0}, 9},
        InterlockCase{"Select8", {0, 0, 1}, "ckPoint8", Left, true, {1, 0, 0}, 8},
        InterlockCase{"ClickTheCheckedBox", {1, 0, 0}, "ckPoint8", Left, true, {1, 0, 0}, 8},
        InterlockCase{"ReleaseOutside", {1, 0, 0}, "ckPoint10", Left, false, {1, 0, 1}, 8},
        InterlockCase{"RightButton", {1, 0, 0}, "ckPoint9", Right, true, {1, 1, 0}, 8},
        InterlockCase{"ClearsBothOthers", {1, 1, 0}, "ckPoint10", Left, true, {0, 0, 1}, 10}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(FontChoosingTest, KeyboardToggleOfAPointBoxRunsNoInterlock) {
    Load();
    ui.PressSpace("ckPoint10");
    EXPECT_EQ(PointBoxes(), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(ui.PictureNamed("ActivePic").Font().points, 8);
    EXPECT_FALSE(ApplyFlag());
}

}  // namespace
}  // namespace quill::testing
