#include "win32/services/windows_registry.h"

#include <windows.h>

#include <string>

namespace quill::win32 {
namespace {

HKEY ToHkey(KeyHandle key) {
    // The predefined root is spelt out: on a 64-bit build HKEY_CURRENT_USER is
    // sign-extended and differs from the 32-bit constant.
    if (key == kHkeyCurrentUser) {
        return HKEY_CURRENT_USER;
    }
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

std::int32_t WindowsRegistry::OpenKey(KeyHandle parent, std::string_view subKey,
                                      std::uint32_t access, KeyHandle& result) {
    const std::string path(subKey);  // the API wants a terminated string
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(ToHkey(parent), path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) {
        result = reinterpret_cast<KeyHandle>(opened);
    }
    return status;
}

std::int32_t WindowsRegistry::QueryValue(KeyHandle key, std::string_view valueName,
                                         std::uint32_t& type, std::uint8_t* data,
                                         std::uint32_t& length) {
    const std::string name(valueName);
    DWORD storedType = type;
    DWORD size = length;
    const LONG status =
        ::RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &storedType, data, &size);
    type = storedType;
    length = size;
    return status;
}

std::int32_t WindowsRegistry::SetValue(KeyHandle key, std::string_view valueName,
                                       std::uint32_t type, const std::uint8_t* data,
                                       std::uint32_t length) {
    const std::string name(valueName);
    return ::RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, length);
}

void WindowsRegistry::CloseKey(KeyHandle key) {
    ::RegCloseKey(ToHkey(key));
}

}  // namespace quill::win32
