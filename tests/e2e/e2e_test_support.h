#pragma once

// Small helpers shared by the end-to-end test cases.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "appearance/color_text.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/scheme_expectations.h"

namespace quill::e2e {

// Set by main from --after-server-restart: the cases that read what the
// desktop uses run only in the ctest step that follows a server restart.
bool AfterServerRestart();

inline std::wstring Wide(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// "r g b" as a colour integer.
inline Color ColorOfText(const std::string& text) {
    std::istringstream in(text);
    int r = 0, g = 0, b = 0;
    in >> r >> g >> b;
    return Rgb(r, g, b);
}

// Seeds both keys afresh: the ten edited colours and the two font records.
inline void SeedScheme(const std::map<std::string, std::string>& colors,
                       const std::vector<std::uint8_t>& captionRecord,
                       const std::vector<std::uint8_t>& menuRecord, KeySnapshot extraColors = {},
                       KeySnapshot extraMetrics = {}) {
    KeySnapshot colorValues = std::move(extraColors);
    for (const auto& [name, text] : colors) {
        colorValues[Wide(name)] = Sz(Wide(text));
    }
    SeedKey(kColorsKey, colorValues);
    KeySnapshot metricValues = std::move(extraMetrics);
    metricValues[L"CaptionFont"] = Binary(captionRecord);
    metricValues[L"MenuFont"] = Binary(menuRecord);
    SeedKey(kMetricsKey, metricValues);
}

// A probe font line "height weight face" split up.
struct ProbeFont {
    int height = 0;
    int weight = 0;
    std::string face;
};
inline ProbeFont ParseProbeFont(const std::string& line) {
    ProbeFont font;
    std::istringstream in(line);
    in >> font.height >> font.weight;
    std::getline(in >> std::ws, font.face);
    return font;
}
inline std::string FaceOf(const std::string& probeFontLine) {
    return ParseProbeFont(probeFontLine).face;
}

// The bytes of a `reg query` REG_BINARY column.
inline std::vector<std::uint8_t> HexBytes(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

}  // namespace quill::e2e
