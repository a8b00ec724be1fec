#pragma once

// The values the end-to-end tests expect in the registry and on the desktop,
// written out here independently of the program's own tables so that a
// wrong row there shows up as a difference.

#include <map>
#include <string>

namespace quill::e2e {

// The seventeen colours and nine sizes that every Apply writes as they are.
inline const std::map<std::string, std::string> kFixedColors{
    {"ActiveBorder", "212 208 200"},   {"AppWorkspace", "128 128 128"},
    {"Background", "58 110 165"},      {"ButtonAlternateFace", "181 181 181"},
    {"ButtonDkShadow", "64 64 64"},    {"ButtonFace", "212 208 200"},
    {"ButtonHilight", "255 255 255"},  {"ButtonLight", "212 208 200"},
    {"ButtonShadow", "128 128 128"},   {"GrayText", "128 128 128"},
    {"Hilight", "10 36 106"},          {"HotTrackingColor", "0 0 128"},
    {"InactiveBorder", "212 208 200"}, {"Scrollbar", "212 208 200"},
    {"Window", "255 255 255"},         {"WindowFrame", "0 0 0"},
    {"WindowText", "0 0 0"},
};

inline const std::map<std::string, std::string> kFixedSizes{
    {"BorderWidth", "-15"},  {"CaptionHeight", "-270"},   {"CaptionWidth", "-270"},
    {"MenuHeight", "-270"},  {"MenuWidth", "-270"},       {"ScrollHeight", "-240"},
    {"ScrollWidth", "-240"}, {"SmCaptionHeight", "-225"}, {"SmCaptionWidth", "-180"},
};

// The ten edited colours by their registry value names, as the default
// scheme ("XP Default") sets them.
inline const std::map<std::string, std::string> kDefaultSwatchColors{
    {"MenuBar", "236 233 216"},
    {"MenuHilight", "49 106 197"},
    {"Menu", "212 219 200"},
    {"MenuText", "0 0 0"},
    {"ActiveTitle", "10 36 106"},
    {"GradientActiveTitle", "166 202 240"},
    {"TitleText", "255 255 255"},
    {"InactiveTitle", "128 128 128"},
    {"GradientInactiveTitle", "192 192 192"},
    {"InactiveTitleText", "212 208 200"},
};

// Some other scheme for the ten edited colours, far from the default one.
inline const std::map<std::string, std::string> kOtherSwatchColors{
    {"MenuBar", "11 12 13"},
    {"MenuHilight", "21 22 23"},
    {"Menu", "31 32 33"},
    {"MenuText", "41 42 43"},
    {"ActiveTitle", "51 52 53"},
    {"GradientActiveTitle", "61 62 63"},
    {"TitleText", "71 72 73"},
    {"InactiveTitle", "81 82 83"},
    {"GradientInactiveTitle", "91 92 93"},
    {"InactiveTitleText", "101 102 103"},
};

// The 27 colours a complete Apply leaves, given the ten edited ones.
inline std::map<std::string, std::string> AppliedColors(
    const std::map<std::string, std::string>& swatchColors) {
    std::map<std::string, std::string> all = kFixedColors;
    all.insert(swatchColors.begin(), swatchColors.end());
    return all;
}

// Window metrics in the store count -15 to a pixel at 96 DPI.
inline int TwipsToPixels(const std::string& twips) {
    return -std::stoi(twips) / 15;
}

}  // namespace quill::e2e
