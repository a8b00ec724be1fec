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
    for (auto pic : {"ActivePic", "InactivePic"}) {
        EXPECT_EQ(PreviewFont(pic), (FontAttributes{u"Tahoma", 8, true})) << pic;
    }
    const std::pair<const char*, const wchar_t*> swatches[] = {
        {"MenuBarColor", L"MenuBar"},         {"MenuHighlightColor", L"MenuHilight"},
        {"MenuColor", L"Menu"},               {"MenuTextColor", L"MenuText"},
        {"ActiveTitleBar", L"ActiveTitle"},   {"GradientActiveTitlebar", L"GradientActiveTitle"},
        {"ActiveTitle", L"TitleText"},        {"InactiveTitlebar", L"InactiveTitle"},
        {"GradientInactiveTitlebar", L"GradientInactiveTitle"},
        {"InactiveTitle", L"InactiveTitleText"},
    };
    for (const auto& [swatch, value] : swatches) {
        const std::u16string text(kDefaultColours.at(value).begin(), kDefaultColours.at(value).end());
        EXPECT_EQ(Back(swatch), ParseColorText(text)) << swatch;
    }
    EXPECT_EQ(L("Label7").Caption(), u"Menu\r\nMenu");
    EXPECT_EQ(L("MenuBar").FontName(), u"Tahoma");
    ExpectMenuInStep();
    ExpectPreview("ActivePic", Rgb(10, 36, 106), Rgb(166, 202, 240), kWhite);
    ExpectPreview("InactivePic", Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(212, 208, 200));

    // Both lists hold the screen's faces in its order.
    const Desktop& screen = toolkit_.Screen();
    for (auto combo : {"fontCmb", "menuCmb"}) {
        ComboBox& list = toolkit_.ComboBoxNamed(combo);
        ASSERT_EQ(list.ListCount(), screen.FontCount()) << combo;
        for (int i = 0; i < list.ListCount(); ++i) {
            EXPECT_EQ(list.List(i), screen.FontName(i)) << combo << " " << i;
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
        bool bold;
    };
    for (const Case& c : {Case{243, 188, {0, 0, 1}, 10, true}, Case{13, 88, {0, 1, 0}, 9, false}}) {
        SeedScheme(kDefaultColours, MakeRecord(c.height, c.weight, u"Arial"), kTahoma9);
        win32::Toolkit toolkit;
        std::optional<Form1> form;
        ASSERT_TRUE(win32::StartEditor(toolkit, store_, codec_, form));
        const std::vector<int> boxes{toolkit.CheckBoxNamed("ckPoint8").Value(),
                                     toolkit.CheckBoxNamed("ckPoint9").Value(),
                                     toolkit.CheckBoxNamed("ckPoint10").Value()};
        EXPECT_EQ(boxes, c.boxes) << int(c.height);
        EXPECT_EQ(toolkit.CheckBoxNamed("ckBold").Value(), c.bold ? kChecked : kUnchecked);
        EXPECT_EQ(toolkit.PictureNamed("ActivePic").Font(), (FontAttributes{u"Arial", c.points, c.bold}));
        EXPECT_EQ(toolkit.PictureNamed("InactivePic").Font(), (FontAttributes{u"Arial", c.points, c.bold}));
    }
}

TEST_F(StartupTest, UnusableStoredValuesAreLeftAloneQuietly) {
    // A colour that is no colour text keeps the swatch's creation colour; a
    // font record that cannot be used gives way to the desktop's own font.
    const KeyValues colours{
        {L"MenuBar", Sz("1 2")},          {L"MenuHilight", Dword(0x00C0FFEE)},
        {L"Menu", Sz("a b c")},           {L"MenuText", Binary({'1', ' ', '2', ' ', '3'})},
        {L"ActiveTitle", Sz("212  208 200")}, {L"GradientActiveTitle", Sz("-5 0 0")},
        {L"TitleText", Sz("")},           {L"InactiveTitle", Sz(" 1 2 3")},
        {L"InactiveTitleText", {11, {1, 2, 3, 4, 5, 6, 7, 8}}},  // GradientInactiveTitle missing
    };
    SeedKey(kColorsKey, colours);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(std::vector<std::uint8_t>(17, 245))},
                          {L"MenuFont", Binary(MakeRecord(245, 188, u"Arial"))}});
    NONCLIENTMETRICSW desktop{};
    desktop.cbSize = sizeof desktop;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof desktop, &desktop, 0));
    Start();

    for (auto swatch : {"MenuBarColor", "MenuHighlightColor", "MenuColor", "MenuTextColor",
                        "ActiveTitleBar", "GradientActiveTitlebar", "InactiveTitlebar",
                        "GradientInactiveTitlebar"}) {
        EXPECT_EQ(Back(swatch), kSysWindowBackground) << swatch;
    }
    EXPECT_EQ(Back("ActiveTitle"), kWhite);
    EXPECT_EQ(Back("InactiveTitle"), kWhite);
    ExpectMenuInStep();
    EXPECT_EQ(Text("fontCmb"), std::u16string(desktop.lfCaptionFont.lfFaceName,
                                              desktop.lfCaptionFont.lfFaceName +
                                                  wcslen(desktop.lfCaptionFont.lfFaceName)));
    EXPECT_EQ(Text("menuCmb"), u"Arial");
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_TRUE(dialogs_.Answered().empty());

    // Eighteen bytes are enough to patch: that record is kept.
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(std::vector<std::uint8_t>(18, 243))}});
    win32::Toolkit toolkit;
    std::optional<Form1> form;
    ASSERT_TRUE(win32::StartEditor(toolkit, store_, codec_, form));
    EXPECT_EQ(toolkit.CheckBoxNamed("ckPoint10").Value(), kChecked);
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
    EXPECT_EQ(Back("ActiveTitle"), kWhite);
    ExpectMenuInStep();
}

}  // namespace
}  // namespace quill::testing
