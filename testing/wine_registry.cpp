#include "testing/wine_registry.h"

#include "win32/handles.h"

namespace quill::testing {

KeyValues Snapshot(const wchar_t* key) {
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
