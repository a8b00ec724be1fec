#pragma once

// What the program relies on from a settings store: each case written, stored and read back. It
// holds for the scripted store natively and for Wine's registry: the one stands in for the other.

#include <gtest/gtest.h>

#include "store/registry_access.h"

namespace quill::testing {

// The type and bytes a raw query finds below `key`.
inline std::pair<std::uint32_t, std::string> Stored(RegistryStore& store, const std::string& key,
                                                    const std::string& name) {
    KeyHandle handle = 0;
    store.OpenKey(kHkeyCurrentUser, key, kKeyRead, handle);
    std::uint32_t type = 0;
    std::string data(8192, '\0');
    auto length = static_cast<std::uint32_t>(data.size());
    const bool found = store.QueryValue(handle, name, type,
                                        reinterpret_cast<std::uint8_t*>(data.data()), length) == 0;
    store.CloseKey(handle);
    return {type, data.substr(0, found ? length : 0)};
}

// Whether two values are of one case and equal; a span never reads back.
inline bool Same(const Variant& a, const Variant& b) {
    auto equal = [&b](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, ByteArrayRef>) {
            return false;
        } else {
            return x == std::get<T>(b);
        }
    };
    return a.index() == b.index() && std::visit(equal, a);
}

inline void ExpectStoreContract(RegistryStore& store, const AnsiCodec& codec,
                                const std::string& key) {
    using namespace std::string_literals;
    RegistryAccess access(store, codec);
    const std::u16string key16 = codec.FromAnsi(key);
    const std::string big(5000, 'Z');
    const std::tuple<const char16_t*, Variant, std::uint32_t, std::string> cases[] = {
        {u"Text", u"-270"s, kRegSz, "-270\0"s},  // the NUL after the text is counted
        {u"Empty", u""s, kRegSz, ""},
        {u"Dword", std::int32_t{-0x789ABCDF}, kRegDword, "\x21\x43\x65\x87"},  // little-endian
        {u"Big", ByteArray(big.begin(), big.end()), kRegBinary, big},  // past the first buffer
        {u"Caf\u00e9", u"Caf\u00e9"s, kRegSz, "Caf\xE9\0"s}};          // the ANSI code page
    for (const auto& [name, value, type, stored] : cases) {
        ASSERT_TRUE(access.SetRegistryValue(kHkeyCurrentUser, key16, name, value));
        EXPECT_EQ(Stored(store, key, codec.ToAnsi(name)), std::pair(type, stored));
        // Read back, the name in other letter case.
        const std::u16string lower = std::u16string(1, name[0] | 0x20) + (name + 1);
        EXPECT_TRUE(Same(access.GetRegistryValue(key16, lower).value, value)) << codec.ToAnsi(name);
    }
    EXPECT_TRUE(Same(access.GetRegistryValue(key16, u"Absent", u"default"s).value, u"default"s));
    const ReadResult noKey = access.GetRegistryValue(key16 + u"\\Absent", u"V", u"default"s);
    EXPECT_EQ(std::pair(noKey.value.index(), noKey.keyOpened), std::pair(std::size_t{0}, false));
    EXPECT_FALSE(access.SetRegistryValue(kHkeyCurrentUser, key16 + u"\\Absent", u"V", u""s));
}

}  // namespace quill::testing
