#pragma once

#include <map>
#include <optional>
#include <string>

#include "ports/registry_store.h"
#include "store/variant.h"

namespace quill::testing {

// A right of KEY_WRITE and one of KEY_READ that KEY_QUERY_VALUE lacks.
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;

// An in-memory settings store that behaves as the registry does where the
// program relies on it (the store contract shows Wine's registry does the
// same): names ignore the case of ASCII letters, an empty sub-key reopens
// the same key, rights are checked per handle, a string's terminator is
// counted when a NUL follows its data, a short buffer gives 234, a missing
// value gives 2 and type 0. Only HKEY_CURRENT_USER is modelled.
class MemoryStore final : public RegistryStore {
  public:
    struct Value {
        std::uint32_t type;
        ByteArray data;
    };

    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override;
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override;
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override;
    void CloseKey(KeyHandle key) override;

    // Seeding, below HKEY_CURRENT_USER. A key opened with access that shares
    // a bit with its denied rights fails with 5.
    void CreateKey(std::string_view path, std::uint32_t deniedRights = 0);
    void Put(std::string_view path, std::string_view name, std::uint32_t type, ByteArray data);

    std::size_t OpenHandleCount() const { return handles_.size(); }
    int BadCloseCount() const { return badCloses_; }  // closes of a handle not open

  private:
    struct Key {
        std::map<std::string, Value> values;  // by folded name
        std::uint32_t deniedRights = 0;
    };
    struct Handle {
        std::string path;  // folded
        std::uint32_t access;
    };
    std::optional<Handle> Find(KeyHandle key) const;

    std::map<std::string, Key> keys_{{"", {}}};  // by folded path; "" is the root
    std::map<KeyHandle, Handle> handles_;
    KeyHandle nextHandle_ = 0x1000;
    int badCloses_ = 0;
};

}  // namespace quill::testing
