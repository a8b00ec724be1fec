#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// Which control takes a colour chosen for a swatch is shown by the menu
// imitation and the previews keeping in step with the swatches.
class ColourChoosingTest : public EditorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ColourChoosingTest, ACancelChangesNothingAndAConfirmedColourReachesWhatShowsIt) {
    const char* swatch = GetParam();
    Start();
    const Color initial = Back(swatch);
    Click(swatch);  // no colour queued: cancelled
    ExpectSwatches(kDefaultColours);
    EXPECT_FALSE(ApplyFlag());

    dialogs_.Confirm(Rgb(200, 40, 10));  // Wine's dialog hands it back unchanged
    Click(swatch);
    SwatchTexts expected = kDefaultColours;
    expected[kSwatchValues.at(swatch)] = "200 40 10";
    ExpectSwatches(expected);
    ExpectMenuInStep();
    ExpectPreviews();
    EXPECT_TRUE(ApplyFlag());
    // Each time the dialog opened on the swatch's colour, with the custom colours shown.
    ASSERT_EQ(dialogs_.Answered().size(), 2u);
    for (const auto& dialog : dialogs_.Answered()) {
        EXPECT_EQ(std::pair(dialog.initial, dialog.customColours), std::pair(initial, true));
    }
}

INSTANTIATE_TEST_SUITE_P(EverySwatch, ColourChoosingTest,
                         ::testing::Values("ActiveTitleBar", "GradientActiveTitlebar",
                                           "ActiveTitle", "InactiveTitlebar",
                                           "GradientInactiveTitlebar", "InactiveTitle",
                                           "MenuBarColor", "MenuColor", "MenuHighlightColor",
                                           "MenuTextColor"),
                         [](const auto& info) { return std::string(info.param); });

// A swatch left holding a system colour reference: unreadable colour texts.
TEST_F(EditorTest, ASystemColourReferenceIsShownToTheDialogAndWrittenAsTheColourItIs) {
    SeedScheme({}, {}, {});
    Start();
    Click("ActiveTitleBar");
    EXPECT_EQ(dialogs_.Answered().at(0).initial, static_cast<Color>(::GetSysColor(COLOR_WINDOW)));
    Click("ckBold");
    Press("btnApply");
    EXPECT_EQ(Snapshot(kColorsKey).at(L"ActiveTitle"), Sz(::GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace quill::testing
