#pragma once

#include <cstdint>
#include <string_view>

namespace quill {

// A key handle of the settings store. Root keys are predefined handles.
using KeyHandle = std::uintptr_t;

inline constexpr KeyHandle kHkeyCurrentUser = 0x80000001u;

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x00000001;
inline constexpr std::uint32_t kKeyRead = 0x00020019;
inline constexpr std::uint32_t kKeyWrite = 0x00020006;

// Stored value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// Status codes.
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorMoreData = 234;

// The four store operations, with the semantics of the platform's ANSI
// registry functions (RegOpenKeyExA, RegQueryValueExA, RegSetValueExA,
// RegCloseKey). Key paths, value names and string data are 8-bit text in the
// system's ANSI code page.
//
// - OpenKey: an empty sub-key path opens `parent` itself once more. On
//   success `result` holds a new handle that the caller must close.
// - QueryValue: `length` holds the buffer size on entry. On success it holds
//   the number of data bytes, and `type` the stored type; string data comes
//   with its terminator (one NUL for types 1 and 2, two for type 7). When the
//   buffer is too small the status is 234 and `length` holds the size needed.
//   For a missing value the status is 2 and `type` is set to 0 (REG_NONE).
// - SetValue: for string types, a length that leaves out the terminator is
//   extended by one when the byte right after the data is NUL, as the
//   platform does.
class RegistryStore {
  public:
    virtual ~RegistryStore() = default;

    virtual std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                                 KeyHandle& result) = 0;
    virtual std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                                    std::uint8_t* data, std::uint32_t& length) = 0;
    virtual std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t length) = 0;
    virtual void CloseKey(KeyHandle key) = 0;
};

}  // namespace quill
