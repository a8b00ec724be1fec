#include "editor/form1.h"

#include "editor/attempt.h"
#include "preview/titlebar_preview.h"

namespace quill {

Form1::Form1(Toolkit& toolkit, RegistryStore& store, const AnsiCodec& codec)
    : toolkit_(toolkit),
      registry_(store, codec),
      fontCmb(toolkit.ComboBoxNamed("fontCmb")),
      menuCmb(toolkit.ComboBoxNamed("menuCmb")),
      ckBold(toolkit.CheckBoxNamed("ckBold")),
      ckPoint8(toolkit.CheckBoxNamed("ckPoint8")),
      ckPoint9(toolkit.CheckBoxNamed("ckPoint9")),
      ckPoint10(toolkit.CheckBoxNamed("ckPoint10")),
      ActiveTitleBar(toolkit.LabelNamed("ActiveTitleBar")),
      GradientActiveTitlebar(toolkit.LabelNamed("GradientActiveTitlebar")),
      ActiveTitle(toolkit.LabelNamed("ActiveTitle")),
      InactiveTitlebar(toolkit.LabelNamed("InactiveTitlebar")),
      GradientInactiveTitlebar(toolkit.LabelNamed("GradientInactiveTitlebar")),
      InactiveTitle(toolkit.LabelNamed("InactiveTitle")),
      MenuBarColor(toolkit.LabelNamed("MenuBarColor")),
      MenuHighlightColor(toolkit.LabelNamed("MenuHighlightColor")),
      MenuColor(toolkit.LabelNamed("MenuColor")),
      MenuTextColor(toolkit.LabelNamed("MenuTextColor")),
      ActivePic(toolkit.PictureNamed("ActivePic")),
      InactivePic(toolkit.PictureNamed("InactivePic")),
      MenuBar(toolkit.LabelNamed("MenuBar")),
      MenuHilight(toolkit.LabelNamed("MenuHilight")),
      Label6(toolkit.LabelNamed("Label6")),
      Label7(toolkit.LabelNamed("Label7")),
      Menu(toolkit.LabelNamed("Menu")),
      btnApply(toolkit.ButtonNamed("btnApply")),
      CommonDialog(toolkit.CommonDialog()),
      menu_{MenuBar, MenuHilight, Label6, Menu, Label7} {
    toolkit_.SetEventSink(this);
}

Form1::~Form1() {
    toolkit_.SetEventSink(nullptr);
}

void Form1::OnEvent(std::string_view control, ControlEvent event) {
    struct Route {
        std::string_view control;
        ControlEvent event;
        void (Form1::*handler)();
    };
    using enum ControlEvent;
    static constexpr Route kRoutes[] = {
        {"btnApply", Click, &Form1::btnApply_Click},
        {"Command1", Click, &Form1::Command1_Click},
        {"Command2", Click, &Form1::Command2_Click},
        {"fontCmb", ListChoice, &Form1::fontCmb_Click},
        {"menuCmb", ListChoice, &Form1::menuCmb_Click},
        {"ckBold", StateChange, &Form1::ckBold_Click},
        {"ckBold", MouseDown, &Form1::SetApplyFlag},
        {"ckPoint8", MouseDown, &Form1::SetApplyFlag},
        {"ckPoint9", MouseDown, &Form1::SetApplyFlag},
        {"ckPoint10", MouseDown, &Form1::SetApplyFlag},
        {"ckPoint8", MouseUp, &Form1::ckPoint8_MouseUp},
        {"ckPoint9", MouseUp, &Form1::ckPoint9_MouseUp},
        {"ckPoint10", MouseUp, &Form1::ckPoint10_MouseUp},
        {"ActiveTitleBar", Click, &Form1::ActiveTitleBar_Click},
        {"GradientActiveTitlebar", Click, &Form1::GradientActiveTitlebar_Click},
        {"ActiveTitle", Click, &Form1::ActiveTitle_Click},
        {"InactiveTitlebar", Click, &Form1::InactiveTitlebar_Click},
        {"GradientInactiveTitlebar", Click, &Form1::GradientInactiveTitlebar_Click},
        {"InactiveTitle", Click, &Form1::InactiveTitle_Click},
        {"MenuBarColor", Click, &Form1::MenuBarColor_Click},
        {"MenuColor", Click, &Form1::MenuColor_Click},
        {"MenuHighlightColor", Click, &Form1::MenuHighlightColor_Click},
        {"MenuTextColor", Click, &Form1::MenuTextColor_Click},
    };
    for (const Route& route : kRoutes) {
        if (route.control == control && route.event == event) {
            (this->*route.handler)();
            return;
        }
    }
}

Variant Form1::GetRegistryValue(std::u16string_view sKeyName, std::u16string_view ValueName,
                                const Variant& DefaultValue) {
    ReadResult read = registry_.GetRegistryValue(sKeyName, ValueName, DefaultValue);
    if (!read.keyOpened) {
        toolkit_.Messages().ShowMessage(toolkit_.Text(TextId::OpenKeyError));
    }
    return std::move(read.value);
}

bool Form1::SetRegistryValue(KeyHandle hKey, std::u16string_view KeyName,
                             std::u16string_view ValueName, const Variant& value) {
    return registry_.SetRegistryValue(hKey, KeyName, ValueName, value);
}

void Form1::SplitColor(Color c) {
    const ColorComponents parts = quill::SplitColor(c);
    Red = parts.red;
    Green = parts.green;
    Blue = parts.blue;
}

Color Form1::ShownColor(Color c) const {
    return IsSystemColor(c) ? toolkit_.Screen().SysColor(SystemColorIndex(c)) : c;
}

std::u16string Form1::ColorToText(const Label& swatch) {
    // A swatch still holding a system-colour reference is written as the
    // colour it shows; the reference itself would split into negative numbers.
    SplitColor(ShownColor(swatch.BackColor()));
    return FormatColorText({Red, Green, Blue});
}

void Form1::DrawTitlebarPreview(Color startColor, Color endColor, PictureBox& target) noexcept {
    ColorComponents start;
    ColorComponents end;
    Attempt([&] {
        SplitColor(ShownColor(startColor));
        start = {Red, Green, Blue};
    });
    Attempt([&] {
        SplitColor(ShownColor(endColor));
        end = {Red, Green, Blue};
    });
    Attempt([&] { PaintGradient(target, start, end); });

    std::u16string caption;
    Attempt([&] {
        caption = toolkit_.Text(&target == &ActivePic ? TextId::ActivePreviewCaption
                                                      : TextId::InactivePreviewCaption);
        if (&target == &ActivePic) {
            ActivePic.SetForeColor(ShownColor(ActiveTitle.BackColor()));
        } else {
            InactivePic.SetForeColor(ShownColor(InactiveTitle.BackColor()));
        }
    });
    Attempt([&] { DrawCaptionText(target, caption); });
}

void Form1::RepaintActive() {
    const Color start = ActiveTitleBar.BackColor();
    const Color end = GradientActiveTitlebar.BackColor();
    DrawTitlebarPreview(start, end, ActivePic);
}

void Form1::RepaintInactive() {
    const Color start = InactiveTitlebar.BackColor();
    const Color end = GradientInactiveTitlebar.BackColor();
    DrawTitlebarPreview(start, end, InactivePic);
}

void Form1::Command2_Click() {
    toolkit_.Form().Unload();
}

}  // namespace quill
