#include "testing/wine_registry.h"

#include "win32/handles.h"

namespace quill::testing {

void SeedKey(const wchar_t* key, const KeyValues& values) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
    HKEY raw = nullptr;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &raw, nullptr);
    const win32::UniqueHkey created(raw);
    for (const auto& [name, value] : values) {
        const std::string ansiName(name.begin(), name.end());
        ::RegSetValueExA(created.get(), ansiName.c_str(), 0, value.type, value.data.data(),
                         static_cast<DWORD>(value.data.size()));
    }
}

KeyValues Snapshot(const wchar_t* key) {
    KeyValues values;
    HKEY raw = nullptr;
    ::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &raw);
    const win32::UniqueHkey opened(raw);
    char name[256] = {};
    DWORD nameLength = sizeof name;
    RegValue value{REG_NONE, std::vector<std::uint8_t>(8192)};
    auto length = static_cast<DWORD>(value.data.size());
    for (DWORD i = 0; ::RegEnumValueA(opened.get(), i, name, &nameLength, nullptr, &value.type,
                                      value.data.data(), &length) == ERROR_SUCCESS;
         ++i) {
        values[std::wstring(name, name + nameLength)] = {
            value.type, std::vector<std::uint8_t>(value.data.begin(), value.data.begin() + length)};
        nameLength = sizeof name;
        length = static_cast<DWORD>(value.data.size());
    }
    return values;
}

}  // namespace quill::testing
