#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "appearance/app_error.h"
#include "ports/registry_store.h"
#include "ports/text_codec.h"
#include "store/variant.h"

namespace quill {

// The program's own error: a value type that the store operations do not handle.
inline constexpr std::int32_t kUnsupportedValueType = 1001;
inline constexpr const char* kUnsupportedValueTypeText = "Unsupported value type";

inline AppError UnsupportedValueType() {
    return AppError(kUnsupportedValueType, kUnsupportedValueTypeText,
                    ErrorKind::UnsupportedValueType);
}

// What a read found: the value, and whether its key could be opened at all.
// The caller decides how to tell the user about a key it could not open.
struct ReadResult {
    Variant value;
    bool keyOpened = true;
};

// A key that a read opened while keys are kept: how it was opened, and its handle.
struct KeptKey {
    KeyHandle parent;
    std::string subKey;
    std::uint32_t access;
    KeyHandle handle;
};

// Reads and writes single named, typed values of the settings store. Nothing
// is kept between calls: each call opens its key, works and closes it on every
// path, errors included; but while a KeepingKeys lives, reads leave open the
// keys they opened, and later reads of the same key use them again.
class RegistryAccess {
  public:
    RegistryAccess(RegistryStore& store, const AnsiCodec& codec) : store_(store), codec_(codec) {}
    RegistryAccess(const RegistryAccess&) = delete;
    RegistryAccess& operator=(const RegistryAccess&) = delete;
    ~RegistryAccess();

    // Several reads of one key open it once (under Wine each open and close is
    // a request to the Wine server). The keys are closed when the last
    // KeepingKeys goes. Writes open and close their keys as ever.
    class KeepingKeys {
      public:
        explicit KeepingKeys(RegistryAccess& access) : access_(access) { ++access_.keeping_; }
        ~KeepingKeys();
        KeepingKeys(const KeepingKeys&) = delete;
        KeepingKeys& operator=(const KeepingKeys&) = delete;

      private:
        RegistryAccess& access_;
    };

    // Reads ValueName below HKEY_CURRENT_USER\sKeyName. A key that cannot be
    // opened gives Empty (not the default); a value that does not exist gives
    // DefaultValue (Empty when it is Missing). Throws AppError 1001 for a
    // stored type it does not handle.
    ReadResult GetRegistryValue(std::u16string_view sKeyName, std::u16string_view ValueName,
                                const Variant& DefaultValue = Missing{});

    // Writes value below hKey\KeyName with a type chosen from its case:
    // integers as REG_DWORD, text as REG_SZ, byte arrays as REG_BINARY.
    // Returns whether the store accepted it. Throws AppError 1001 for any
    // other case, writing nothing.
    bool SetRegistryValue(KeyHandle hKey, std::u16string_view KeyName,
                          std::u16string_view ValueName, const Variant& value);

  private:
    void CloseKeptKeys() noexcept;

    RegistryStore& store_;
    const AnsiCodec& codec_;
    int keeping_ = 0;
    std::vector<KeptKey> kept_;  // in the order opened
};

}  // namespace quill
