#include "store/registry_access.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace quill {
namespace {

// Owns one key handle of the store and closes it on every way out.
class KeyGuard {
  public:
    explicit KeyGuard(RegistryStore& store) noexcept : store_(store) {}
    ~KeyGuard() {
        if (open_) {
            store_.CloseKey(handle_);
        }
    }
    KeyGuard(const KeyGuard&) = delete;
    KeyGuard& operator=(const KeyGuard&) = delete;

    // Opens subKey below parent; true on success.
    bool Open(KeyHandle parent, std::string_view subKey, std::uint32_t access) {
        open_ = store_.OpenKey(parent, subKey, access, handle_) == kErrorSuccess;
        return open_;
    }
    KeyHandle get() const noexcept { return handle_; }

  private:
    RegistryStore& store_;
    KeyHandle handle_ = 0;
    bool open_ = false;
};

constexpr std::uint32_t kFirstBufferSize = 1024;

// A REG_DWORD: its first four bytes, least significant first. The buffer
// always holds at least the first query's 1024 bytes.
std::int32_t DwordOf(const ByteArray& buffer) {
    return static_cast<std::int32_t>(buffer[0] | buffer[1] << 8 | buffer[2] << 16 |
                                     static_cast<std::uint32_t>(buffer[3]) << 24);
}

// The text of a stored string of `length` bytes whose last `terminatorBytes`
// bytes are its terminator; a string too short to hold one is empty.
std::u16string TextOf(const AnsiCodec& codec, const ByteArray& buffer, std::uint32_t length,
                      std::uint32_t terminatorBytes) {
    const auto* chars = reinterpret_cast<const char*>(buffer.data());
    return codec.FromAnsi(std::string_view(chars, length - std::min(length, terminatorBytes)));
}

}  // namespace

ReadResult RegistryAccess::GetRegistryValue(std::u16string_view sKeyName,
                                            std::u16string_view ValueName,
                                            const Variant& DefaultValue) {
    KeyGuard key(store_);
    if (!key.Open(kHkeyCurrentUser, codec_.ToAnsi(sKeyName), kKeyQueryValue)) {
        return {Empty{}, false};
    }
    const Variant fallback = IsMissing(DefaultValue) ? Variant{Empty{}} : DefaultValue;

    KeyGuard reader(store_);
    if (!reader.Open(key.get(), "", kKeyRead)) {
        return {fallback};
    }
    const std::string valueName = codec_.ToAnsi(ValueName);
    ByteArray buffer(kFirstBufferSize);
    std::uint32_t length = kFirstBufferSize;
    std::uint32_t type = kRegNone;
    std::int32_t status = store_.QueryValue(reader.get(), valueName, type, buffer.data(), length);
    if (status == kErrorMoreData) {
        buffer.assign(length, 0);
        status = store_.QueryValue(reader.get(), valueName, type, buffer.data(), length);
    }
    // The value does not exist, or vanished between the two queries.
    if (status == kErrorFileNotFound) {
        return {fallback};
    }
    // Whatever a store reports, never read past the buffer.
    length = std::min(length, static_cast<std::uint32_t>(buffer.size()));

    switch (type) {
        case kRegSz:
        case kRegExpandSz:
            return {TextOf(codec_, buffer, length, 1)};
        case kRegMultiSz:
            // The NULs between the strings stay in the text.
            return {TextOf(codec_, buffer, length, 2)};
        case kRegDword:
            return {DwordOf(buffer)};
        case kRegBinary:
            buffer.resize(length);
            return {std::move(buffer)};
        default:
            throw UnsupportedValueType();
    }
}

bool RegistryAccess::SetRegistryValue(KeyHandle hKey, std::u16string_view KeyName,
                                      std::u16string_view ValueName, const Variant& value) {
    KeyGuard key(store_);
    if (!key.Open(hKey, codec_.ToAnsi(KeyName), kKeyWrite)) {
        return false;
    }
    const std::string valueName = codec_.ToAnsi(ValueName);
    const std::int32_t status = std::visit(
        [&](const auto& v) -> std::int32_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>) {
                const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
                const std::uint8_t bytes[] = {
                    static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                    static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
                return store_.SetValue(key.get(), valueName, kRegDword, bytes, sizeof bytes);
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                // The length leaves the terminator out; std::string keeps a NUL
                // right after the data, and the store counts it itself.
                const std::string text = codec_.ToAnsi(v);
                return store_.SetValue(key.get(), valueName, kRegSz,
                                       reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                       static_cast<std::uint32_t>(text.size()));
            } else if constexpr (std::is_same_v<T, ByteArray> || std::is_same_v<T, ByteArrayRef>) {
                return store_.SetValue(key.get(), valueName, kRegBinary, v.data(),
                                       static_cast<std::uint32_t>(v.size()));
            } else {
                throw UnsupportedValueType();
            }
        },
        value);
    return status == kErrorSuccess;
}

}  // namespace quill
