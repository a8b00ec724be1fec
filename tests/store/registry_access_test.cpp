// GetRegistryValue and SetRegistryValue over a scripted store: every way
// through both, each handle closed on every one. Each case of a value over
// Wine's real registry: tests/win32/registry_store_test.cpp.

#include "store/registry_access.h"

#include <gtest/gtest.h>

#include "store/app_error.h"
#include "testing/latin1_codec.h"
#include "testing/scripted_store.h"

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

TEST(GetRegistryValue, TakesEveryWayThroughAndClosesWhatItOpened) {
    struct Case {
        std::optional<std::pair<std::uint32_t, std::string>> stored;
        std::string expected;  // the read's case and size, or the error
        std::uint32_t denied = 0;
        Hook after = After(0, 0, 0);
        std::u16string key = u"Key";
    };
    const std::string big(5000, 'Z');
    const Case cases[] = {
        {std::pair(kRegSz, "ab"s), "4:1"},  // no terminator: the last byte is taken for it
        {std::pair(kRegMultiSz, "\0"s), "4:0"},
        {std::pair(kRegBinary, big), "5:5000"},  // past the first buffer
        {std::pair(kRegDword, "\x78\x56\x34\xF2"s), "3:-231451016"},
        {std::pair(11u, "12345678"s), "error 1001"},
        {std::nullopt, "3:9"},  // the default
        {std::pair(kRegSz, "x\0"s), "0 not opened:0", 0, After(0, 0, 0), u"Key\\Absent"},
        {std::pair(kRegSz, "x\0"s), "0 not opened:0", kKeyQueryValue},
        {std::pair(kRegSz, "x\0"s), "3:9", 0x0008},  // KEY_READ asks more: the default, silently
        {std::pair(kRegBinary, big), "3:9", 0, After(2, kErrorFileNotFound, 0)},  // gone meanwhile
        {std::pair(kRegBinary, big), "5:5000", 0,
         After(2, kErrorMoreData, 6000)},  // grew meanwhile
        {std::pair(kRegSz, "abc"s), "4:1023", 0,
         After(1, kErrorSuccess, 1500)},  // cut to the buffer
    };
    const Latin1Codec codec;
    for (const Case& c : cases) {
        ScriptedStore store;
        if (c.stored) {
            store.value = std::pair(c.stored->first,
                                    ByteArray(c.stored->second.begin(), c.stored->second.end()));
        }
        store.deniedRights = c.denied;
        store.afterQuery = c.after;
        std::string outcome;
        try {
            const ReadResult read =
                RegistryAccess(store, codec).GetRegistryValue(c.key, u"V", std::int32_t{9});
            outcome = std::to_string(read.value.index()) + (read.keyOpened ? ":" : " not opened:") +
                      std::visit(
                          [](const auto& v) -> std::string {
                              if constexpr (requires { v.size(); }) {
                                  return std::to_string(v.size());
                              } else if constexpr (std::is_integral_v<std::decay_t<decltype(v)>>) {
                                  return std::to_string(v);
                              } else {
                                  return "0";
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
    const std::tuple<Variant, std::uint32_t, ByteArray> cases[] = {
        {std::int16_t{-2}, kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
        {std::int32_t{0x01020304}, kRegDword, {4, 3, 2, 1}},
        {u"-270"s, kRegSz, {'-', '2', '7', '0'}},  // a NUL follows, not counted
        {ByteArrayRef(record), kRegBinary, record},
    };
    const Latin1Codec codec;
    for (const auto& [value, type, bytes] : cases) {
        ScriptedStore store;
        EXPECT_TRUE(
            RegistryAccess(store, codec).SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", value));
        EXPECT_EQ(std::tuple(store.value, store.nulAfter, store.closed),
                  std::tuple(std::pair(type, bytes), type == kRegSz, 1));
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
