#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

TEST_F(EditorTest, AFaceChosenFromAListChangesItsPreviewsOnly) {
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

TEST_F(EditorTest, TypingAFaceOrTogglingByKeyboardSetsNoApplyFlag) {
    Start();
    Type("fontCmb", L"Typed");
    Type("menuCmb", L"Typed");
    EXPECT_EQ(std::pair(PreviewFont("ActivePic").face, L("Menu").FontName()),
              std::pair(std::u16string(u"Tahoma"), std::u16string(u"Tahoma")));
    PressSpace("ckBold");  // the bold change runs, the point-size interlock does not
    EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{u"Tahoma", 8, false}));
    ExpectPreviews();
    PressSpace("ckPoint10");
    EXPECT_EQ(PointBoxes(), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(PreviewFont("ActivePic").points, 8);
    EXPECT_FALSE(ApplyFlag());
    Click("ckBold", WM_LBUTTONDOWN, /*inside=*/false);  // any press sets the flag
    EXPECT_EQ(State("ckBold"), kUnchecked);
    EXPECT_TRUE(ApplyFlag());
}

// The point-size boxes before, the box and mouse button, the boxes after and
// the previews' size.
using InterlockCase =
    std::tuple<std::vector<int>, const char*, UINT, bool, std::vector<int>, float>;
class InterlockTest : public EditorTest, public ::testing::WithParamInterface<InterlockCase> {};

TEST_P(InterlockTest, KeepsOneSizeChosen) {
    const auto& [before, box, button, inside, after, points] = GetParam();
    Start();
    SetBoxes(before);
    Click(box, button, inside);
    EXPECT_EQ(PointBoxes(), after);
    EXPECT_EQ(PreviewFont("ActivePic"), (FontAttributes{u"Tahoma", points, true}));
    EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{u"Tahoma", points, true}));
    EXPECT_TRUE(ApplyFlag());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PointSizes, InterlockTest, ::testing::Values(
    InterlockCase{{1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, true, {0, 0, 1}, 10},
    InterlockCase{{1, 0, 0}, "ckPoint9", WM_LBUTTONDOWN, true, {0, 1, 0}, 9},
    InterlockCase{{0, 0, 1}, "ckPoint8", WM_LBUTTONDOWN, true, {1, 0, 0}, 8},
    InterlockCase{{1, 1, 0}, "ckPoint10", WM_LBUTTONDOWN, true, {0, 0, 1}, 10},
    InterlockCase{{1, 0, 0}, "ckPoint8", WM_LBUTTONDOWN, true, {1, 0, 0}, 8},  // the checked one
    InterlockCase{{1, 0, 0}, "ckPoint10", WM_LBUTTONDOWN, false, {1, 0, 1}, 8},  // released outside
    InterlockCase{{1, 0, 0}, "ckPoint9", WM_RBUTTONDOWN, true, {1, 1, 0}, 8},
    InterlockCase{{1, 0, 0}, "ckPoint8", WM_MBUTTONDOWN, true, {1, 0, 0}, 8}));
// clang-format on

}  // namespace
}  // namespace quill::testing
