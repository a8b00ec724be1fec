#include <map>

#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// A colour that Wine's colour dialog hands back unchanged (it goes through
// hue, saturation and luminance on the way).
constexpr Color kChosen = Rgb(200, 40, 10);

struct SwatchCase {
    const char* swatch;
    std::vector<std::string> takeTheColour;  // "<control>.back" or "<control>.fore"
};

const SwatchCase kSwatches[] = {
    {"ActiveTitleBar", {"ActiveTitleBar.back"}},
    {"GradientActiveTitlebar", {"GradientActiveTitlebar.back"}},
    {"ActiveTitle", {"ActiveTitle.back", "ActivePic.fore"}},
    {"InactiveTitlebar", {"InactiveTitlebar.back"}},
    {"GradientInactiveTitlebar", {"GradientInactiveTitlebar.back"}},
    {"InactiveTitle", {"InactiveTitle.back", "InactivePic.fore"}},
    {"MenuBarColor", {"MenuBarColor.back", "MenuBar.back"}},
    {"MenuColor", {"MenuColor.back", "Label6.back", "Label7.back"}},
    {"MenuHighlightColor", {"MenuHighlightColor.back", "MenuHilight.back", "Menu.back"}},
    {"MenuTextColor", {"MenuTextColor.back", "MenuBar.fore", "Label6.fore", "Label7.fore"}},
};

class ColourChoosingTest : public EditorTest, public ::testing::WithParamInterface<SwatchCase> {
  protected:
    // Every colour the window shows.
    std::map<std::string, Color> Colours() {
        std::map<std::string, Color> colours;
        for (const SwatchCase& c : kSwatches) {
            colours[std::string(c.swatch) + ".back"] = Back(c.swatch);
        }
        for (auto name : {"MenuBar", "MenuHilight", "Label6", "Menu", "Label7"}) {
            colours[std::string(name) + ".back"] = Back(name);
            colours[std::string(name) + ".fore"] = L(name).ForeColor();
        }
        for (auto name : {"ActivePic", "InactivePic"}) {
            colours[std::string(name) + ".fore"] = toolkit_.PictureNamed(name).ForeColor();
        }
        return colours;
    }
    void ExpectPreviews() {
        ExpectPreview("ActivePic", Back("ActiveTitleBar"), Back("GradientActiveTitlebar"),
                      Back("ActiveTitle"));
        ExpectPreview("InactivePic", Back("InactiveTitlebar"), Back("GradientInactiveTitlebar"),
                      Back("InactiveTitle"));
    }
};

TEST_P(ColourChoosingTest, AConfirmedColourReachesTheSwatchAndWhatShowsIt) {
    Start();
    auto expected = Colours();
    for (const auto& shown : GetParam().takeTheColour) {
        expected[shown] = kChosen;
    }
    dialogs_.Confirm(kChosen);
    Click(GetParam().swatch);

    EXPECT_EQ(Colours(), expected);
    EXPECT_TRUE(ApplyFlag());
    ExpectMenuInStep();
    ExpectPreviews();
    EXPECT_EQ(dialogs_.Answered().size(), 1u);
}

TEST_P(ColourChoosingTest, ACancelledDialogChangesNothing) {
    Start();
    const auto before = Colours();
    const Color shown = Back(GetParam().swatch);
    Click(GetParam().swatch);
    EXPECT_EQ(Colours(), before);
    EXPECT_FALSE(ApplyFlag());
    ExpectPreviews();
    // The dialog opened on the swatch's colour, with the custom colours shown.
    const auto dialogs = dialogs_.Answered();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].initial, shown);
    EXPECT_TRUE(dialogs[0].customColours);
}

INSTANTIATE_TEST_SUITE_P(EverySwatch, ColourChoosingTest, ::testing::ValuesIn(kSwatches),
                         [](const auto& info) { return std::string(info.param.swatch); });

TEST_F(EditorTest, TheDialogOpensOnTheColourASystemReferenceShows) {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kColorsKey, L"ActiveTitle");
    Start();
    ASSERT_EQ(Back("ActiveTitleBar"), kSysWindowBackground);
    Click("ActiveTitleBar");
    EXPECT_EQ(dialogs_.Answered().back().initial, static_cast<Color>(::GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace quill::testing
