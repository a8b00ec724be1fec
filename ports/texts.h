#pragma once

#include <cstdint>

namespace quill {

// Every text that a person sees or hears, by its number in the program's
// string resources (win32/resources/texts.rc holds the English, po/ the
// translations). The numbers are the resources' identifiers: keep the two
// in step, and keep them below 48 (three resource blocks, loaded whole).
enum class TextId : std::uint16_t {
    None = 0,  // no text: an empty caption
    FormCaption = 1,
    Bold = 2,
    Point8 = 3,
    Point9 = 4,
    Point10 = 5,
    ActiveTitlebarTextColor = 6,
    InactiveTitlebarTextColor = 7,
    MenuHighlightColor = 8,
    MenuBackgroundColor = 9,
    MenuTextColor = 10,
    MenuBarItems = 11,
    MenuItem = 12,
    Apply = 13,
    Cancel = 14,
    XpDefault = 15,
    ApplyHint = 16,
    ActivePreviewCaption = 17,
    InactivePreviewCaption = 18,
    Applied = 19,
    ApplyFailed = 20,
    OpenKeyError = 21,
    ErrorMessage = 22,
    UnsupportedValueType = 23,
    TitlebarFont = 24,
    ActiveTitlebarColor = 25,
    ActiveTitlebarPreview = 26,
    ActiveTitlebarGradientColor = 27,
    InactiveTitlebarColor = 28,
    InactiveTitlebarPreview = 29,
    InactiveTitlebarGradientColor = 30,
    MenuFont = 31,
    MenuBarColor = 32,
};
inline constexpr int kLastTextId = 32;

}  // namespace quill
