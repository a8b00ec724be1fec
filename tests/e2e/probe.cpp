// Prints what the desktop uses now for the appearance settings the editor
// writes: one line per setting, "name value", for the end-to-end tests to
// parse after a Wine server restart (and for a person to read).
//
//   ActiveTitle 10 36 106          system colour, red green blue
//   CaptionFont Tahoma -11 700     face, lfHeight, lfWeight
//   CaptionHeight 18               metric in pixels

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct NamedColor {
    const char* name;
    int index;
};

// Named after the registry values they are stored under: every colour that
// the editor writes.
constexpr NamedColor kColors[] = {
    {"ActiveBorder", COLOR_ACTIVEBORDER},
    {"ActiveTitle", COLOR_ACTIVECAPTION},
    {"AppWorkspace", COLOR_APPWORKSPACE},
    {"Background", COLOR_BACKGROUND},
    {"ButtonAlternateFace", 25},  // no COLOR_ name in the SDK headers
    {"ButtonDkShadow", COLOR_3DDKSHADOW},
    {"ButtonFace", COLOR_BTNFACE},
    {"ButtonHilight", COLOR_BTNHIGHLIGHT},
    {"ButtonLight", COLOR_3DLIGHT},
    {"ButtonShadow", COLOR_BTNSHADOW},
    {"GradientActiveTitle", COLOR_GRADIENTACTIVECAPTION},
    {"GradientInactiveTitle", COLOR_GRADIENTINACTIVECAPTION},
    {"GrayText", COLOR_GRAYTEXT},
    {"Hilight", COLOR_HIGHLIGHT},
    {"HotTrackingColor", COLOR_HOTLIGHT},
    {"InactiveBorder", COLOR_INACTIVEBORDER},
    {"InactiveTitle", COLOR_INACTIVECAPTION},
    {"InactiveTitleText", COLOR_INACTIVECAPTIONTEXT},
    {"Menu", COLOR_MENU},
    {"MenuBar", COLOR_MENUBAR},
    {"MenuHilight", COLOR_MENUHILIGHT},
    {"MenuText", COLOR_MENUTEXT},
    {"Scrollbar", COLOR_SCROLLBAR},
    {"TitleText", COLOR_CAPTIONTEXT},
    {"Window", COLOR_WINDOW},
    {"WindowFrame", COLOR_WINDOWFRAME},
    {"WindowText", COLOR_WINDOWTEXT},
};

std::string Utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    }
    return out;
}

void PrintFont(const char* name, const LOGFONTW& font) {
    // The face last: it may hold blanks.
    std::printf("%s %ld %ld %s\n", name, static_cast<long>(font.lfHeight),
                static_cast<long>(font.lfWeight), Utf8(font.lfFaceName).c_str());
}

}  // namespace

int main() {
    for (const NamedColor& c : kColors) {
        COLORREF rgb = GetSysColor(c.index);
        std::printf("%s %u %u %u\n", c.name, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    }

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        std::printf("error SPI_GETNONCLIENTMETRICS %lu\n", GetLastError());
        return 1;
    }
    PrintFont("CaptionFont", metrics.lfCaptionFont);
    PrintFont("SmCaptionFont", metrics.lfSmCaptionFont);
    PrintFont("MenuFont", metrics.lfMenuFont);
    std::printf("BorderWidth %d\n", metrics.iBorderWidth);
    std::printf("CaptionHeight %d\n", metrics.iCaptionHeight);
    std::printf("CaptionWidth %d\n", metrics.iCaptionWidth);
    std::printf("MenuHeight %d\n", metrics.iMenuHeight);
    std::printf("MenuWidth %d\n", metrics.iMenuWidth);
    std::printf("ScrollHeight %d\n", metrics.iScrollHeight);
    std::printf("ScrollWidth %d\n", metrics.iScrollWidth);
    std::printf("SmCaptionHeight %d\n", metrics.iSmCaptionHeight);
    std::printf("SmCaptionWidth %d\n", metrics.iSmCaptionWidth);
    std::printf("SM_CYCAPTION %d\n", GetSystemMetrics(SM_CYCAPTION));
    std::fflush(stdout);
    return 0;
}
