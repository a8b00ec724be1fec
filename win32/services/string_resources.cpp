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

struct TableSearch {
    const wchar_t* text;  // a text the loader handed out
    LANGID language;      // that of the table holding it
};

BOOL CALLBACK FindHoldingTable(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language,
                               LONG_PTR into) {
    auto& search = *reinterpret_cast<TableSearch*>(into);
    const HRSRC found = ::FindResourceExW(module, type, name, language);
    const auto* start = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    const auto* text = reinterpret_cast<const BYTE*>(search.text);
    if (start != nullptr && text >= start && text < start + ::SizeofResource(module, found)) {
        search.language = language;
        return FALSE;
    }
    return TRUE;
}

// The language of the string table the loader takes for the user from
// `module`: the one holding the text it hands out. Asked so, a locale
// without a language id of its own (Catalan of Andorra, say) still finds its
// language's texts' layout, and every rule of the loader's choice stays the
// loader's.
LANGID LoadedLanguage(HMODULE module) {
    TableSearch search{nullptr, MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT)};
    if (::LoadStringW(module, 1, reinterpret_cast<wchar_t*>(&search.text), 0) > 0) {
        ::EnumResourceLanguagesW(module, RT_STRING, MAKEINTRESOURCEW(1), FindHoldingTable,
                                 reinterpret_cast<LONG_PTR>(&search));
    }
    return search.language;
}

// The locale of a table's language: a table for the whole language
// (SUBLANG_NEUTRAL) stands for its default form.
LCID LocaleOf(LANGID table) {
    const WORD form = SUBLANGID(table) != SUBLANG_NEUTRAL ? SUBLANGID(table) : SUBLANG_DEFAULT;
    return MAKELCID(MAKELANGID(PRIMARYLANGID(table), form), SORT_DEFAULT);
}

LCID TextsLocale() {
    return LocaleOf(LoadedLanguage(::GetModuleHandleW(nullptr)));
}

}  // namespace

BYTE TextCharsetOf(HMODULE module) {
    const LANGID table = LoadedLanguage(module);
    if (PRIMARYLANGID(table) == LANG_ENGLISH) {
        return DEFAULT_CHARSET;
    }
    DWORD codePage = 0;
    CHARSETINFO info{};
    if (::GetLocaleInfoW(LocaleOf(table), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<wchar_t*>(&codePage),
                         sizeof codePage / sizeof(wchar_t)) == 0 ||
        !::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<DWORD_PTR>(codePage)), &info,
                                TCI_SRCCODEPAGE)) {
        return DEFAULT_CHARSET;
    }
    return static_cast<BYTE>(info.ciCharset);
}

BYTE TextCharset() {
    static const BYTE charset = TextCharsetOf(::GetModuleHandleW(nullptr));
    return charset;
}

LANGID TextLanguage() {
    static const LANGID language = PRIMARYLANGID(LoadedLanguage(::GetModuleHandleW(nullptr)));
    return language;
}

bool TextsReadRightToLeft() {
    static const bool rightToLeft = [] {
        DWORD layout = 0;  // 0 left to right, 1 right to left, 2 and 3 vertical
        return ::GetLocaleInfoW(TextsLocale(), LOCALE_IREADINGLAYOUT | LOCALE_RETURN_NUMBER,
                                reinterpret_cast<wchar_t*>(&layout),
                                sizeof layout / sizeof(wchar_t)) != 0 &&
               layout == 1;
    }();
    return rightToLeft;
}

}  // namespace quill::win32
