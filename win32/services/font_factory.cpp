#include "win32/services/font_factory.h"

#include <strsafe.h>

#include <utility>

#include "win32/profiling/startup_profile.h"
#include "win32/services/dpi.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"
#include "win32/services/windows_error.h"

namespace quill::win32 {
namespace {

// Faces of the design and their stand-ins where the originals are missing.
constexpr std::pair<std::u16string_view, std::u16string_view> kReplacements[] = {
    {u"Arial Narrow", u"Liberation Sans Narrow"},
    {u"Arial", u"Liberation Sans"},
    {u"ＭＳ Ｐゴシック", u"IPAPGothic"},
};
// Where the texts are Japanese, they are drawn in this face wherever they
// would be in IPAPGothic, which asks through its gasp table for no smoothing
// at the labels' sizes, where its hinting drops strokes, or in a face with
// no Japanese, where the font mapper would choose: VL PGothic draws every
// stroke, smoothed.
constexpr std::u16string_view kJapaneseTextFace = u"VL PGothic";

int CALLBACK StopAtFirstFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Whether an installed face has the character set's glyphs (DEFAULT_CHARSET:
// any).
bool HasFace(const std::u16string& face, BYTE charset) {
    LOGFONTW query{};
    query.lfCharSet = charset;
    // A name that is empty or does not fit the field is no installed face.
    const std::wstring wide = ToWide(face);
    if (wide.empty() || FAILED(::StringCchCopyW(query.lfFaceName, LF_FACESIZE, wide.c_str()))) {
        return false;
    }
    bool found = false;
    // A memory DC made for the screen has the screen's fonts, and asks the
    // Wine server for nothing, unlike the screen's own DC.
    const UniqueMemoryDc screen(::CreateCompatibleDC(nullptr));
    ::EnumFontFamiliesExW(screen.get(), &query, StopAtFirstFace, reinterpret_cast<LPARAM>(&found),
                          0);
    return found;
}

}  // namespace

bool IsFaceInstalled(const std::u16string& face) {
    return HasFace(face, DEFAULT_CHARSET);
}

const std::u16string& FontFactory::InstalledFace(const std::u16string& face) {
    auto known = resolved_.find(face);
    if (known != resolved_.end()) {
        return known->second;
    }
    std::u16string use = face;
    if (!IsFaceInstalled(face)) {
        for (const auto& [original, replacement] : kReplacements) {
            if (face == original && IsFaceInstalled(std::u16string(replacement))) {
                use = replacement;
            }
        }
    }
    return resolved_.emplace(face, std::move(use)).first->second;
}

const std::u16string& FontFactory::JapaneseTextFace(const std::u16string& installed) {
    auto known = japanese_.find(installed);
    if (known != japanese_.end()) {
        return known->second;
    }
    const std::u16string textFace(kJapaneseTextFace);
    const bool replaced = (installed == u"IPAPGothic" || !HasFace(installed, SHIFTJIS_CHARSET)) &&
                          IsFaceInstalled(textFace);
    return japanese_.emplace(installed, replaced ? textFace : installed).first->second;
}

UniqueHfont FontFactory::Create(const FontSpec& wanted, int dpi) {
    const StartupCost cost(StartupWork::FontsMade);
    LOGFONTW font{};
    font.lfHeight = FontHeight(wanted.points, dpi);
    font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = wanted.charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::u16string& installed = InstalledFace(wanted.face);
    const std::wstring face =
        ToWide(wanted.charset == SHIFTJIS_CHARSET && TextCharset() == SHIFTJIS_CHARSET
                   ? JapaneseTextFace(installed)
                   : installed);
    // Cut to the field, terminator included: a name too long for it is no
    // installed face anyway, and the font mapper takes what fits.
    static_cast<void>(::StringCchCopyW(font.lfFaceName, LF_FACESIZE, face.c_str()));
    UniqueHfont made(::CreateFontIndirectW(&font));
    if (!made) {
        ThrowLastError("CreateFontIndirectW");
    }
    return made;
}

}  // namespace quill::win32
