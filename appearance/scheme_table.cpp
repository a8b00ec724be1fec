#include "appearance/scheme_table.h"

namespace quill {

namespace {

constexpr SchemeRow Fixed(std::u16string_view key, std::u16string_view name,
                          std::u16string_view text) {
    return {key, name, SchemeSource::FixedText, text, {}};
}

constexpr SchemeRow FromSwatch(std::u16string_view name, std::string_view swatch) {
    return {kColorsKey, name, SchemeSource::Swatch, {}, swatch};
}

constexpr SchemeRow FixedColor(std::u16string_view name, std::u16string_view text) {
    return Fixed(kColorsKey, name, text);
}

constexpr SchemeRow Metric(std::u16string_view name, std::u16string_view text) {
    return Fixed(kWindowMetricsKey, name, text);
}

constexpr SchemeRow Font(std::u16string_view name, SchemeSource source) {
    return {kWindowMetricsKey, name, source, {}, {}};
}

}  // namespace

// Menu, MenuBar and MenuHilight are written twice: first a fixed text, then
// the colour of their swatch, so a complete pass leaves the swatch colours in
// place.
const std::array<SchemeRow, 42> kSchemeTable = {{
    FixedColor(u"ActiveBorder", u"212 208 200"),
    FromSwatch(u"ActiveTitle", "ActiveTitleBar"),
    FixedColor(u"AppWorkspace", u"128 128 128"),
    FixedColor(u"Background", u"58 110 165"),
    FixedColor(u"ButtonAlternateFace", u"181 181 181"),
    FixedColor(u"ButtonDkShadow", u"64 64 64"),
    FixedColor(u"ButtonFace", u"212 208 200"),
    FixedColor(u"ButtonHilight", u"255 255 255"),
    FixedColor(u"ButtonLight", u"212 208 200"),
    FixedColor(u"ButtonShadow", u"128 128 128"),
    FromSwatch(u"GradientActiveTitle", "GradientActiveTitlebar"),
    FromSwatch(u"GradientInactiveTitle", "GradientInactiveTitlebar"),
    FixedColor(u"GrayText", u"128 128 128"),
    FixedColor(u"Hilight", u"10 36 106"),
    FixedColor(u"HotTrackingColor", u"0 0 128"),
    FixedColor(u"InactiveBorder", u"212 208 200"),
    FromSwatch(u"InactiveTitle", "InactiveTitlebar"),
    FromSwatch(u"InactiveTitleText", "InactiveTitle"),
    FixedColor(u"Menu", u"212 208 200"),
    FixedColor(u"MenuBar", u"236 233 216"),
    FixedColor(u"MenuHilight", u"49 106 197"),
    FixedColor(u"Scrollbar", u"212 208 200"),
    FromSwatch(u"TitleText", "ActiveTitle"),
    FixedColor(u"Window", u"255 255 255"),
    FixedColor(u"WindowFrame", u"0 0 0"),
    FixedColor(u"WindowText", u"0 0 0"),
    FromSwatch(u"MenuText", "MenuTextColor"),
    FromSwatch(u"MenuBar", "MenuBarColor"),
    FromSwatch(u"MenuHilight", "MenuHighlightColor"),
    FromSwatch(u"Menu", "MenuColor"),
    Metric(u"BorderWidth", u"-15"),
    Metric(u"CaptionHeight", u"-270"),
    Metric(u"CaptionWidth", u"-270"),
    Metric(u"MenuHeight", u"-270"),
    Metric(u"MenuWidth", u"-270"),
    Metric(u"ScrollHeight", u"-240"),
    Metric(u"ScrollWidth", u"-240"),
    Metric(u"SmCaptionHeight", u"-225"),
    Metric(u"SmCaptionWidth", u"-180"),
    Font(u"CaptionFont", SchemeSource::CaptionFont),
    Font(u"SmCaptionFont", SchemeSource::CaptionFont),
    Font(u"MenuFont", SchemeSource::MenuFont),
}};

}  // namespace quill
