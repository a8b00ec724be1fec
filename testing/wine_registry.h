#pragma once

// The test prefix's real registry: keys seeded exactly and read back, in the program's ANSI forms.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "win32/services/handles.h"

namespace quill::testing {

inline constexpr const wchar_t* kColorsKey = L"Control Panel\\Colors";
inline constexpr const wchar_t* kMetricsKey = L"Control Panel\\Desktop\\WindowMetrics";

struct RegValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
    bool operator==(const RegValue&) const = default;
};
using KeyValues = std::map<std::wstring, RegValue>;  // by value name

inline RegValue Sz(const std::string& text) {  // with its terminator, as stored
    return {REG_SZ, std::vector<std::uint8_t>(text.c_str(), text.c_str() + text.size() + 1)};
}
inline RegValue Sz(COLORREF colour) {  // as colour text
    return Sz(std::to_string(GetRValue(colour)) + " " + std::to_string(GetGValue(colour)) + " " +
              std::to_string(GetBValue(colour)));
}
inline RegValue Binary(std::vector<std::uint8_t> bytes) {
    return {REG_BINARY, std::move(bytes)};
}

// Deletes the key and writes exactly these values into it.
inline void SeedKey(const wchar_t* key, const KeyValues& values) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
    HKEY made = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &made, nullptr);
    const win32::UniqueHkey owned(made);
    for (const auto& [name, value] : values) {
        const std::string ansiName(name.begin(), name.end());
        ::RegSetValueExA(made, ansiName.c_str(), 0, value.type, value.data.data(),
                         static_cast<DWORD>(value.data.size()));
    }
}

// Every value of the key; none when there is no such key.
inline KeyValues Snapshot(const wchar_t* key) {
    KeyValues values;
    HKEY raw = nullptr;
    ::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &raw);
    const win32::UniqueHkey opened(raw);
    char name[256] = {};
    std::vector<std::uint8_t> data(8192);
    DWORD nameLength = sizeof name, type = 0, length = static_cast<DWORD>(data.size());
    for (DWORD i = 0; ::RegEnumValueA(opened.get(), i, name, &nameLength, nullptr, &type,
                                      data.data(), &length) == 0;
         ++i, nameLength = sizeof name, length = static_cast<DWORD>(data.size())) {
        values[std::wstring(name, name + nameLength)] = {type,
                                                         {data.begin(), data.begin() + length}};
    }
    return values;
}

}  // namespace quill::testing
