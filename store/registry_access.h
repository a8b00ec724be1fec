#pragma once

#include <string_view>

#include "store/message_box.h"
#include "store/registry_store.h"
#include "store/text_codec.h"
#include "store/variant.h"

namespace quill {

inline constexpr std::u16string_view kOpenKeyErrorText = u"ERROR in Open RegKey";

// Reads and writes single named, typed values of the settings store. Nothing
// is kept between calls: each call opens its key, works and closes it on every
// path, errors included.
class RegistryAccess {
  public:
    RegistryAccess(RegistryStore& store, const AnsiCodec& codec, MessageBoxPort& messages)
        : store_(store), codec_(codec), messages_(messages) {}

    // Reads ValueName below HKEY_CURRENT_USER\sKeyName. A key that cannot be
    // opened shows "ERROR in Open RegKey" and gives Empty; a value that does
    // not exist gives DefaultValue (Empty when it is Missing). Throws
    // AppError 1001 for a stored type it does not handle.
    Variant GetRegistryValue(std::u16string_view sKeyName, std::u16string_view ValueName,
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
    MessageBoxPort& messages_;
};

}  // namespace quill
