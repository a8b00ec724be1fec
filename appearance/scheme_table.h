#pragma once

#include <array>
#include <string_view>

namespace quill {

inline constexpr std::u16string_view kColorsKey = u"Control Panel\\Colors";
inline constexpr std::u16string_view kWindowMetricsKey = u"Control Panel\\Desktop\\WindowMetrics";

enum class SchemeSource {
    FixedText,    // the row's fixed text, the same on every Apply
    Swatch,       // the colour text of the named swatch
    CaptionFont,  // the caption font record
    MenuFont,     // the menu font record
};

struct SchemeRow {
    std::u16string_view key;
    std::u16string_view valueName;
    SchemeSource source;
    std::u16string_view fixedText;  // for FixedText rows
    std::string_view swatch;        // for Swatch rows: the swatch control's name
};

// The 42 values that Apply writes, in write order: the array order is the
// order of the writes.
extern const std::array<SchemeRow, 42> kSchemeTable;

}  // namespace quill
