#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "ports/registry_store.h"
#include "store/variant.h"

namespace quill::testing {

// The right to write values through a key handle (part of KEY_WRITE), and a
// right of KEY_READ that KEY_QUERY_VALUE lacks.
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;

// An in-memory settings store that behaves as the registry does where the
// program relies on it: key paths and value names ignore the case of ASCII
// letters, an empty sub-key reopens the same key, rights are checked per
// handle, a string's terminator is counted when a NUL follows its data, a
// short buffer gives 234, and a missing value gives status 2 with type 0.
// Only HKEY_CURRENT_USER is modelled. Tests seed and inspect it directly.
class MemoryStore final : public RegistryStore {
  public:
    struct StoredValue {
        std::uint32_t type = kRegNone;
        ByteArray data;
        bool operator==(const StoredValue&) const = default;
    };

    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override;
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override;
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override;
    void CloseKey(KeyHandle key) override;

    // Seeding and inspection, below HKEY_CURRENT_USER; keys on the way are made.
    void CreateKey(std::string_view path);
    void Put(std::string_view path, std::string_view name, std::uint32_t type, ByteArray data);
    std::optional<StoredValue> Get(std::string_view path, std::string_view name) const;
    void Remove(std::string_view path, std::string_view name);
    // Opening the key with access that shares a bit with `rights` fails with 5.
    void DenyOpen(std::string_view path, std::uint32_t rights);

    std::size_t OpenHandleCount() const { return handles_.size(); }
    // Closes of a handle that was not open (double closes, stray handles).
    int BadCloseCount() const { return badCloses_; }

  private:
    struct Key {
        std::map<std::string, StoredValue> values;  // by folded name
        std::uint32_t deniedRights = 0;
    };
    struct Handle {
        std::string path;  // folded
        std::uint32_t access;
    };
    const Handle* Find(KeyHandle key) const;

    std::map<std::string, Key> keys_{{"", {}}};  // by folded path; "" is the root
    std::map<KeyHandle, Handle> handles_;
    KeyHandle nextHandle_ = 0x1000;
    int badCloses_ = 0;
};

}  // namespace quill::testing
