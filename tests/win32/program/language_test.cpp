// The window in the language of the process's locale: run once per language,
// with LANG set and QUILL_EXPECTED_LANGUAGE naming the catalogue expected
// ("en" where the program has none of the locale's language).

#include <algorithm>

#include "store/registry_access.h"
#include "tests/editor/editor_fixture.h"
#include "tests/win32/program/expected_language.h"
#include "win32/services/error_boundary.h"
#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;
using win32::LoadText;

// The program's texts in English, exactly.
// clang-format off
const std::pair<TextId, std::u16string> kEnglish[] = {
    {TextId::FormCaption, u"Registry editor for Quillmar"}, {TextId::Bold, u"Bold"},
    {TextId::Point8, u"8 Point"}, {TextId::Point9, u"9 Point"}, {TextId::Point10, u"10 Point"},
    {TextId::ActiveTitlebarTextColor, u"Active titlebar text color"},
    {TextId::InactiveTitlebarTextColor, u"Inactive titlebar text color"},
    {TextId::MenuHighlightColor, u"Menu highlight color"},
    {TextId::MenuBackgroundColor, u"Menu background color"},
    {TextId::MenuTextColor, u"Menu text color"}, {TextId::MenuBarItems, u"  Menu          Menu"},
    {TextId::MenuItem, u"Menu"}, {TextId::Apply, u"Apply"}, {TextId::Cancel, u"Cancel"},
    {TextId::XpDefault, u"XP Default"},
    {TextId::ApplyHint, u"Click Apply to finish your settings.  These settings are reflected after reboot or sign out/in. "},
    {TextId::ActivePreviewCaption, u" Active titlebar"},
    {TextId::InactivePreviewCaption, u" Inactive titlebar"}, {TextId::Applied, u"Yes!"},
    {TextId::ApplyFailed, u"Failed!"}, {TextId::OpenKeyError, u"ERROR in Open RegKey"},
    {TextId::ErrorMessage, u"Error %1: %2"}, {TextId::UnsupportedValueType, u"Unsupported value type"},
    {TextId::TitlebarFont, u"Titlebar font"}, {TextId::ActiveTitlebarColor, u"Active titlebar color"},
    {TextId::ActiveTitlebarPreview, u"Active titlebar preview"},
    {TextId::ActiveTitlebarGradientColor, u"Active titlebar gradient end color"},
    {TextId::InactiveTitlebarColor, u"Inactive titlebar color"},
    {TextId::InactiveTitlebarPreview, u"Inactive titlebar preview"},
    {TextId::InactiveTitlebarGradientColor, u"Inactive titlebar gradient end color"},
    {TextId::MenuFont, u"Menu font"}, {TextId::MenuBarColor, u"Menu bar color"},
    {TextId::ActiveTitlebarTextColorName, u"Active titlebar text color"},
    {TextId::InactiveTitlebarTextColorName, u"Inactive titlebar text color"},
    {TextId::MenuHighlightColorName, u"Menu highlight color"},
    {TextId::MenuBackgroundColorName, u"Menu background color"},
    {TextId::MenuTextColorName, u"Menu text color"},
};
// clang-format on

// The languages the program's string resources are in.
BOOL CALLBACK NoteLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR into) {
    reinterpret_cast<std::vector<LANGID>*>(into)->push_back(language);
    return TRUE;
}
std::vector<LANGID> ResourceLanguages() {
    std::vector<LANGID> found;
    ::EnumResourceLanguagesW(nullptr, RT_STRING, MAKEINTRESOURCEW(1), NoteLanguage,
                             reinterpret_cast<LONG_PTR>(&found));
    return found;
}

// The resources' language for a catalogue's tag ("de", "pt-BR"): the same
// language, and the same country where the tag names one; 0 if none.
LANGID ResourceLanguageFor(const std::wstring& tag) {
    std::wstring name = tag;
    std::replace(name.begin(), name.end(), L'_', L'-');
    const LANGID wanted = LANGIDFROMLCID(::LocaleNameToLCID(name.c_str(), 0));
    for (const LANGID language : ResourceLanguages()) {
        if (PRIMARYLANGID(language) == PRIMARYLANGID(wanted) &&
            (name.find(L'-') == std::wstring::npos || SUBLANGID(language) == SUBLANGID(wanted))) {
            return language;
        }
    }
    return 0;
}

// A text as the resources hold it in one language, whatever the process's.
std::u16string TextIn(LANGID language, TextId id) {
    const auto number = static_cast<unsigned>(id);
    const HRSRC found =
        ::FindResourceExW(nullptr, RT_STRING, MAKEINTRESOURCEW(number / 16 + 1), language);
    if (found == nullptr) {
        return u"(none)";
    }
    auto text = static_cast<const char16_t*>(::LockResource(::LoadResource(nullptr, found)));
    for (unsigned i = 0; i < number % 16; ++i) {
        text += 1 + *text;  // each text follows its length
    }
    return {text + 1, text + 1 + *text};
}

TEST(Language, TheTextsAreTheLocalesLanguageOrEnglish) {
    ASSERT_EQ(ResourceLanguages().size(), 1u + QUILL_TRANSLATIONS);  // English and po/LINGUAS
    const std::wstring tag = ExpectedLanguage();
    if (tag == L"en") {
        for (const auto& [id, english] : kEnglish) {
            EXPECT_EQ(LoadText(id), english) << int(id);
        }
        return;
    }
    const LANGID language = ResourceLanguageFor(tag);
    ASSERT_NE(language, 0);
    for (const auto& [id, english] : kEnglish) {
        EXPECT_EQ(LoadText(id), TextIn(language, id)) << int(id);
    }
    // Translated, not English: the texts that every language words differently.
    for (const TextId id : {TextId::FormCaption, TextId::Apply, TextId::Cancel, TextId::Applied}) {
        EXPECT_NE(LoadText(id), kEnglish[static_cast<int>(id) - 1].second) << int(id);
    }
}

// Every control shows its text in the language of the texts, the opened menu's two items too.
TEST_F(EditorTest, TheWindowShowsItsTextsInTheUsersLanguage) {
    Start();
    EXPECT_EQ(win32::WindowText(toolkit_.Handle()), LoadText(TextId::FormCaption));
    for (const win32::ControlDesign& design : win32::kFormControls) {
        const std::u16string expected =
            design.name == "Label7"
                ? LoadText(TextId::MenuItem) + u"\r\n" + LoadText(TextId::MenuItem)
                : LoadText(design.caption);
        if (design.kind != win32::ControlKind::ComboBox) {
            EXPECT_EQ(win32::WindowText(Hwnd(design.name)), expected) << design.name;
        }
    }
    // A key that cannot be opened: the message and its title, in that language and its reading.
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kColorsKey);
    if (form_) {
        form_->GetRegistryValue(u"Control Panel\\Colors", u"Menu");
    }
    ASSERT_FALSE(dialogs_.Answered().empty());
    const auto& box = dialogs_.Answered().back();
    EXPECT_EQ(std::tuple(box.title, box.text, box.rightToLeft),
              std::tuple(win32::ToWide(LoadText(TextId::FormCaption)),
                         win32::ToWide(LoadText(TextId::OpenKeyError)), ReadFromTheRight()));
}

TEST(Language, AnErrorIsFramedInTheUsersLanguage) {
    // The frame is the language's own, from its resources (English where none); the program's own
    // error in the user's words, a system description (one holding a placeholder, too) as given.
    const std::wstring tag = ExpectedLanguage();
    const LANGID language = tag == L"en" ? 0 : ResourceLanguageFor(tag);
    auto text = [&](TextId id) {
        return language != 0 ? TextIn(language, id) : kEnglish[static_cast<int>(id) - 1].second;
    };
    auto framed = [&](const std::u16string& number, const std::u16string& said) {
        std::u16string frame = text(TextId::ErrorMessage);
        frame.replace(frame.find(u"%1"), 2, number);
        return frame.replace(frame.find(u"%2"), 2, said);
    };
    EXPECT_EQ(win32::ErrorMessageText(UnsupportedValueType()),
              framed(u"1001", text(TextId::UnsupportedValueType)));
    EXPECT_EQ(win32::ErrorMessageText(AppError(5, "CreateWindowExW: %1")),
              framed(u"5", u"CreateWindowExW: %1"));
}

}  // namespace
}  // namespace quill::testing
