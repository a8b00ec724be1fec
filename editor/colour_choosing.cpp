#include "editor/attempt.h"
#include "editor/form1.h"

namespace quill {

void Form1::PickColor(Label& target) noexcept {
    // The dialog opens on the colour the swatch shows. A chosen colour goes
    // to the swatch and sets the apply flag; a cancel changes nothing. Under
    // the ignore-and-continue rule no error leaves this operation.
    Attempt([&] {
        if (const auto chosen = CommonDialog.Choose(ShownColor(target.BackColor()))) {
            target.SetBackColor(*chosen);
            btnApply.SetEnabled(true);
        }
    });
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
