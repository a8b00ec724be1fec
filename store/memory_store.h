#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/registry_store.h"
#include "store/variant.h"

namespace quill {

// The right to write values through a key handle (part of KEY_WRITE).
inline constexpr std::uint32_t kKeySetValue = 0x00000002;
inline constexpr std::int32_t kErrorInvalidHandle = 6;

// An in-memory settings store with the platform registry's behaviour: key
// paths and value names compare case-insensitively (ASCII letters), keys
// nest, an empty sub-key reopens the same key, access rights are checked per
// handle, string values get their terminator counted when the byte after
// the data is NUL, and a short buffer gives 234. Only HKEY_CURRENT_USER is
// modelled. Tests seed and inspect it directly and inject faults.
class MemoryStore final : public RegistryStore {
  public:
    struct StoredValue {
        std::uint32_t type = kRegNone;
        ByteArray data;
        bool operator==(const StoredValue&) const = default;
    };

    // One SetValue call as it arrived: the bytes passed (exactly `length` of
    // them) and the status returned.
    struct SetValueCall {
        std::string keyPath;  // empty for an unknown handle
        std::string valueName;
        std::uint32_t type = kRegNone;
        ByteArray data;
        std::int32_t status = kErrorSuccess;
    };

    MemoryStore();
    ~MemoryStore() override;
    MemoryStore(const MemoryStore&) = delete;
    MemoryStore& operator=(const MemoryStore&) = delete;

    // RegistryStore
    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override;
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override;
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override;
    void CloseKey(KeyHandle key) override;

    // Seeding and inspection; paths are below HKEY_CURRENT_USER and missing
    // keys on the way are created.
    void CreateKey(std::string_view path);
    bool HasKey(std::string_view path) const;
    void Put(std::string_view path, std::string_view name, std::uint32_t type, ByteArray data);
    // A REG_SZ value stored as the platform stores text: with its terminator.
    void PutString(std::string_view path, std::string_view name, std::string_view text);
    std::optional<StoredValue> Get(std::string_view path, std::string_view name) const;
    bool Has(std::string_view path, std::string_view name) const;
    void Remove(std::string_view path, std::string_view name);

    // Fault injection.
    // Opening the key at `path` with access that shares a bit with `rights`
    // fails with 5 (kKeyRead: unreadable, kKeySetValue: unwritable).
    void DenyOpen(std::string_view path, std::uint32_t rights);
    // The n-th SetValue call from now on (1 = the next) fails with `status`.
    void FailNthSetValue(int n, std::int32_t status = kErrorAccessDenied);
    // Every write of a value of this name, below any key, fails with `status`.
    void FailWritesTo(std::string_view name, std::int32_t status = kErrorAccessDenied);

    // Observation.
    std::size_t OpenHandleCount() const { return handles_.size(); }
    // Closes of a handle that was not open (double closes, stray handles).
    int BadCloseCount() const { return badCloses_; }
    const std::vector<SetValueCall>& SetValueLog() const { return setLog_; }
    void ClearSetValueLog() { setLog_.clear(); }

  private:
    struct Key;
    struct OpenHandle {
        Key* key;
        std::uint32_t access;
    };

    Key* Find(Key* from, std::string_view subPath) const;
    Key* FindOrCreate(std::string_view path);
    Key* KeyOf(KeyHandle handle, std::uint32_t* access) const;
    std::int32_t InjectedSetFailure(std::string_view valueName);

    std::unique_ptr<Key> root_;
    std::map<KeyHandle, OpenHandle> handles_;
    KeyHandle nextHandle_ = 0x1000;
    int badCloses_ = 0;
    std::vector<SetValueCall> setLog_;
    int setCallsUntilFailure_ = 0;  // 0: none armed
    std::int32_t nthFailureStatus_ = kErrorSuccess;
    std::vector<std::pair<std::string, std::int32_t>> failingNames_;
};

}  // namespace quill
