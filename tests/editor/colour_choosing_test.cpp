#include <map>

#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// Each swatch, and what takes the colour chosen for it: a control's back
// colour by its name, its text colour by "name.fore".
using SwatchCase = std::pair<const char*, std::vector<std::string>>;
const SwatchCase kSwatches[] = {
    {"ActiveTitleBar", {"ActiveTitleBar"}},
    {"GradientActiveTitlebar", {"GradientActiveTitlebar"}},
    {"ActiveTitle", {"ActiveTitle", "ActivePic.fore"}},
    {"InactiveTitlebar", {"InactiveTitlebar"}},
    {"GradientInactiveTitlebar", {"GradientInactiveTitlebar"}},
    {"InactiveTitle", {"InactiveTitle", "InactivePic.fore"}},
    {"MenuBarColor", {"MenuBarColor", "MenuBar"}},
    {"MenuColor", {"MenuColor", "Label6", "Label7"}},
    {"MenuHighlightColor", {"MenuHighlightColor", "MenuHilight", "Menu"}},
    {"MenuTextColor", {"MenuTextColor", "MenuBar.fore", "Label6.fore", "Label7.fore"}},
};

class ColourChoosingTest : public EditorTest, public ::testing::WithParamInterface<SwatchCase> {
  protected:
    std::map<std::string, Color> Colours() {  // every colour the window shows
        std::map<std::string, Color> colours{
            {"ActivePic.fore", toolkit_.PictureNamed("ActivePic").ForeColor()},
            {"InactivePic.fore", toolkit_.PictureNamed("InactivePic").ForeColor()}};
        for (const auto& [swatch, ignored] : kSwatches) {
            colours[swatch] = Back(swatch);
        }
        for (auto label : {"MenuBar", "MenuHilight", "Label6", "Menu", "Label7"}) {
            colours[label] = Back(label);
            colours[label + std::string(".fore")] = L(label).ForeColor();
        }
        return colours;
    }
};

TEST_P(ColourChoosingTest, ACancelChangesNothingAndAConfirmedColourReachesWhatShowsIt) {
    const auto& [swatch, takers] = GetParam();
    Start();
    auto expected = Colours();
    const Color initial = Back(swatch);
    Click(swatch);  // no colour queued: cancelled
    EXPECT_EQ(Colours(), expected);
    EXPECT_FALSE(ApplyFlag());

    const Color chosen = Rgb(200, 40, 10);  // Wine's dialog hands it back unchanged
    for (const auto& taker : takers) {
        expected[taker] = chosen;
    }
    dialogs_.Confirm(chosen);
    Click(swatch);
    EXPECT_EQ(Colours(), expected);
    EXPECT_TRUE(ApplyFlag());
    ExpectMenuInStep();
    ExpectPreviews();
    // Each time the dialog opened on the swatch's colour, with the custom colours shown.
    ASSERT_EQ(dialogs_.Answered().size(), 2u);
    for (const auto& dialog : dialogs_.Answered()) {
        EXPECT_EQ(std::pair(dialog.initial, dialog.customColours), std::pair(initial, true));
    }
}

INSTANTIATE_TEST_SUITE_P(EverySwatch, ColourChoosingTest, ::testing::ValuesIn(kSwatches),
                         [](const auto& info) { return std::string(info.param.first); });

TEST_F(EditorTest, TheDialogOpensOnTheColourASystemReferenceShows) {
    SeedScheme({}, {}, {});
    Start();
    Click("ActiveTitleBar");
    EXPECT_EQ(dialogs_.Answered().at(0).initial, static_cast<Color>(::GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace quill::testing
