#include "editor/form1.h"

namespace quill {

void Form1::fontCmb_Click() {
    ActivePic.SetFontName(fontCmb.Text());
    RepaintActive();
    InactivePic.SetFontName(fontCmb.Text());
    RepaintInactive();
    btnApply.SetEnabled(true);
}

void Form1::menuCmb_Click() {
    SetMenuFace(menu_.BarFirst(), menuCmb.Text());
    btnApply.SetEnabled(true);
}

void Form1::ckBold_Click() {
    const bool bold = ckBold.Value() == kChecked;
    ActivePic.SetFontBold(bold);
    RepaintActive();
    InactivePic.SetFontBold(bold);
    RepaintInactive();
}

void Form1::SetApplyFlag() {
    btnApply.SetEnabled(true);
}

void Form1::ckPoint8_MouseUp() {
    PointSizeInterlock(ckPoint8, ckPoint9, ckPoint10, 8);
}

void Form1::ckPoint9_MouseUp() {
    PointSizeInterlock(ckPoint9, ckPoint8, ckPoint10, 9);
}

void Form1::ckPoint10_MouseUp() {
    PointSizeInterlock(ckPoint10, ckPoint8, ckPoint9, 10);
}

void Form1::PointSizeInterlock(CheckBox& box, CheckBox& other1, CheckBox& other2,
                               std::int16_t size) {
    // The three boxes act as one choice the user cannot leave empty: the
    // release comes after the click has toggled the box.
    if (box.Value() == kChecked) {
        other1.SetValue(kUnchecked);
        other2.SetValue(kUnchecked);
        SetPreviewFontSize(size);
    } else {
        box.SetValue(kChecked);
    }
}

void Form1::SetPreviewFontSize(std::int16_t size) {
    const float points = size == 8 ? 8.0f : size == 10 ? 10.0f : 9.0f;
    ActivePic.SetFontSize(points);
    InactivePic.SetFontSize(points);
    RepaintActive();
    RepaintInactive();
}

}  // namespace quill
