#include "appearance/scheme_table.h"

namespace quill {

namespace {

constexpr SchemeRow Fixed(int position, std::u16string_view key, std::u16string_view name,
                          std::u16string_view text) {
    return {position, key, name, SchemeSource::FixedText, text, {}};
}

constexpr SchemeRow FromSwatch(int position, std::u16string_view name, std::string_view swatch) {
    return {position, kColorsKey, name, SchemeSource::Swatch, {}, swatch};
}

constexpr SchemeRow FixedColor(int position, std::u16string_view name, std::u16string_view text) {
    return Fixed(position, kColorsKey, name, text);
}

constexpr SchemeRow Metric(int position, std::u16string_view name, std::u16string_view text) {
    return Fixed(position, kWindowMetricsKey, name, text);
}

constexpr SchemeRow Font(int position, std::u16string_view name, SchemeSource source) {
    return {position, kWindowMetricsKey, name, source, {}, {}};
}

}  // namespace

// Menu, MenuBar and MenuHilight are written twice: first a fixed text, then
// (rows 28-30) the colour of their swatch, so a complete pass leaves the
// swatch colours in place.
const std::array<SchemeRow, 42> kSchemeTable = {{
    FixedColor(1, u"ActiveBorder", u"212 208 200"),
    FromSwatch(2, u"ActiveTitle", "ActiveTitleBar"),
    FixedColor(3, u"AppWorkspace", u"128 128 128"),
    FixedColor(4, u"Background", u"58 110 165"),
    FixedColor(5, u"ButtonAlternateFace", u"181 181 181"),
    FixedColor(6, u"ButtonDkShadow", u"64 64 64"),
    FixedColor(7, u"ButtonFace", u"212 208 200"),
    FixedColor(8, u"ButtonHilight", u"255 255 255"),
    FixedColor(9, u"ButtonLight", u"212 208 200"),
    FixedColor(10, u"ButtonShadow", u"128 128 128"),
    FromSwatch(11, u"GradientActiveTitle", "GradientActiveTitlebar"),
    FromSwatch(12, u"GradientInactiveTitle", "GradientInactiveTitlebar"),
    FixedColor(13, u"GrayText", u"128 128 128"),
    FixedColor(14, u"Hilight", u"10 36 106"),
    FixedColor(15, u"HotTrackingColor", u"0 0 128"),
    FixedColor(16, u"InactiveBorder", u"212 208 200"),
    FromSwatch(17, u"InactiveTitle", "InactiveTitlebar"),
    FromSwatch(18, u"InactiveTitleText", "InactiveTitle"),
    FixedColor(19, u"Menu", u"212 208 200"),
    FixedColor(20, u"MenuBar", u"236 233 216"),
    FixedColor(21, u"MenuHilight", u"49 106 197"),
    FixedColor(22, u"Scrollbar", u"212 208 200"),
    FromSwatch(23, u"TitleText", "ActiveTitle"),
    FixedColor(24, u"Window", u"255 255 255"),
    FixedColor(25, u"WindowFrame", u"0 0 0"),
    FixedColor(26, u"WindowText", u"0 0 0"),
    FromSwatch(27, u"MenuText", "MenuTextColor"),
    FromSwatch(28, u"MenuBar", "MenuBarColor"),
    FromSwatch(29, u"MenuHilight", "MenuHighlightColor"),
    FromSwatch(30, u"Menu", "MenuColor"),
    Metric(31, u"BorderWidth", u"-15"),
    Metric(32, u"CaptionHeight", u"-270"),
    Metric(33, u"CaptionWidth", u"-270"),
    Metric(34, u"MenuHeight", u"-270"),
    Metric(35, u"MenuWidth", u"-270"),
    Metric(36, u"ScrollHeight", u"-240"),
    Metric(37, u"ScrollWidth", u"-240"),
    Metric(38, u"SmCaptionHeight", u"-225"),
    Metric(39, u"SmCaptionWidth", u"-180"),
    Font(40, u"CaptionFont", SchemeSource::CaptionFont),
    Font(41, u"SmCaptionFont", SchemeSource::CaptionFont),
    Font(42, u"MenuFont", SchemeSource::MenuFont),
}};

}  // namespace quill
