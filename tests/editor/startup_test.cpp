#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

TEST_F(EditorTest, ShowsTheStoredSchemeAndWritesNothing) {
    const KeyValues colours = Snapshot(kColorsKey), metrics = Snapshot(kMetricsKey);
    Start();
    EXPECT_EQ(::GetFocus(), Hwnd("ActivePic"));  // the first control that can take it
    EXPECT_FALSE(ApplyFlag());
    EXPECT_EQ(Sizes(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(State("ckBold"), kChecked);
    EXPECT_EQ(std::pair(Text("fontCmb"), Text("menuCmb")), std::pair(u"Tahoma"s, u"Tahoma"s));
    EXPECT_EQ(L("Label7").Caption(), u"Menu\r\nMenu");
    EXPECT_EQ(L("Menu").FontName(), u"Tahoma");
    ExpectSwatches(kDefaultColours);
    ExpectMenuInStep();
    ExpectPreviews();
    PressKey(VK_RETURN);                         // Apply cannot be pressed yet: nothing is written
    for (auto combo : {"fontCmb", "menuCmb"}) {  // the screen's faces, in its order
        ComboBox& list = toolkit_.ComboBoxNamed(combo);
        const int last = toolkit_.Screen().FontCount() - 1;
        EXPECT_EQ(
            std::tuple(list.ListCount() - 1, list.List(0), list.List(last)),
            std::tuple(last, toolkit_.Screen().FontName(0), toolkit_.Screen().FontName(last)));
    }
    EXPECT_EQ(std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey)), std::pair(colours, metrics));
    EXPECT_TRUE(dialogs_.Answered().empty());
}

TEST_F(EditorTest, UnusableStoredValuesAreLeftAloneAndAnUnopenableKeyIsReported) {
    // A colour that is no colour text keeps the swatch's creation colour; an
    // unusable font record gives way to the desktop's font; a long one is read.
    // clang-format off
    const KeyValues colours{
        {L"MenuBar", Sz("1 2")},              {L"MenuHilight", {REG_DWORD, {1, 2, 3, 0}}},
        {L"Menu", Sz("a b c")},               {L"MenuText", Binary({'1', ' ', '2', ' ', '3'})},
        {L"GradientActiveTitle", Sz("-5 0 0")}, {L"TitleText", Sz("")},
        {L"InactiveTitleText", {11, {1, 2, 3, 4, 5, 6, 7, 8}}}};  // the others missing
    // clang-format on
    SeedKey(kColorsKey, colours);
    auto menu = MakeRecord(-11, 144, u"Arial");
    menu.resize(4000);
    SeedKey(kMetricsKey, {{L"CaptionFont", Binary(std::vector<std::uint8_t>(17, 245))},
                          {L"MenuFont", Binary(menu)}});
    Start();
    for (const auto& [swatch, value] : kSwatchValues) {  // the text swatches start white
        const bool text = swatch == "ActiveTitle" || swatch == "InactiveTitle";
        EXPECT_EQ(Back(swatch), text ? kWhite : kSysWindowBackground) << swatch;
    }
    EXPECT_EQ(toolkit_.PictureNamed("InactivePic").ForeColor(), kWhite);
    ExpectMenuInStep();
    const std::u16string desktopFace =
        DecodeFaceName(toolkit_.Screen().CurrentFontRecord(FontRole::Caption));
    EXPECT_EQ(std::pair(Text("fontCmb"), Text("menuCmb")), std::pair(desktopFace, u"Arial"s));
    EXPECT_EQ(Snapshot(kColorsKey), colours);
    EXPECT_TRUE(dialogs_.Answered().empty());

    // 18 bytes hold +10 points and the weight, not bold; a Colors key not opened: once per colour.
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kColorsKey);
    SeedKey(kMetricsKey,
            {{L"CaptionFont", Binary({10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 144, 1})}});
    win32::Toolkit toolkit;
    std::optional<Form1> form;
    ASSERT_TRUE(win32::StartEditor(toolkit, store_, codec_, form));
    const FontAttributes active = toolkit.PictureNamed("ActivePic").Font(),
                         inactive = toolkit.PictureNamed("InactivePic").Font();
    EXPECT_EQ(std::tuple(toolkit.CheckBoxNamed("ckPoint10").Value(), active.points, inactive.points,
                         active.bold || inactive.bold),
              std::tuple(kChecked, 10.f, 10.f, false));
    EXPECT_EQ(toolkit.LabelNamed("MenuBar").BackColor(), kSysWindowBackground);
    ASSERT_EQ(dialogs_.Answered().size(), 10u);
    for (const auto& box : dialogs_.Answered()) {
        EXPECT_EQ(std::tuple(box.title, box.text, box.buttons),
                  std::tuple(L"Registry editor for Quillmar"s, L"ERROR in Open RegKey"s, 1));
    }
}

}  // namespace
}  // namespace quill::testing
