#pragma once

// The real registry of the test prefix, for tests under Wine: seeding a key
// with exactly some values, and reading back everything it holds.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quill::testing {

inline constexpr const wchar_t* kColorsKey = L"Control Panel\\Colors";
inline constexpr const wchar_t* kMetricsKey = L"Control Panel\\Desktop\\WindowMetrics";

struct RegValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
    bool operator==(const RegValue&) const = default;
};
using KeyValues = std::map<std::wstring, RegValue>;  // by value name as stored

RegValue Sz(const std::string& text);  // REG_SZ with its terminator, as stored
RegValue Dword(DWORD value);
RegValue Binary(std::vector<std::uint8_t> bytes);

// Deletes the key with everything below it and writes exactly these values.
void SeedKey(const wchar_t* key, const KeyValues& values);
// Every value of the key; empty when there is no such key.
KeyValues Snapshot(const wchar_t* key);

}  // namespace quill::testing
