#include "appearance/scheme_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "appearance/color_text.h"

namespace quill {
namespace {

TEST(SchemeTable, RowsAreInWriteOrderUnderTheirKeys) {
    for (std::size_t i = 0; i < kSchemeTable.size(); ++i) {
        const SchemeRow& row = kSchemeTable[i];
        EXPECT_EQ(row.position, static_cast<int>(i) + 1);
        EXPECT_EQ(row.key, row.position <= 30 ? kColorsKey : kWindowMetricsKey) << row.position;
    }
}

TEST(SchemeTable, ValuesWrittenPerKey) {
    std::set<std::u16string_view> colors, metrics;
    std::map<std::u16string_view, int> writes;
    for (const SchemeRow& row : kSchemeTable) {
        (row.key == kColorsKey ? colors : metrics).insert(row.valueName);
        ++writes[row.valueName];
    }
    EXPECT_EQ(colors.size(), 27u);
    EXPECT_EQ(metrics.size(), 12u);
    for (const auto& [name, count] : writes) {
        const bool twice = name == u"Menu" || name == u"MenuBar" || name == u"MenuHilight";
        EXPECT_EQ(count, twice ? 2 : 1);
    }
    // Spellings the desktop expects.
    for (std::u16string_view name :
         {u"Hilight", u"ButtonHilight", u"ButtonDkShadow", u"Scrollbar"}) {
        EXPECT_TRUE(colors.contains(name));
    }
}

TEST(SchemeTable, SwatchRowsMapSwatchesToValueNames) {
    const std::map<int, std::pair<std::u16string_view, std::string_view>> expected = {
        {2, {u"ActiveTitle", "ActiveTitleBar"}},
        {11, {u"GradientActiveTitle", "GradientActiveTitlebar"}},
        {12, {u"GradientInactiveTitle", "GradientInactiveTitlebar"}},
        {17, {u"InactiveTitle", "InactiveTitlebar"}},
        {18, {u"InactiveTitleText", "InactiveTitle"}},
        {23, {u"TitleText", "ActiveTitle"}},
        {27, {u"MenuText", "MenuTextColor"}},
        {28, {u"MenuBar", "MenuBarColor"}},
        {29, {u"MenuHilight", "MenuHighlightColor"}},
        {30, {u"Menu", "MenuColor"}},
    };
    for (const SchemeRow& row : kSchemeTable) {
        const auto it = expected.find(row.position);
        if (it == expected.end()) {
            EXPECT_NE(row.source, SchemeSource::Swatch) << row.position;
            continue;
        }
        EXPECT_EQ(row.source, SchemeSource::Swatch);
        EXPECT_EQ(row.valueName, it->second.first) << row.position;
        EXPECT_EQ(row.swatch, it->second.second) << row.position;
    }
}

TEST(SchemeTable, FixedAndFontRows) {
    for (const SchemeRow& row : kSchemeTable) {
        if (row.source == SchemeSource::FixedText && row.key == kColorsKey) {
            EXPECT_TRUE(ParseColorText(row.fixedText).has_value()) << row.position;
        }
        if (row.key == kWindowMetricsKey && row.position <= 39) {
            EXPECT_EQ(row.source, SchemeSource::FixedText) << row.position;
            EXPECT_TRUE(row.fixedText.starts_with(u"-")) << row.position;
        }
    }
    EXPECT_EQ(kSchemeTable[31].valueName, u"CaptionHeight");
    EXPECT_EQ(kSchemeTable[31].fixedText, u"-270");
    // Rows 40 and 41 both carry the caption record, 42 the menu record.
    EXPECT_EQ(kSchemeTable[39].source, SchemeSource::CaptionFont);
    EXPECT_EQ(kSchemeTable[40].valueName, u"SmCaptionFont");
    EXPECT_EQ(kSchemeTable[40].source, SchemeSource::CaptionFont);
    EXPECT_EQ(kSchemeTable[41].source, SchemeSource::MenuFont);
}

}  // namespace
}  // namespace quill
