#include <map>

#include "editor/layout.h"
#include "editor_fixture.h"

namespace quill::testing {
namespace {

class ColourChoosingTest : public EditorTest {
  protected:
    // Every colour the window shows, keyed "<control>.back" / "<control>.fore".
    std::map<std::string, Color> Colours() {
        std::map<std::string, Color> colours;
        for (auto name : kSwatchNames) {
            colours[std::string(name) + ".back"] = Back(name);
        }
        for (auto name : {"MenuBar", "MenuHilight", "Label6", "Menu", "Label7"}) {
            colours[std::string(name) + ".back"] = Back(name);
            colours[std::string(name) + ".fore"] = ui.LabelNamed(name).ForeColor();
        }
        for (auto name : {"ActivePic", "InactivePic"}) {
            colours[std::string(name) + ".fore"] = ui.PictureNamed(name).ForeColor();
        }
        return colours;
    }
};

struct SwatchCase {
    const char* swatch;
    const char* dialogWorksOn;
    std::vector<std::string> takeTheColour;
    std::vector<std::string> repainted;
};

void PrintTo(const SwatchCase& c, std::ostream* os) {
    *os << c.swatch;
}

const std::vector<SwatchCase> kSwatchCases{
    {"ActiveTitleBar", "ActiveTitleBar", {"ActiveTitleBar.back"}, {"ActivePic.DrawText"}},
    {"GradientActiveTitlebar",
     "GradientActiveTitlebar",
     {"GradientActiveTitlebar.back"},
     {"ActivePic.DrawText"}},
    {"ActiveTitle", "ActiveTitle", {"ActiveTitle.back", "ActivePic.fore"}, {"ActivePic.DrawText"}},
    {"InactiveTitlebar", "InactiveTitlebar", {"InactiveTitlebar.back"}, {"InactivePic.DrawText"}},
    {"GradientInactiveTitlebar",
     "GradientInactiveTitlebar",
     {"GradientInactiveTitlebar.back"},
     {"InactivePic.DrawText"}},
    {"InactiveTitle",
     "InactiveTitle",
     {"InactiveTitle.back", "InactivePic.fore"},
     {"InactivePic.DrawText"}},
    {"MenuBarColor", "MenuBar", {"MenuBarColor.back", "MenuBar.back"}, {}},
    {"MenuColor", "MenuColor", {"MenuColor.back", "Label6.back", "Label7.back"}, {}},
    {"MenuHighlightColor",
     "MenuHighlightColor",
     {"MenuHighlightColor.back", "MenuHilight.back", "Menu.back"},
     {}},
    {"MenuTextColor",
     "MenuTextColor",
     {"MenuTextColor.back", "MenuBar.fore", "Label6.fore", "Label7.fore"},
     {}},
};

class SwatchClickTest : public ColourChoosingTest,
                        public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(SwatchClickTest, ConfirmedColourReachesTheSwatchAndItsPreview) {
    const Color chosen = Rgb(1, 2, 3);
    const SwatchCase& c = GetParam();
    {
        Load();
        auto expected = Colours();
        for (const auto& key : c.takeTheColour) {
            expected[key] = chosen;
        }
        const Color initial = Back(c.dialogWorksOn);
        ui.Dialog().Confirm(chosen);
        ui.ClickLabel(c.swatch);

        EXPECT_EQ(Colours(), expected) << c.swatch;
        std::vector<std::string> log{std::string(c.swatch) + ".Click"};
        for (const auto& draw : c.repainted) {
            log.push_back("  " + draw);
        }
        EXPECT_EQ(ui.Log(), log);
        EXPECT_EQ(ui.Dialog().Showings().back(), (MemoryColorDialog::Showing{initial, 3, true}));
        EXPECT_TRUE(ApplyFlag()) << c.swatch;
        ExpectMenuInStep();
    }
    // The caption is drawn in the swatch colour of the moment.
    EXPECT_EQ(ui.Picture("ActivePic").TextDraws().back().color, Back("ActiveTitle"));
    EXPECT_EQ(ui.Picture("InactivePic").TextDraws().back().color, Back("InactiveTitle"));
}

TEST_P(SwatchClickTest, CancelChangesNothingButStillRepaints) {
    const SwatchCase& c = GetParam();
    {
        Load();
        const auto before = Colours();
        const auto pixels = ui.Picture("ActivePic").Pixels();
        ui.Dialog().Cancel();
        ui.ClickLabel(c.swatch);
        EXPECT_EQ(Colours(), before) << c.swatch;
        EXPECT_EQ(ui.Log().size(), 1 + c.repainted.size());
        EXPECT_EQ(ui.Picture("ActivePic").Pixels(), pixels);
        EXPECT_FALSE(ApplyFlag()) << c.swatch;
        ExpectMenuInStep();
    }
}

INSTANTIATE_TEST_SUITE_P(EverySwatch, SwatchClickTest, ::testing::ValuesIn(kSwatchCases),
                         [](const auto& info) { return std::string(info.param.swatch); });

TEST_F(ColourChoosingTest, DialogOpensOnTheColourASystemReferenceShows) {
    ui.Desk().sysColors[5] = Rgb(9, 8, 7);
    ui.ClickLabel("ActiveTitleBar");  // before start-up: still the creation reference
    EXPECT_EQ(ui.Dialog().Showings().back().initial, Rgb(9, 8, 7));
    EXPECT_EQ(Back("ActiveTitleBar"), kSysWindowBackground);
}

}  // namespace
}  // namespace quill::testing
