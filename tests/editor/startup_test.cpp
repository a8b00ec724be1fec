#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

using StartupTest = EditorTest;

TEST_F(StartupTest, ShowsTheStoredSchemeAndWritesNothing) {
    const KeyValues colours = Snapshot(kColorsKey), metrics = Snapshot(kMetricsKey);
    Start();

    EXPECT_FALSE(ApplyFlag());
    EXPECT_EQ(PointBoxes(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(State("ckBold"), kChecked);
    EXPECT_EQ(Text("fontCmb"), u"Tahoma");
    EXPECT_EQ(Text("menuCmb"), u"Tahoma");
    EXPECT_EQ(PreviewFont("ActivePic"), (FontAttributes{u"Tahoma", 8, true}));
    EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{u"Tahoma", 8, true}));
    const std::pair<const char*, Color> swatches[] = {
        {"MenuBarColor", Rgb(236, 233, 216)},
        {"MenuHighlightColor", Rgb(49, 106, 197)},
        {"MenuColor", Rgb(212, 219, 200)},
        {"MenuTextColor", 0},
        {"ActiveTitleBar", Rgb(10, 36, 106)},
        {"GradientActiveTitlebar", Rgb(166, 202, 240)},
        {"ActiveTitle", kWhite},
        {"InactiveTitlebar", Rgb(128, 128, 128)},
        {"GradientInactiveTitlebar", Rgb(192, 192, 192)},
        {"InactiveTitle", Rgb(212, 208, 200)}};
    for (const auto& [swatch, colour] : swatches) {
        EXPECT_EQ(Back(swatch), colour) << swatch;
    }
    EXPECT_EQ(L("Label7").Caption(), u"Menu\r\nMenu");
    EXPECT_EQ(L("MenuBar").FontName(), u"Tahoma");
    ExpectMenuInStep();
    ExpectPreview("ActivePic", Rgb(10, 36, 106), Rgb(166, 202, 240), kWhite);
    ExpectPreview("InactivePic", Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(212, 208, 200));
    // Both lists hold the screen's faces in its order.
    for (auto combo : {"fontCmb", "menuCmb"}) {
        ComboBox& list = toolkit_.ComboBoxNamed(combo);
        ASSERT_EQ(list.ListCount(), toolkit_.Screen().FontCount()) << combo;
        for (int i = 0; i < list.ListCount(); ++i) {
            EXPECT_EQ(list.List(i), toolkit_.Screen().FontName(i)) << combo << " " << i;
        }
    }
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_EQ(Snapshot(kMetricsKey), metrics);
    EXPECT_TRUE(dialogs_.Answered().empty());
}

TEST_F(StartupTest, PointSizeAndWeightComeFromTheCaptionRecord) {
    struct Case {
        std::uint8_t height, weight;
        std::vector<int> boxes;
        float points;
    };
    for (const Case& c : {Case{243, 188, {0, 0, 1}, 10}, Case{13, 88, {0, 1, 0}, 9}}) {
        SeedScheme(kDefaultColours, MakeRecord(c.height, c.weight, u"Arial"), {});
        win32::Toolkit toolkit;
        std::optional<Form1> form;
        ASSERT_TRUE(win32::StartEditor(toolkit, store_, codec_, form));
        const bool bold = c.weight == 188;
        EXPECT_EQ((std::vector<int>{toolkit.CheckBoxNamed("ckPoint8").Value(),
                                    toolkit.CheckBoxNamed("ckPoint9").Value(),
                                    toolkit.CheckBoxNamed("ckPoint10").Value(),
                                    toolkit.CheckBoxNamed("ckBold").Value()}),
                  (std::vector<int>{c.boxes[0], c.boxes[1], c.boxes[2], bold}));
        for (auto pic : {"ActivePic", "InactivePic"}) {
            EXPECT_EQ(toolkit.PictureNamed(pic).Font(), (FontAttributes{u"Arial", c.points, bold}));
        }
    }
}

TEST_F(StartupTest, UnusableStoredValuesAreLeftAloneQuietly) {
    // A colour that is no colour text keeps the swatch's creation colour; a
    // font record that cannot be used gives way to the desktop's own font;
    // eighteen bytes are enough to be used.
    const KeyValues colours{
        {L"MenuBar", Sz("1 2")},
        {L"MenuHilight", {REG_DWORD, {1, 2, 3, 0}}},
        {L"Menu", Sz("a b c")},
        {L"MenuText", Binary({'1', ' ', '2', ' ', '3'})},
        {L"ActiveTitle", Sz("212  208 200")},
        {L"GradientActiveTitle", Sz("-5 0 0")},
        {L"TitleText", Sz("")},
        {L"InactiveTitle", Sz(" 1 2 3")},
        {L"InactiveTitleText", {11, {1, 2, 3, 4, 5, 6, 7, 8}}},  // GradientInactiveTitle missing
    };
    SeedKey(kColorsKey, colours);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(std::vector<std::uint8_t>(17, 245))},
                          {L"MenuFont", Binary(std::vector<std::uint8_t>(18, 245))}});
    NONCLIENTMETRICSW desktop{};
    desktop.cbSize = sizeof desktop;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof desktop, &desktop, 0));
    Start();

    for (auto swatch :
         {"MenuBarColor", "MenuHighlightColor", "MenuColor", "MenuTextColor", "ActiveTitleBar",
          "GradientActiveTitlebar", "InactiveTitlebar", "GradientInactiveTitlebar"}) {
        EXPECT_EQ(Back(swatch), kSysWindowBackground) << swatch;
    }
    EXPECT_EQ(Back("ActiveTitle"), kWhite);
    EXPECT_EQ(Back("InactiveTitle"), kWhite);
    EXPECT_EQ(toolkit_.PictureNamed("InactivePic").ForeColor(), kWhite);
    ExpectMenuInStep();
    const std::wstring_view desktopFace(desktop.lfCaptionFont.lfFaceName);
    EXPECT_EQ(Text("fontCmb"), std::u16string(desktopFace.begin(), desktopFace.end()));
    EXPECT_EQ(Text("menuCmb"), u"");  // eighteen bytes: no name area
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_TRUE(dialogs_.Answered().empty());
}

TEST_F(StartupTest, AColorsKeyThatCannotBeOpenedIsReportedOncePerColour) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kColorsKey);
    Start();
    const auto shown = dialogs_.Answered();
    ASSERT_EQ(shown.size(), 10u);
    for (const auto& box : shown) {
        EXPECT_EQ(box.title, L"Registry editor for Quillmar");
        EXPECT_EQ(box.text, L"ERROR in Open RegKey");
        EXPECT_EQ(box.buttons, 1);
    }
    EXPECT_EQ(Back("ActiveTitleBar"), kSysWindowBackground);
    ExpectMenuInStep();
}

}  // namespace
}  // namespace quill::testing
