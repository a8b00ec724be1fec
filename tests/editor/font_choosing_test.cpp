#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

using FontChoosingTest = EditorTest;

TEST_F(FontChoosingTest, AFaceChosenFromAListChangesItsPreviewsOnly) {
    Start();
    const std::u16string face = toolkit_.ComboBoxNamed("fontCmb").List(1);
    Choose("fontCmb", 1);
    EXPECT_EQ(Text("fontCmb"), face);
    EXPECT_EQ(PreviewFont("ActivePic"), (FontAttributes{face, 8, true}));
    EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{face, 8, true}));
    EXPECT_EQ(L("Menu").FontName(), u"Tahoma");
    EXPECT_TRUE(ApplyFlag());

    Choose("menuCmb", 2);
    EXPECT_EQ(L("MenuBar").FontName(), toolkit_.ComboBoxNamed("menuCmb").List(2));
    ExpectMenuInStep();
    EXPECT_EQ(PreviewFont("ActivePic").face, face);
}

TEST_F(FontChoosingTest, TypingAFaceOrTogglingByKeyboardSetsNoApplyFlag) {
    Start();
    ::SendMessageW(Hwnd("fontCmb"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Typed"));
    ::SendMessageW(Hwnd("menuCmb"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Typed"));
    EXPECT_EQ(PreviewFont("ActivePic").face, u"Tahoma");
    EXPECT_EQ(L("Menu").FontName(), u"Tahoma");
    // The bold change runs, the point-size interlock does not.
    PressSpace("ckBold");
    EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{u"Tahoma", 8, false}));
    ExpectPreview("ActivePic", Rgb(10, 36, 106), Rgb(166, 202, 240), kWhite);
    PressSpace("ckPoint10");
    EXPECT_EQ(PointBoxes(), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(PreviewFont("ActivePic").points, 8);
    EXPECT_FALSE(ApplyFlag());
    // Any mouse press on the bold box sets it, released over the box or not.
    Click("ckBold", WM_LBUTTONDOWN, /*inside=*/false);
    EXPECT_EQ(State("ckBold"), kUnchecked);
    EXPECT_TRUE(ApplyFlag());
}

struct InterlockCase {
    const char* what;
    std::vector<int> before;
    const char* box;
    UINT button;
    bool inside;
    std::vector<int> after;
    float points;
};

class InterlockTest : public EditorTest, public ::testing::WithParamInterface<InterlockCase> {};

TEST_P(InterlockTest, KeepsOneSizeChosen) {
    const InterlockCase& c = GetParam();
    Start();
    toolkit_.CheckBoxNamed("ckPoint8").SetValue(c.before[0]);
    toolkit_.CheckBoxNamed("ckPoint9").SetValue(c.before[1]);
    toolkit_.CheckBoxNamed("ckPoint10").SetValue(c.before[2]);
    Click(c.box, c.button, c.inside);
    EXPECT_EQ(PointBoxes(), c.after);
    EXPECT_EQ(PreviewFont("ActivePic"), (FontAttributes{u"Tahoma", c.points, true}));
    EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{u"Tahoma", c.points, true}));
    EXPECT_TRUE(ApplyFlag());
}

INSTANTIATE_TEST_SUITE_P(
    PointSizes, InterlockTest,
    ::testing::Values(
        InterlockCase{"Select10", {1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, true, {0, 0, 1}, 10},
        InterlockCase{"Select9", {1, 0, 0}, "ckPoint9", WM_LBUTTONDOWN, true, {0, 1, 0}, 9},
        InterlockCase{"Select8", {0, 0, 1}, "ckPoint8", WM_LBUTTONDOWN, true, {1, 0, 0}, 8},
        InterlockCase{
            "ClickTheCheckedBox", {1, 0, 0}, "ckPoint8", WM_LBUTTONDOWN, true, {1, 0, 0}, 8},
        InterlockCase{
            "ReleaseOutside", {1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, false, {1, 0, 1}, 8},
        InterlockCase{"RightButton", {1, 0, 0}, "ckPoint9", WM_RBUTTONDOWN, true, {1, 1, 0}, 8},
        InterlockCase{"MiddleButton", {1, 0, 0}, "ckPoint8", WM_MBUTTONDOWN, true, {1, 0, 0}, 8},
        InterlockCase{
            "ClearsBothOthers", {1, 1, 0}, "ckPoint10", WM_LBUTTONDOWN, true, {0, 0, 1}, 10}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace quill::testing
