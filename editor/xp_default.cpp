#include "editor/form1.h"

namespace quill {

namespace {

constexpr std::u16string_view kDefaultFace = u"Tahoma";
constexpr float kDefaultPoints = 10;

}  // namespace

void Form1::Command1_Click() {
    // Setting the texts is no choice from the lists: the face choices do not run.
    fontCmb.SetText(kDefaultFace);
    ActivePic.SetFontName(fontCmb.Text());
    ActivePic.SetFontBold(true);
    ActivePic.SetFontSize(kDefaultPoints);
    InactivePic.SetFontName(fontCmb.Text());
    InactivePic.SetFontBold(true);
    InactivePic.SetFontSize(kDefaultPoints);
    // Runs the bold change, nested, only if the box was clear.
    ckBold.SetValue(kChecked);
    ckPoint8.SetValue(kUnchecked);
    ckPoint9.SetValue(kUnchecked);
    ckPoint10.SetValue(kChecked);

    menuCmb.SetText(kDefaultFace);
    SetMenuFace(menu_.BarFirst(), kDefaultFace);
    MenuBarColor.SetBackColor(Rgb(236, 233, 216));
    CopyBarColor(MenuBarColor, menu_);
    MenuHighlightColor.SetBackColor(Rgb(49, 106, 197));
    CopyHighlightColor(MenuHighlightColor, menu_);
    MenuColor.SetBackColor(Rgb(212, 219, 200));
    CopyMenuColor(MenuColor, menu_);
    MenuTextColor.SetBackColor(Rgb(0, 0, 0));
    CopyTextColor(MenuTextColor, menu_);

    ActiveTitleBar.SetBackColor(Rgb(10, 36, 106));
    GradientActiveTitlebar.SetBackColor(Rgb(166, 202, 240));
    ActiveTitle.SetBackColor(Rgb(255, 255, 255));
    InactiveTitlebar.SetBackColor(Rgb(128, 128, 128));
    GradientInactiveTitlebar.SetBackColor(Rgb(192, 192, 192));
    InactiveTitle.SetBackColor(Rgb(212, 208, 200));
    RepaintActive();
    RepaintInactive();

    btnApply.SetEnabled(true);
}

}  // namespace quill
