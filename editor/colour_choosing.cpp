#include "editor/attempt.h"
#include "editor/form1.h"

namespace quill {

void Form1::PickColor(Label& target) noexcept {
    // Ignore-and-continue: a failing step is skipped. A cancelled dialog
    // fails ShowColor, and then nothing is stored.
    Attempt([&] { CommonDialog.SetCancelError(true); });
    Attempt([&] { CommonDialog.SetFlags(kColorDialogRgbInit | kColorDialogFullOpen); });
    // The dialog starts from the colour the swatch shows.
    Attempt([&] { CommonDialog.SetColor(ShownColor(target.BackColor())); });
    if (Attempt([&] { CommonDialog.ShowColor(); }) &&
        Attempt([&] { target.SetBackColor(CommonDialog.GetColor()); })) {
        Attempt([&] { btnApply.SetEnabled(true); });
    }
}

void Form1::ActiveTitleBar_Click() {
    PickColor(ActiveTitleBar);
    RepaintActive();
}

void Form1::GradientActiveTitlebar_Click() {
    PickColor(GradientActiveTitlebar);
    RepaintActive();
}

void Form1::ActiveTitle_Click() {
    PickColor(ActiveTitle);
    ActivePic.SetForeColor(ActiveTitle.BackColor());
    RepaintActive();
}

void Form1::InactiveTitlebar_Click() {
    PickColor(InactiveTitlebar);
    RepaintInactive();
}

void Form1::GradientInactiveTitlebar_Click() {
    PickColor(GradientInactiveTitlebar);
    RepaintInactive();
}

void Form1::InactiveTitle_Click() {
    PickColor(InactiveTitle);
    InactivePic.SetForeColor(InactiveTitle.BackColor());
    RepaintInactive();
}

void Form1::MenuBarColor_Click() {
    // The dialog works on the bar itself; the swatch follows it.
    PickColor(MenuBar);
    MenuBarColor.SetBackColor(MenuBar.BackColor());
}

void Form1::MenuColor_Click() {
    PickColor(MenuColor);
    CopyMenuColor(MenuColor, menu_);
}

void Form1::MenuHighlightColor_Click() {
    PickColor(MenuHighlightColor);
    CopyHighlightColor(MenuHighlightColor, menu_);
}

void Form1::MenuTextColor_Click() {
    PickColor(MenuTextColor);
    CopyTextColor(MenuTextColor, menu_);
}

}  // namespace quill
