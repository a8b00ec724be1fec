#include "editor_fixture.h"

namespace quill::testing {
namespace {

using StartupTest = EditorTest;

TEST_F(StartupTest, FillsControlsFromTheStoredScheme) {
    ui.ButtonNamed("btnApply").SetEnabled(true);
    form.Form_Load();

    EXPECT_EQ(recording.reads, (std::vector<std::string>{
                                   "CaptionFont", "MenuFont", "MenuBar", "MenuHilight", "Menu",
                                   "MenuText", "ActiveTitle", "GradientActiveTitle", "TitleText",
                                   "InactiveTitle", "GradientInactiveTitle", "InactiveTitleText"}));
    EXPECT_FALSE(ApplyFlag());
    EXPECT_EQ(Value("ckBold"), kChecked);
    EXPECT_EQ(PointBoxes(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(ui.ComboBoxNamed("fontCmb").Text(), u"Tahoma");
    EXPECT_EQ(ui.ComboBoxNamed("menuCmb").Text(), u"Tahoma");
    for (auto pic : {"ActivePic", "InactivePic"}) {
        EXPECT_EQ(ui.PictureNamed(pic).Font(), (FontAttributes{u"Tahoma", 8, true})) << pic;
    }
    EXPECT_EQ(ui.LabelNamed("Label7").Caption(), u"Menu\r\nMenu");
    EXPECT_EQ(ui.LabelNamed("MenuBar").FontName(), u"Tahoma");
    EXPECT_EQ(Back("MenuHighlightColor"), Rgb(49, 106, 197));
    EXPECT_EQ(Back("InactiveTitle"), Rgb(212, 208, 200));
    EXPECT_EQ(ui.PictureNamed("ActivePic").ForeColor(), kWhite);
    EXPECT_EQ(ui.PictureNamed("InactivePic").ForeColor(), Rgb(212, 208, 200));
    ExpectMenuInStep();
    EXPECT_EQ(form.CaptionFontBytes, Bytes("CaptionFont"));
    EXPECT_EQ(form.MenuFontBytes, Bytes("MenuFont"));
    // The bold change runs once, nested, with the creation colours; then the
    // final repaints with the stored ones. Checking ckPoint8 runs nothing.
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"ckPoint8.StateChange", "ckBold.StateChange",
                                                  "  ActivePic.DrawText", "  InactivePic.DrawText",
                                                  "ActivePic.DrawText", "InactivePic.DrawText"}));
    EXPECT_EQ(ui.Picture("ActivePic").Captions().back().color, kWhite);
    EXPECT_TRUE(store.SetValueLog().empty());
    EXPECT_EQ(store.OpenHandleCount(), 0u);
    EXPECT_TRUE(ui.MessageLog().shown.empty());
}

TEST_F(StartupTest, PointSizeAndWeightFromTheCaptionRecord) {
    struct Case {
        std::uint8_t height, weight;
        std::vector<int> boxes;
        float points;
        bool bold;
    };
    for (const Case& c :
         {Case{243, kBoldLow, {0, 0, 1}, 10, true}, Case{13, 88, {0, 1, 0}, 9, false}}) {
        MemoryToolkit toolkit;
        MemoryStore scheme;
        scheme.Put(kMetrics, "CaptionFont", kRegBinary, MakeRecord(c.height, c.weight, u"Arial"));
        scheme.Put(kMetrics, "MenuFont", kRegBinary, MakeRecord(244, 144, u"Arial"));
        Form1 editor(toolkit, scheme, codec);
        editor.Form_Load();
        const std::vector<int> boxes{toolkit.CheckBoxNamed("ckPoint8").Value(),
                                     toolkit.CheckBoxNamed("ckPoint9").Value(),
                                     toolkit.CheckBoxNamed("ckPoint10").Value()};
        EXPECT_EQ(boxes, c.boxes) << int(c.height);
        EXPECT_EQ(toolkit.CheckBoxNamed("ckBold").Value(), c.bold ? kChecked : kUnchecked);
        EXPECT_EQ(toolkit.PictureNamed("InactivePic").Font(),
                  (FontAttributes{u"Arial", c.points, c.bold}));
        // Not bold: the box stays unchecked and no bold change runs.
        EXPECT_EQ(toolkit.Picture("ActivePic").Captions().size(), c.bold ? 2u : 1u);
    }
}

TEST_F(StartupTest, ListsEveryScreenFontInBothBoxesInOrder) {
    ui.Desk().fonts = {u"Zeta", u"Alpha", u"Zeta"};
    ui.Desk().captionFont = MakeRecord(244, 144, u"Not Installed");
    store.Remove(kMetrics, "CaptionFont");
    Load();
    for (auto name : {"fontCmb", "menuCmb"}) {
        ComboBox& box = ui.ComboBoxNamed(name);
        ASSERT_EQ(box.ListCount(), 3);
        EXPECT_EQ(box.List(0), u"Zeta");
        EXPECT_EQ(box.List(1), u"Alpha");
        EXPECT_EQ(box.List(2), u"Zeta");
    }
    EXPECT_EQ(ui.ComboBoxNamed("fontCmb").Text(), u"Not Installed");
}

TEST_F(StartupTest, UnreadableColorsKeyShowsTenMessagesAndKeepsCreationColours) {
    store.DenyOpen(kColors, kKeyRead);
    ui.Desk().sysColors[SystemColorIndex(kSysWindowBackground)] = Rgb(1, 2, 3);
    Load();
    EXPECT_EQ(ui.MessageLog().shown, std::vector<std::u16string>(10, u"ERROR in Open RegKey"));
    EXPECT_EQ(Back("ActiveTitleBar"), kSysWindowBackground);
    EXPECT_EQ(Back("ActiveTitle"), kWhite);
    ExpectMenuInStep();
    // The reference is drawn as the colour the swatch shows.
    EXPECT_EQ(ui.Picture("ActivePic").Pixel(100, 5), Rgb(1, 2, 3));
    EXPECT_EQ(store.OpenHandleCount(), 0u);
}

TEST_F(StartupTest, UnusableColourValuesLeaveTheSwatchAsCreated) {
    struct Case {
        const char* what;
        std::uint32_t type;
        ByteArray data;
    };
    const std::vector<Case> cases{
        {"two pieces", kRegSz, {'1', '2', '8', ' ', '1', '2', '8', 0}},
        {"not numbers", kRegSz, {'a', ' ', 'b', ' ', 'c', 0}},
        {"doubled space", kRegSz, {'1', ' ', ' ', '2', ' ', '3', 0}},
        {"negative", kRegSz, {'-', '5', ' ', '0', ' ', '0', 0}},
        {"dword", kRegDword, {0x10, 0x20, 0x30, 0}},
        {"binary", kRegBinary, {'1', ' ', '2', ' ', '3'}},
        {"unsupported type", 11, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        MemoryToolkit toolkit;
        store.Put(kColors, "InactiveTitleText", c.type, c.data);
        store.Put(kColors, "MenuBar", c.type, c.data);
        Form1 editor(toolkit, store, codec);
        editor.Form_Load();
        EXPECT_EQ(toolkit.LabelNamed("InactiveTitle").BackColor(), kWhite) << c.what;
        EXPECT_EQ(toolkit.PictureNamed("InactivePic").ForeColor(), kWhite) << c.what;
        EXPECT_EQ(toolkit.LabelNamed("MenuBar").BackColor(), kSysWindowBackground) << c.what;
    }
    MemoryToolkit toolkit;
    store.Remove(kColors, "MenuBar");
    Form1 editor(toolkit, store, codec);
    editor.Form_Load();
    EXPECT_EQ(toolkit.LabelNamed("MenuBarColor").BackColor(), kSysWindowBackground);
    EXPECT_TRUE(toolkit.MessageLog().shown.empty());
    EXPECT_TRUE(store.SetValueLog().empty());
}

TEST_F(StartupTest, UnusableFontRecordsAreReplacedByTheDesktopFont) {
    const FontRecord desktopCaption = MakeRecord(243, kBoldLow, u"Desktop Face");
    const FontRecord desktopMenu = MakeRecord(244, kNormalLow, u"Desktop Menu");
    struct Case {
        const char* what;
        std::uint32_t type;
        ByteArray data;
        bool replaced;
    };
    const std::vector<Case> cases{
        {"dword", kRegDword, {1, 0, 0, 0}, true},
        {"text", kRegSz, {'x', 0}, true},
        {"17 bytes", kRegBinary, ByteArray(17, 245), true},
        {"18 bytes", kRegBinary, ByteArray(18, 245), false},
        {"4000 bytes", kRegBinary, MakeRecord(245, 0, u"Long"), false},
    };
    for (Case c : cases) {
        if (c.data.size() == kFontRecordSize) {
            c.data.resize(4000, 0);
        }
        MemoryToolkit toolkit;
        toolkit.Desk().captionFont = desktopCaption;
        toolkit.Desk().menuFont = desktopMenu;
        SeedFonts(c.data, c.data);
        Form1 editor(toolkit, store, codec);
        editor.Form_Load();
        EXPECT_EQ(editor.CaptionFontBytes, c.replaced ? desktopCaption : c.data) << c.what;
        EXPECT_EQ(editor.MenuFontBytes, c.replaced ? desktopMenu : c.data) << c.what;
    }
    MemoryToolkit toolkit;
    toolkit.Desk().captionFont = desktopCaption;
    store.DenyOpen(kMetrics, kKeyRead);
    Form1 editor(toolkit, store, codec);
    editor.Form_Load();
    EXPECT_EQ(toolkit.MessageLog().shown, std::vector<std::u16string>(2, u"ERROR in Open RegKey"));
    EXPECT_EQ(toolkit.ComboBoxNamed("fontCmb").Text(), u"Desktop Face");
    EXPECT_EQ(toolkit.CheckBoxNamed("ckPoint10").Value(), kChecked);
    EXPECT_TRUE(store.SetValueLog().empty());
}

}  // namespace
}  // namespace quill::testing
