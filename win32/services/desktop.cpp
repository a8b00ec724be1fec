#include "win32/services/desktop.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "win32/services/handles.h"
#include "win32/services/wide_text.h"

namespace quill::win32 {
namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    const std::wstring_view face(font->lfFaceName);
    if (!face.starts_with(L'@')) {
        reinterpret_cast<std::vector<std::u16string>*>(faces)->push_back(FromWide(face));
    }
    return TRUE;  // go on
}

// Two face names as the platform compares names: ignoring case.
int Compare(const std::u16string& a, const std::u16string& b) {
    const std::wstring wa = ToWide(a), wb = ToWide(b);
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(),
                            static_cast<int>(wa.size()), wb.data(), static_cast<int>(wb.size()));
}

}  // namespace

std::vector<std::u16string> ListScreenFonts() {
    std::vector<std::u16string> faces;
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    // A memory DC made for the screen has the screen's fonts, and asks the
    // Wine server for nothing, unlike the screen's own DC.
    const UniqueMemoryDc screen(::CreateCompatibleDC(nullptr));
    ::EnumFontFamiliesExW(screen.get(), &any, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    // A face comes once for each character set it has: the copies go first,
    // cheaply, so the platform's comparison sorts each face once.
    std::sort(faces.begin(), faces.end());
    faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
    std::sort(faces.begin(), faces.end(),
              [](const auto& a, const auto& b) { return Compare(a, b) == CSTR_LESS_THAN; });
    faces.erase(
        std::unique(faces.begin(), faces.end(),
                    [](const auto& a, const auto& b) { return Compare(a, b) == CSTR_EQUAL; }),
        faces.end());
    return faces;
}

const std::vector<std::u16string>& WindowsDesktop::Faces() const {
    if (!faces_) {
        faces_ = ListScreenFonts();
    }
    return *faces_;
}

int WindowsDesktop::FontCount() const {
    return static_cast<int>(Faces().size());
}

std::u16string WindowsDesktop::FontName(int index) const {
    return Faces().at(static_cast<std::size_t>(index));
}

Color WindowsDesktop::SysColor(int index) const {
    return static_cast<Color>(::GetSysColor(index) & 0x00FFFFFF);
}

FontRecord WindowsDesktop::CurrentFontRecord(FontRole role) const {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    // Should the query fail, the record is all zeros: a font with no face.
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    const LOGFONTW& font = role == FontRole::Caption ? metrics.lfCaptionFont : metrics.lfMenuFont;
    static_assert(sizeof(LOGFONTW) == kFontRecordSize);
    FontRecord record(kFontRecordSize);
    std::memcpy(record.data(), &font, kFontRecordSize);
    return record;
}

}  // namespace quill::win32
