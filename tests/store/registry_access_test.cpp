// GetRegistryValue and SetRegistryValue over a scripted store: every way
// through both, each handle closed on every one. The store contract runs
// over Wine's real registry too: tests/win32/registry_store_test.cpp.

#include "store/registry_access.h"

#include <gtest/gtest.h>

#include "store/app_error.h"
#include "testing/latin1_codec.h"
#include "testing/scripted_store.h"
#include "tests/store/store_contract.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;
using Hook = std::function<void(int, std::int32_t&, std::uint32_t&)>;

// After the n-th query the store reports this status and length instead.
Hook After(int n, std::int32_t status, std::uint32_t length) {
    return [=](int query, std::int32_t& s, std::uint32_t& l) {
        s = query == n ? status : s;
        l = query == n ? length : l;
    };
}

TEST(StoreContract, HoldsForTheScriptedStore) {
    ScriptedStore store;
    ExpectStoreContract(store, Latin1Codec(), "Key");
}

TEST(GetRegistryValue, TakesEveryWayThroughAndClosesWhatItOpened) {
    struct Case {
        std::uint32_t type;  // of the value stored; 0: none
        std::string stored;
        std::string expected;  // the read's case and size or number, or the error
        std::uint32_t denied = 0;
        Hook after = After(0, 0, 0);
        std::u16string key = u"Key";
    };
    const std::string big(5000, 'Z');
    // clang-format off
    const Case cases[] = {
        {kRegSz, "ab", "4:1"},  // the last byte is taken for a terminator
        {kRegExpandSz, "%a%\0"s, "4:3"},
        {kRegMultiSz, "a\0b\0\0"s, "4:3"},
        {kRegMultiSz, "\0"s, "4:0"},
        {kRegDword, "\x78\x56\x34\xF2"s, "3:-231451016"},
        {kRegDword, "\1\0\0\0\xFF\xFF\xFF\xFF"s, "3:1"},
        {kRegBinary, big, "5:5000"},  // past the first buffer
        {11, "12345678", "error 1001"},
        {0, "", "3:9"},  // the default
        {kRegSz, "x\0"s, "0 not opened:0", 0, After(0, 0, 0), u"Key\\Absent"},
        {kRegSz, "x\0"s, "0 not opened:0", kKeyQueryValue},
        {kRegSz, "x\0"s, "3:9", 0x0008},  // KEY_READ asks more: the default, silently
        {kRegBinary, big, "3:9", 0, After(2, kErrorFileNotFound, 0)},  // gone meanwhile
        {kRegBinary, big, "5:5000", 0, After(2, kErrorMoreData, 6000)},  // grew meanwhile
        {kRegSz, "abc", "4:1023", 0, After(1, kErrorSuccess, 1500)},  // cut to the buffer
    };
    // clang-format on
    const Latin1Codec codec;
    for (const Case& c : cases) {
        ScriptedStore store;
        if (c.type != 0) {
            store.value = std::pair(c.type, ByteArray(c.stored.begin(), c.stored.end()));
        }
        store.deniedRights = c.denied;
        store.afterQuery = c.after;
        std::string outcome;
        try {
            const ReadResult read =
                RegistryAccess(store, codec).GetRegistryValue(c.key, u"V", std::int32_t{9});
            outcome = std::to_string(read.value.index()) + (read.keyOpened ? ":" : " not opened:") +
                      std::visit(
                          [](const auto& v) {
                              if constexpr (requires { v.size(); }) {
                                  return std::to_string(v.size());
                              } else if constexpr (std::is_integral_v<std::decay_t<decltype(v)>>) {
                                  return std::to_string(v);
                              } else {
                                  return std::string("0");
                              }
                          },
                          read.value);
        } catch (const AppError& error) {
            outcome = "error " + std::to_string(error.Number());
        }
        EXPECT_EQ(outcome, c.expected);
        EXPECT_EQ(store.closed, store.opened) << c.expected;
    }
}

TEST(SetRegistryValue, WritesEachCaseWithItsTypeOrRefuses) {
    const ByteArray record = {1, 2, 3, 0, 255};
    // clang-format off
    const std::tuple<Variant, std::uint32_t, ByteArray> cases[] = {
        {std::int16_t{-2}, kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
        {ByteArrayRef(record), kRegBinary, record}};
    // clang-format on
    const Latin1Codec codec;
    for (const auto& [value, type, bytes] : cases) {
        ScriptedStore store;
        EXPECT_TRUE(
            RegistryAccess(store, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", value));
        EXPECT_EQ(std::pair(store.value, store.closed),
                  std::pair(std::optional(std::pair(type, bytes)), 1));
    }
    for (const Variant& value :
         {Variant(true), Variant(1.5), Variant(Empty{}), Variant(Missing{})}) {
        ScriptedStore store;
        EXPECT_THROW(
            RegistryAccess(store, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", value),
            AppError);
        EXPECT_EQ(std::pair(store.value.has_value(), store.closed), std::pair(false, 1));
    }
    ScriptedStore refusing, unwritable;
    refusing.refuseWrites = true;
    unwritable.deniedRights = kKeyWrite;
    EXPECT_FALSE(
        RegistryAccess(refusing, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", record));
    EXPECT_FALSE(
        RegistryAccess(unwritable, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", record));
    EXPECT_FALSE(RegistryAccess(refusing, codec)
                     .SetRegistryValue(kHkeyCurrentUser, u"Absent", u"V", record));
    EXPECT_EQ(std::pair(refusing.closed, unwritable.closed), std::pair(1, 0));
}

}  // namespace
}  // namespace quill::testing
