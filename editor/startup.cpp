#include <variant>

#include "appearance/scheme_table.h"
#include "editor/form1.h"

namespace quill {

namespace {

// A stored type that the store operations do not handle counts as no value:
// what the store holds must not keep the window from opening.
Variant ReadOrEmpty(Form1& form, std::u16string_view key, std::u16string_view valueName) {
    try {
        return form.GetRegistryValue(key, valueName);
    } catch (const AppError& error) {
        if (error.Number() != kUnsupportedValueType) {
            throw;
        }
        return Empty{};
    }
}

}  // namespace

void Form1::Form_Load() {
    btnApply.SetEnabled(false);

    CaptionFontBytes = ReadFontRecord(u"CaptionFont", FontRole::Caption);
    const std::u16string captionFace = DecodeFaceName(CaptionFontBytes);
    const bool captionBold = DecodeBold(CaptionFontBytes);
    MenuFontBytes = ReadFontRecord(u"MenuFont", FontRole::Menu);
    const std::u16string menuFace = DecodeFaceName(MenuFontBytes);

    const int size = DecodePointSize(CaptionFontBytes);  // 8, 9 or 10
    PointBox(size).SetValue(kChecked);
    ActivePic.SetFontSize(static_cast<float>(size));
    InactivePic.SetFontSize(static_cast<float>(size));

    const Desktop& screen = toolkit_.Screen();
    for (int i = 0; i < screen.FontCount(); ++i) {
        const std::u16string face = screen.FontName(i);
        fontCmb.AddItem(face);
        menuCmb.AddItem(face);
    }

    ActivePic.SetFontName(captionFace);
    InactivePic.SetFontName(captionFace);
    fontCmb.SetText(captionFace);

    ActivePic.SetFontBold(captionBold);
    InactivePic.SetFontBold(captionBold);
    // Checking the box runs the bold change at once, nested.
    ckBold.SetValue(captionBold ? kChecked : kUnchecked);

    SetMenuFace(menu_.ItemFirst(), menuFace);
    menuCmb.SetText(menuFace);
    // The opened menu: two items.
    const std::u16string item = toolkit_.Text(TextId::MenuItem);
    Label7.SetCaption(item + u"\r\n" + item);

    ReadSwatch(MenuBarColor, u"MenuBar");
    CopyBarColor(MenuBarColor, menu_);
    ReadSwatch(MenuHighlightColor, u"MenuHilight");
    CopyHighlightColor(MenuHighlightColor, menu_);
    ReadSwatch(MenuColor, u"Menu");
    CopyMenuColor(MenuColor, menu_);
    ReadSwatch(MenuTextColor, u"MenuText");
    CopyTextColor(MenuTextColor, menu_);
    ReadSwatch(ActiveTitleBar, u"ActiveTitle");
    ReadSwatch(GradientActiveTitlebar, u"GradientActiveTitle");
    ReadSwatch(ActiveTitle, u"TitleText");
    ReadSwatch(InactiveTitlebar, u"InactiveTitle");
    ReadSwatch(GradientInactiveTitlebar, u"GradientInactiveTitle");
    ReadSwatch(InactiveTitle, u"InactiveTitleText");

    RepaintActive();
    RepaintInactive();
}

CheckBox& Form1::PointBox(int size) {
    return size == 8 ? ckPoint8 : size == 10 ? ckPoint10 : ckPoint9;
}

FontRecord Form1::ReadFontRecord(std::u16string_view valueName, FontRole role) {
    // A record that is missing, not a byte array or too short to patch is
    // replaced by the font the desktop uses now for the same role.
    const Variant value = ReadOrEmpty(*this, kWindowMetricsKey, valueName);
    if (const auto* bytes = std::get_if<ByteArray>(&value);
        bytes && bytes->size() >= kMinPatchableRecord) {
        return *bytes;
    }
    return toolkit_.Screen().CurrentFontRecord(role);
}

void Form1::ReadSwatch(Label& swatch, std::u16string_view valueName) {
    // Only a colour text changes the swatch; anything else leaves it as it is.
    const Variant value = ReadOrEmpty(*this, kColorsKey, valueName);
    if (const auto* text = std::get_if<std::u16string>(&value)) {
        if (const std::optional<Color> color = ParseColorText(*text)) {
            swatch.SetBackColor(*color);
        }
    }
}

}  // namespace quill
