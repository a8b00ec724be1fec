#include "win32/services/string_resources.h"

#include "win32/services/wide_text.h"
#include "win32/services/windows_error.h"

namespace quill::win32 {

std::u16string LoadText(TextId id) {
    if (id == TextId::None) {
        return {};
    }
    // With no buffer the loader hands out the resource's own characters,
    // which are not terminated: their count says where the text ends.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                     reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || text == nullptr) {
        throw WindowsError(ERROR_RESOURCE_NAME_NOT_FOUND, "LoadStringW");
    }
    std::u16string loaded(text, text + length);
    // A text whose English is another's carries its context for the
    // catalogues ("#msgctxt#spoken name#..."), which the resource compiler
    // leaves in the English resources only.
    constexpr std::u16string_view kContext = u"#msgctxt#";
    if (loaded.starts_with(kContext)) {
        loaded.erase(0, loaded.find(u'#', kContext.size()) + 1);
    }
    return loaded;
}

namespace {

// Whether the string resources hold the language (the loader takes its
// country's, its neutral or its default form).
bool Carries(LANGID language) {
    const LANGID primary = PRIMARYLANGID(language);
    const LANGID forms[] = {language, static_cast<LANGID>(MAKELANGID(primary, SUBLANG_NEUTRAL)),
                            static_cast<LANGID>(MAKELANGID(primary, SUBLANG_DEFAULT))};
    for (const LANGID form : forms) {
        if (::FindResourceExW(nullptr, RT_STRING, MAKEINTRESOURCEW(1), form) != nullptr) {
            return true;
        }
    }
    return false;
}

BYTE CharsetOf(LANGID language) {
    if (TextLanguage() == LANG_ENGLISH) {
        return DEFAULT_CHARSET;
    }
    DWORD codePage = 0;
    CHARSETINFO info{};
    if (::GetLocaleInfoW(
            MAKELCID(language, SORT_DEFAULT), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
            reinterpret_cast<wchar_t*>(&codePage), sizeof codePage / sizeof(wchar_t)) == 0 ||
        !::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<DWORD_PTR>(codePage)), &info,
                                TCI_SRCCODEPAGE)) {
        return DEFAULT_CHARSET;
    }
    return static_cast<BYTE>(info.ciCharset);
}

}  // namespace

BYTE TextCharset() {
    static const BYTE charset = CharsetOf(::GetUserDefaultUILanguage());
    return charset;
}

LANGID TextLanguage() {
    static const LANGID language = [] {
        const LANGID user = ::GetUserDefaultUILanguage();
        return Carries(user) ? PRIMARYLANGID(user) : static_cast<LANGID>(LANG_ENGLISH);
    }();
    return language;
}

}  // namespace quill::win32
