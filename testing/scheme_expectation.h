#pragma once

// What a complete Apply writes, by hand rather than from the program's table: a wrong row shows.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "testing/wine_registry.h"

namespace quill::testing {

// One write: the key, the value's name, the value.
using Write = std::tuple<const wchar_t*, const wchar_t*, RegValue>;

// The ten edited colours by the value names they are stored under.
using SwatchColours = std::map<std::wstring, COLORREF>;

// The 42 writes in their order, given the ten colours and the two records.
inline std::vector<Write> AppliedScheme(const SwatchColours& colours,
                                        const std::vector<std::uint8_t>& caption,
                                        const std::vector<std::uint8_t>& menu) {
    const wchar_t* c = kColorsKey;
    const wchar_t* m = kMetricsKey;
    auto swatch = [&](const wchar_t* name) { return Write{c, name, Sz(colours.at(name))}; };
    // clang-format off
    return {
        {c, L"ActiveBorder", Sz("212 208 200")},        swatch(L"ActiveTitle"),
        {c, L"AppWorkspace", Sz("128 128 128")},        {c, L"Background", Sz("58 110 165")},
        {c, L"ButtonAlternateFace", Sz("181 181 181")}, {c, L"ButtonDkShadow", Sz("64 64 64")},
        {c, L"ButtonFace", Sz("212 208 200")},          {c, L"ButtonHilight", Sz("255 255 255")},
        {c, L"ButtonLight", Sz("212 208 200")},         {c, L"ButtonShadow", Sz("128 128 128")},
        swatch(L"GradientActiveTitle"),                 swatch(L"GradientInactiveTitle"),
        {c, L"GrayText", Sz("128 128 128")},            {c, L"Hilight", Sz("10 36 106")},
        {c, L"HotTrackingColor", Sz("0 0 128")},        {c, L"InactiveBorder", Sz("212 208 200")},
        swatch(L"InactiveTitle"),                       swatch(L"InactiveTitleText"),
        {c, L"Menu", Sz("212 208 200")},                {c, L"MenuBar", Sz("236 233 216")},
        {c, L"MenuHilight", Sz("49 106 197")},          {c, L"Scrollbar", Sz("212 208 200")},
        swatch(L"TitleText"),                           {c, L"Window", Sz("255 255 255")},
        {c, L"WindowFrame", Sz("0 0 0")},               {c, L"WindowText", Sz("0 0 0")},
        swatch(L"MenuText"),                            swatch(L"MenuBar"),
        swatch(L"MenuHilight"),                         swatch(L"Menu"),
        {m, L"BorderWidth", Sz("-15")},                 {m, L"CaptionHeight", Sz("-270")},
        {m, L"CaptionWidth", Sz("-270")},               {m, L"MenuHeight", Sz("-270")},
        {m, L"MenuWidth", Sz("-270")},                  {m, L"ScrollHeight", Sz("-240")},
        {m, L"ScrollWidth", Sz("-240")},                {m, L"SmCaptionHeight", Sz("-225")},
        {m, L"SmCaptionWidth", Sz("-180")},             {m, L"CaptionFont", Binary(caption)},
        {m, L"SmCaptionFont", Binary(caption)},         {m, L"MenuFont", Binary(menu)},
    };
    // clang-format on
}

// The default scheme's colours ("XP Default"), by value name.
// clang-format off
inline const SwatchColours kDefaultColours{
    {L"MenuBar", RGB(236, 233, 216)},               {L"MenuHilight", RGB(49, 106, 197)},
    {L"Menu", RGB(212, 219, 200)},                  {L"MenuText", RGB(0, 0, 0)},
    {L"ActiveTitle", RGB(10, 36, 106)},             {L"GradientActiveTitle", RGB(166, 202, 240)},
    {L"TitleText", RGB(255, 255, 255)},             {L"InactiveTitle", RGB(128, 128, 128)},
    {L"GradientInactiveTitle", RGB(192, 192, 192)}, {L"InactiveTitleText", RGB(212, 208, 200)},
};
// clang-format on

}  // namespace quill::testing
