#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "win32/controls/control_design.h"

namespace quill::win32 {

// The program's window as designed: every control with its place, size,
// colours and font, as it is when created. The form window creates the
// controls from this one table; the editor reaches them by the names in it.

struct FormDesign {
    TextId caption = TextId::None;
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    FontDesign font;
};

// Its caption is also the title of the program's message boxes.
inline constexpr FormDesign kFormDesign{TextId::FormCaption, 4335, 5730, {u"Arial Narrow", 9}};

namespace design {
inline constexpr FontDesign kWindowFont{};
inline constexpr FontDesign kArial825{u"Arial", 8.25f};
inline constexpr FontDesign kPreviewFont{u"Arial", 9, true};
inline constexpr FontDesign kGothic{u"ＭＳ Ｐゴシック", 9, false, SHIFTJIS_CHARSET};
inline constexpr Color kHighlightBack = Rgb(128, 128, 255);
inline constexpr Color kGrey = Rgb(128, 128, 128);
inline constexpr Color kRed = Rgb(255, 0, 0);
inline constexpr Color kBg = kSysWindowBackground;
inline constexpr Color kFg = kSysWindowText;
inline constexpr Color kFace = kSysButtonFace;
inline constexpr Color kText = kSysButtonText;
using enum ControlKind;
using enum TextAlign;
using enum DialogKey;
}  // namespace design

// clang-format off
inline constexpr std::array<ControlDesign, 34> kFormControls{{
    // name                      kind                    caption                             spoken name                         left   top  width height back                    fore        font                  align   border enabled tab stack key
    {"fontCmb",                  design::ComboBox,       TextId::None,                       TextId::TitlebarFont,               120,  120, 4095, 315, design::kBg,   design::kFg,   design::kGothic,      design::Left,   false, true,  5},
    {"ckBold",                   design::CheckBox,       TextId::Bold,                       TextId::None,                       120,  600,  735, 195, design::kFace, design::kText, design::kArial825,    design::Left,   false, true,  6},
    {"ckPoint8",                 design::CheckBox,       TextId::Point8,                     TextId::None,                       1080,  600,  975, 195, design::kFace, design::kText, design::kArial825,    design::Left,   false, true,  8},
    {"ckPoint9",                 design::CheckBox,       TextId::Point9,                     TextId::None,                       2160,  600, 1095, 195, design::kFace, design::kText, design::kArial825,    design::Left,   false, true,  7},
    {"ckPoint10",                design::CheckBox,       TextId::Point10,                    TextId::None,                       3240,  600,  975, 195, design::kFace, design::kText, design::kArial825,    design::Left,   false, true,  9},
    {"ActiveTitleBar",           design::Swatch,         TextId::None,                       TextId::ActiveTitlebarColor,        120,  960,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"ActivePic",                design::PictureBox,     TextId::None,                       TextId::ActiveTitlebarPreview,      400,  960, 3520, 255, design::kBg,   design::kFg,   design::kPreviewFont, design::Left,   false, true,  1},
    {"GradientActiveTitlebar",   design::Swatch,         TextId::None,                       TextId::ActiveTitlebarGradientColor,3960,  960,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"ActiveTitle",              design::Swatch,         TextId::None,                       TextId::ActiveTitlebarTextColorName,120, 1290,  255, 255, kWhite,        design::kFg,   design::kWindowFont,  design::Left,   true},
    {"lbl(0)",                   design::Label,          TextId::ActiveTitlebarTextColor,    TextId::None,                       435, 1335, 2415, 255, design::kFace, design::kText, design::kArial825},
    {"InactiveTitlebar",         design::Swatch,         TextId::None,                       TextId::InactiveTitlebarColor,      120, 1800,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"InactivePic",              design::PictureBox,     TextId::None,                       TextId::InactiveTitlebarPreview,    400, 1800, 3520, 255, design::kBg,   design::kFg,   design::kPreviewFont, design::Left,   false, true,  2},
    {"GradientInactiveTitlebar", design::Swatch,         TextId::None,                       TextId::InactiveTitlebarGradientColor,3960, 1800,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"InactiveTitle",            design::Swatch,         TextId::None,                       TextId::InactiveTitlebarTextColorName,120, 2130,  255, 255, kWhite,        design::kFg,   design::kWindowFont,  design::Left,   true},
    {"lbl(1)",                   design::Label,          TextId::InactiveTitlebarTextColor,  TextId::None,                       435, 2175, 2295, 255, design::kFace, design::kText, design::kArial825},
    {"Line3",                    design::Line,           TextId::None,                       TextId::None,                       0, 2485, 4320,   0, design::kGrey, design::kGrey, design::kWindowFont},
    {"Line4",                    design::Line,           TextId::None,                       TextId::None,                       0, 2500, 4320,   0, kWhite,        kWhite,        design::kWindowFont},
    {"menuCmb",                  design::ComboBox,       TextId::None,                       TextId::MenuFont,                   120, 2640, 4095, 315, design::kBg,   design::kFg,   design::kGothic,      design::Left,   false, true, 10},
    {"MenuBarColor",             design::Swatch,         TextId::None,                       TextId::MenuBarColor,               120, 3120,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"MenuBar",                  design::Label,          TextId::MenuBarItems,               TextId::None,                       405, 3120, 3810, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true, true, -1, 2},
    {"MenuHilight",              design::Label,          TextId::MenuItem,                   TextId::None,                       2520, 3120,  735, 255, design::kHighlightBack, kWhite, design::kGothic,  design::Center, true, true, -1, 1},
    {"Label6",                   design::Label,          TextId::MenuItem,                   TextId::None,                       2520, 3360, 1215, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Center, true, true, -1, 3},
    {"MenuHighlightColor",       design::Swatch,         TextId::None,                       TextId::MenuHighlightColorName,     120, 3450,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"lbl(2)",                   design::Label,          TextId::MenuHighlightColor,         TextId::None,                       435, 3480, 1815, 255, design::kFace, design::kText, design::kArial825},
    {"Menu",                     design::Label,          TextId::MenuItem,                   TextId::None,                       2520, 3600, 1215, 255, design::kHighlightBack, kWhite, design::kWindowFont, design::Center, true, true, -1, 4},
    {"MenuColor",                design::Swatch,         TextId::None,                       TextId::MenuBackgroundColorName,    120, 3765,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"lbl(3)",                   design::Label,          TextId::MenuBackgroundColor,        TextId::None,                       435, 3795, 1815, 255, design::kFace, design::kText, design::kArial825},
    {"Label7",                   design::Label,          TextId::MenuItem,                   TextId::None,                       2520, 3840, 1215, 495, design::kBg,   design::kFg,   design::kWindowFont,  design::Center, true, true, -1, 0},
    {"MenuTextColor",            design::Swatch,         TextId::None,                       TextId::MenuTextColorName,          120, 4080,  255, 255, design::kBg,   design::kFg,   design::kWindowFont,  design::Left,   true},
    {"lbl(4)",                   design::Label,          TextId::MenuTextColor,              TextId::None,                       435, 4110, 1815, 255, design::kFace, design::kText, design::kArial825},
    {"btnApply",                 design::CommandButton,  TextId::Apply,                      TextId::None,                       120, 4560,  975, 375, design::kFace, design::kText, design::kWindowFont,  design::Left,   false, false, 0, -1, design::Enter},
    {"Command2",                 design::CommandButton,  TextId::Cancel,                     TextId::None,                       1200, 4560,  975, 375, design::kFace, design::kText, design::kWindowFont,  design::Left,   false, true,  4, -1, design::Escape},
    {"Command1",                 design::CommandButton,  TextId::XpDefault,                  TextId::None,                       3240, 4560,  975, 375, design::kFace, design::kText, design::kWindowFont,  design::Left,   false, true,  3},
    {"Label1",                   design::Label,          TextId::ApplyHint,                  TextId::None, 120, 5160, 4095, 495, design::kFace, design::kRed, design::kArial825},
}};
// clang-format on

// Whether each control has a spoken name exactly where it has no caption for
// a screen reader to take one from.
constexpr bool SpokenNamesFit(std::span<const ControlDesign> controls) {
    for (const ControlDesign& control : controls) {
        const bool captionless = control.kind == ControlKind::Swatch ||
                                 control.kind == ControlKind::PictureBox ||
                                 control.kind == ControlKind::ComboBox;
        if (captionless != (control.spoken != TextId::None)) {
            return false;
        }
    }
    return true;
}
static_assert(SpokenNamesFit(kFormControls),
              "a spoken name for each swatch, preview and face list, and for nothing else");

// The table is the English window. Where a translation needs more room, the
// control is larger in that language alone, as a resource script carries a
// dialog per language: its width (and height, where given) in twips there,
// and the languages (primary language ids) that take it. Each stays clear of
// the controls it does not touch in English.
struct Widening {
    std::string_view control;
    std::array<LANGID, 12> languages;  // LANG_NEUTRAL fills the rest
    int width = 0;                     // 0: the design's
    int height = 0;
};
inline constexpr std::array kWidenings{
    Widening{
        "ckBold",
        {LANG_SPANISH, LANG_ITALIAN, LANG_POLISH, LANG_PORTUGUESE, LANG_RUSSIAN, LANG_UKRAINIAN,
         LANG_BULGARIAN, LANG_GREEK, LANG_CATALAN, LANG_HUNGARIAN, LANG_FINNISH, LANG_FARSI},
        945},
    Widening{"MenuHilight", {LANG_JAPANESE}, 825},
    // The title-bar text labels out to the previews' right edge, for the whole term.
    Widening{"lbl(0)",
             {LANG_GERMAN, LANG_SPANISH, LANG_JAPANESE, LANG_POLISH, LANG_GREEK, LANG_TURKISH,
              LANG_ARABIC, LANG_HEBREW, LANG_FARSI},
             3480},
    Widening{"lbl(1)",
             {LANG_GERMAN, LANG_SPANISH, LANG_JAPANESE, LANG_POLISH, LANG_GREEK, LANG_TURKISH,
              LANG_ARABIC, LANG_HEBREW, LANG_FARSI},
             3480},
    Widening{"ckPoint10",
             {LANG_GREEK, LANG_FINNISH, LANG_ROMANIAN, LANG_HEBREW, LANG_ARABIC, LANG_FARSI},
             1095},
    Widening{"Command2", {LANG_JAPANESE}, 1095},
    // Japanese's face reaches lower than the boxes' Latin faces.
    Widening{"ckPoint8", {LANG_JAPANESE}, 0, 255},
    Widening{"ckPoint9", {LANG_JAPANESE}, 0, 255},
    Widening{"ckPoint10", {LANG_JAPANESE}, 0, 255},
};
using FormControls = std::array<ControlDesign, kFormControls.size()>;
// The window's controls in LANGUAGE (a primary language id).
FormControls FormControlsIn(LANGID language);

// The design of the control with this name; throws std::out_of_range if none.
const ControlDesign& DesignOf(std::string_view name);

// The Windows control identifier of a control: 1000 + its row in the table.
// Tests outside the process find the controls by it.
inline constexpr int kFirstControlId = 1000;
constexpr int ControlIdAt(std::size_t row) {
    return kFirstControlId + static_cast<int>(row);
}
int ControlIdOf(std::string_view name);

}  // namespace quill::win32
