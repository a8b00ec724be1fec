#include "testing/wine_registry.h"

#include <stdexcept>

#include "win32/handles.h"

namespace quill::testing {

RegValue Sz(const std::string& text) {
    RegValue value{REG_SZ, {text.begin(), text.end()}};
    value.data.push_back(0);
    return value;
}

RegValue Dword(DWORD value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    return {REG_DWORD, {bytes, bytes + sizeof value}};
}

RegValue Binary(std::vector<std::uint8_t> bytes) {
    return {REG_BINARY, std::move(bytes)};
}

void SeedKey(const wchar_t* key, const KeyValues& values) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create a key");
    }
    const win32::UniqueHkey hkey(raw);
    for (const auto& [name, value] : values) {
        // The ANSI form, as the program writes: string data is in the code page.
        const std::string ansiName(name.begin(), name.end());
        if (::RegSetValueExA(hkey.get(), ansiName.c_str(), 0, value.type, value.data.data(),
                             static_cast<DWORD>(value.data.size())) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot seed " + ansiName);
        }
    }
}

KeyValues Snapshot(const wchar_t* key) {
    KeyValues values;
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &raw) != ERROR_SUCCESS) {
        return values;
    }
    const win32::UniqueHkey hkey(raw);
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD nameLength = sizeof name;
        RegValue value;
        value.data.resize(8192);
        auto dataLength = static_cast<DWORD>(value.data.size());
        if (::RegEnumValueA(hkey.get(), i, name, &nameLength, nullptr, &value.type,
                            value.data.data(), &dataLength) != ERROR_SUCCESS) {
            return values;
        }
        value.data.resize(dataLength);
        values[std::wstring(name, name + nameLength)] = std::move(value);
    }
}

}  // namespace quill::testing
