// GetRegistryValue and SetRegistryValue over a scripted store: every case of
// a value, and every way through both, each handle closed on every one. The
// same over Wine's real registry: tests/win32/registry_store_test.cpp.

#include "store/registry_access.h"

#include <gtest/gtest.h>

#include "store/app_error.h"
#include "testing/latin1_codec.h"
#include "testing/scripted_store.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

// What a read gave, as "case:content", "case not opened:content" or "error N".
std::string Read(ScriptedStore& store, std::u16string_view key = u"Key") {
    const Latin1Codec codec;
    try {
        const ReadResult read =
            RegistryAccess(store, codec).GetRegistryValue(key, u"V", std::int32_t{9});
        return std::to_string(read.value.index()) + (read.keyOpened ? ":" : " not opened:") +
               std::visit(
                   [](const auto& v) -> std::string {
                       if constexpr (requires { v.begin(); }) {
                           return std::string(v.begin(), v.end());  // text or bytes
                       } else if constexpr (std::is_integral_v<std::decay_t<decltype(v)>>) {
                           return std::to_string(v);
                       } else {
                           return "";  // Empty
                       }
                   },
                   read.value);
    } catch (const AppError& error) {
        return "error " + std::to_string(error.Number());
    }
}

// After the n-th query the store reports this status and length instead.
auto After(int n, std::int32_t status, std::uint32_t length) {
    return [=](int query, std::int32_t& s, std::uint32_t& l) {
        if (query == n) {
            s = status;
            l = length;
        }
    };
}

TEST(GetRegistryValue, GivesEachTypeItsCaseAndClosesWhatItOpened) {
    struct Case {
        std::optional<std::pair<std::uint32_t, std::string>> stored;
        std::string expected;
        std::uint32_t denied = 0;
        std::function<void(int, std::int32_t&, std::uint32_t&)> after = After(0, 0, 0);
        std::u16string key = u"Key";
    };
    const std::string big(5000, 'Z');
    const Case cases[] = {
        {std::pair(kRegSz, "255 255 255\0"s), "4:255 255 255"},
        {std::pair(kRegSz, "ab"s), "4:a"},  // no terminator: the last byte is taken for it
        {std::pair(kRegExpandSz, "%a%\0"s), "4:%a%"},  // not expanded
        {std::pair(kRegMultiSz, "a\0b\0\0"s), "4:a\0b"s},
        {std::pair(kRegSz, ""s), "4:"},
        {std::pair(kRegMultiSz, "\0"s), "4:"},
        {std::pair(kRegDword, "\x78\x56\x34\xF2"s), "3:-231451016"},
        {std::pair(kRegDword, "\1\0\0\0\xFF\xFF\xFF\xFF"s), "3:1"},
        {std::pair(kRegBinary, "ab\0"s), "5:ab\0"s},
        {std::pair(kRegBinary, big), "5:" + big},  // past the first buffer
        {std::pair(11u, "12345678"s), "error 1001"},
        {std::nullopt, "3:9"},  // the default
        {std::pair(kRegSz, "x\0"s), "0 not opened:", 0, After(0, 0, 0), u"Key\\Absent"},
        {std::pair(kRegSz, "x\0"s), "0 not opened:", kKeyQueryValue},
        // KEY_READ asks more than KEY_QUERY_VALUE: the default, silently.
        {std::pair(kRegSz, "x\0"s), "3:9", 0x0008},
        {std::pair(kRegBinary, big), "3:9", 0, After(2, kErrorFileNotFound, 0)},      // gone
        {std::pair(kRegBinary, big), "5:" + big, 0, After(2, kErrorMoreData, 6000)},  // grew
        {std::pair(kRegSz, "abc"s), "4:" + std::string(1023, '\0').replace(0, 3, "abc"), 0,
         After(1, kErrorSuccess, 1500)},  // a length past the buffer is cut to it
    };
    for (const Case& c : cases) {
        ScriptedStore store;
        if (c.stored) {
            store.value = std::pair(c.stored->first,
                                    ByteArray(c.stored->second.begin(), c.stored->second.end()));
        }
        store.deniedRights = c.denied;
        store.afterQuery = c.after;
        EXPECT_EQ(Read(store, c.key), c.expected);
        EXPECT_EQ(store.closed, store.opened) << c.expected;
    }
}

TEST(SetRegistryValue, WritesEachCaseWithItsTypeOrRefuses) {
    const ByteArray record = {1, 2, 3, 0, 255};
    const std::tuple<Variant, std::uint32_t, ByteArray> cases[] = {
        {std::int16_t{-2}, kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
        {std::int32_t{0x01020304}, kRegDword, {4, 3, 2, 1}},
        {u"-270"s, kRegSz, {'-', '2', '7', '0'}},  // a NUL follows, not counted
        {record, kRegBinary, record},
        {ByteArrayRef(record), kRegBinary, record},
    };
    const Latin1Codec codec;
    for (const auto& [value, type, bytes] : cases) {
        ScriptedStore store;
        EXPECT_TRUE(
            RegistryAccess(store, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", value));
        EXPECT_EQ(store.value, std::pair(type, bytes));
        EXPECT_EQ(store.nulAfter, type == kRegSz);
        EXPECT_EQ(std::pair(store.opened, store.closed), std::pair(1, 1));
    }
    for (const Variant& value :
         {Variant(true), Variant(1.5), Variant(Empty{}), Variant(Missing{})}) {
        ScriptedStore store;
        EXPECT_THROW(
            RegistryAccess(store, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", value),
            AppError);
        EXPECT_EQ(std::pair(store.value.has_value(), store.closed), std::pair(false, 1));
    }
    ScriptedStore refusing, unwritable, store;
    refusing.refuseWrites = true;
    unwritable.deniedRights = kKeyWrite;
    EXPECT_FALSE(
        RegistryAccess(refusing, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", record));
    EXPECT_FALSE(
        RegistryAccess(unwritable, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", record));
    EXPECT_FALSE(
        RegistryAccess(store, codec).SetRegistryValue(kHkeyCurrentUser, u"Absent", u"V", record));
    EXPECT_EQ(refusing.closed + unwritable.closed + store.closed, 1);
}

}  // namespace
}  // namespace quill::testing
