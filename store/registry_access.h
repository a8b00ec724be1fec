#pragma once

#include <string>
#include <string_view>

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

// Reads and writes single named, typed values of the settings store. Nothing
// is kept between calls: each call opens its key, works and closes it on every
// path, errors included.
class RegistryAccess {
  public:
    RegistryAccess(RegistryStore& store, const AnsiCodec& codec) : store_(store), codec_(codec) {}
    RegistryAccess(const RegistryAccess&) = delete;
    RegistryAccess& operator=(const RegistryAccess&) = delete;
    ~RegistryAccess() = default;

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
    RegistryStore& store_;
    const AnsiCodec& codec_;
};

}  // namespace quill
