#include "editor_fixture.h"
#include "preview/titlebar_preview.h"

namespace quill::testing {
namespace {

using TitlebarPreviewTest = EditorTest;

// The gradient a preview of that size shows between two plain colours.
std::vector<Color> ReferenceGradient(const MemoryPicture& pic, Color start, Color end) {
    PixelSurface reference(pic.InnerWidth(), pic.InnerHeight(), 0);
    PaintGradient(reference, SplitColor(start), SplitColor(end));
    return reference.Pixels();
}

TEST_F(TitlebarPreviewTest, PaintsTheGradientAndCaptionOfEachPreview) {
    struct Case {
        const char* target;
        const char* caption;
        const char* textSwatch;
        const char* otherPic;
    };
    for (const Case& c :
         {Case{"ActivePic", " Active titlebar", "ActiveTitle", "InactivePic"},
          Case{"InactivePic", " Inactive titlebar", "InactiveTitle", "ActivePic"}}) {
        ui.LabelNamed(c.textSwatch).SetBackColor(Rgb(1, 2, 3));
        MemoryPicture& pic = ui.Picture(c.target);
        const Color otherFore = ui.PictureNamed(c.otherPic).ForeColor();
        form.DrawTitlebarPreview(Rgb(10, 36, 106), Rgb(166, 202, 240), pic);

        EXPECT_EQ(pic.Pixels(), ReferenceGradient(pic, Rgb(10, 36, 106), Rgb(166, 202, 240)));
        EXPECT_EQ(pic.Pixel(pic.InnerWidth() - 1, 0), Rgb(166, 202, 240));
        ASSERT_EQ(pic.TextDraws().size(), 1u);
        EXPECT_EQ(pic.TextDraws()[0].text, c.caption);
        EXPECT_EQ(pic.TextDraws()[0].color, Rgb(1, 2, 3));
        EXPECT_TRUE(pic.TextDraws()[0].transparent);
        EXPECT_EQ(ui.PictureNamed(c.otherPic).ForeColor(), otherFore);
        // The fields are left holding the end colour.
        EXPECT_EQ((std::vector<int>{form.Red, form.Green, form.Blue}),
                  (std::vector<int>{166, 202, 240}));
    }
}

TEST_F(TitlebarPreviewTest, SystemColourReferencesAreDrawnAsTheirCurrentColours) {
    ui.Desk().sysColors[5] = Rgb(200, 0, 0);
    ui.Desk().sysColors[8] = Rgb(0, 0, 90);
    ui.LabelNamed("ActiveTitle").SetBackColor(kSysWindowText);
    MemoryPicture& pic = ui.Picture("ActivePic");
    form.DrawTitlebarPreview(kSysWindowBackground, Rgb(0, 0, 0), pic);
    EXPECT_EQ(pic.Pixels(), ReferenceGradient(pic, Rgb(200, 0, 0), Rgb(0, 0, 0)));
    EXPECT_EQ(pic.TextDraws().back().color, Rgb(0, 0, 90));
}

}  // namespace
}  // namespace quill::testing
