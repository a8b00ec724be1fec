#pragma once

// The real registry of the test prefix, for tests under Wine: a key seeded
// with exactly some values, and everything a key holds read back. Values are
// written and read in their ANSI forms, as the program writes them.

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
using KeyValues = std::map<std::wstring, RegValue>;  // by value name

inline RegValue Sz(const std::string& text) {  // with its terminator, as stored
    return {REG_SZ, std::vector<std::uint8_t>(text.c_str(), text.c_str() + text.size() + 1)};
}
inline RegValue Binary(std::vector<std::uint8_t> bytes) {
    return {REG_BINARY, std::move(bytes)};
}

// Deletes the key with everything below it and writes exactly these values.
void SeedKey(const wchar_t* key, const KeyValues& values);
// Every value of the key; empty when there is no such key.
KeyValues Snapshot(const wchar_t* key);

}  // namespace quill::testing
