#pragma once

// The language a run of the language tests expects, from QUILL_EXPECTED_LANGUAGE: a catalogue's
// tag ("de", "pt_BR"), or "en" where the program has none of the locale's language.

#include <cstdlib>
#include <string>

namespace quill::testing {

inline std::wstring ExpectedLanguage() {
    const char* tag = std::getenv("QUILL_EXPECTED_LANGUAGE");
    const std::string name = tag != nullptr ? tag : "en";
    return {name.begin(), name.end()};
}

// Whether it is read from right to left.
inline bool ReadFromTheRight() {
    const std::wstring language = ExpectedLanguage();
    return language == L"ar" || language == L"fa" || language == L"he";
}

}  // namespace quill::testing
