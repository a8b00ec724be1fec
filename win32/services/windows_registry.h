#pragma once

#include "ports/registry_store.h"

namespace quill::win32 {

// The settings store as the platform's registry, through its ANSI functions
// of advapi32. Handles it hands out are HKEYs; kHkeyCurrentUser stands for
// HKEY_CURRENT_USER.
class WindowsRegistry : public RegistryStore {
  public:
    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override;
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override;
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override;
    void CloseKey(KeyHandle key) override;
};

}  // namespace quill::win32
