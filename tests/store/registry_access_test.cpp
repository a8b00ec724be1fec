// GetRegistryValue and SetRegistryValue over the scripted store, every way through both.

#include "store/registry_access.h"

#include "testing/latin1_codec.h"
#include "testing/scripted_store.h"
#include "tests/store/store_contract.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

TEST(StoreContract, HoldsForTheScriptedStore) {
    ScriptedStore store;
    ExpectStoreContract(store, Latin1Codec(), "Key");
}

TEST(GetRegistryValue, TakesEveryWayThroughAndClosesWhatItOpened) {
    // Stored type and bytes, what is read (none: 1001), rights refused, what a query reports.
    using Change = decltype(ScriptedStore::change);
    const std::string big(5000, 'Z');
    const ByteArray bigBytes(big.begin(), big.end());
    const Variant nine = std::int32_t{9};  // the default
    const std::tuple<std::uint32_t, std::string, std::optional<Variant>, std::uint32_t, Change>
        cases[] = {
            {kRegSz, "ab", u"a"s, 0, {}},  // the last byte is taken for a terminator
            {kRegExpandSz, "%a%\0"s, u"%a%"s, 0, {}},
            {kRegMultiSz, "a\0b\0\0"s, u"a\0b"s, 0, {}},
            {kRegMultiSz, "\0"s, u""s, 0, {}},
            {kRegDword, "\x78\x56\x34\xF2\xFF"s, std::int32_t{-231451016}, 0, {}},  // low first
            {11, "12345678", std::nullopt, 0, {}},
            {kRegSz, "x\0"s, nine, 0x0008, {}},  // KEY_READ asks more: the default, silently
            {kRegBinary, big.substr(0, 1025), nine, 0, {2, kErrorFileNotFound, 0}},  // 2nd: gone
            {kRegBinary, big, bigBytes, 0, {2, kErrorMoreData, 6000}},  // grew: cut to the buffer
        };
    for (const auto& [type, stored, read, denied, change] : cases) {
        ScriptedStore store;
        store.value = std::pair(type, ByteArray(stored.begin(), stored.end()));
        store.deniedRights = denied;
        store.change = change;
        try {
            const ReadResult got =
                RegistryAccess(store, Latin1Codec()).GetRegistryValue(u"Key", u"V", nine);
            EXPECT_TRUE(read && Same(got.value, *read) && got.keyOpened) << stored;
        } catch (const AppError& error) {
            EXPECT_TRUE(!read && error.Number() == kUnsupportedValueType) << stored;
        }
        EXPECT_EQ(store.closed, store.opened) << stored;
    }
}

TEST(SetRegistryValue, WritesEachCaseWithItsTypeOrRefuses) {
    const ByteArray record = {1, 2, 3, 0, 255};
    using Stored = std::optional<std::pair<std::uint32_t, ByteArray>>;
    // A value, how the store behaves, the outcome, and what the store then holds (its key closed).
    const std::tuple<Variant, std::string, std::string, Stored> cases[] = {
        {std::int16_t{-2}, "", "written", std::pair(kRegDword, ByteArray{0xFE, 0xFF, 0xFF, 0xFF})},
        {ByteArrayRef(record), "", "written", std::pair(kRegBinary, record)},
        {Empty{}, "", "1001", {}},
        {Missing{}, "", "1001", {}},
        {true, "", "1001", {}},
        {2.5, "", "1001", {}},
        {record, "refusing", "refused", std::pair(kRegBinary, record)}};
    for (const auto& [value, behaviour, outcome, stored] : cases) {
        ScriptedStore store;
        store.refuseWrites = behaviour == "refusing";
        std::string result;
        try {
            const bool written = RegistryAccess(store, Latin1Codec())
                                     .SetRegistryValue(kHkeyCurrentUser, u"Key", u"V", value);
            result = written ? "written" : "refused";
        } catch (const AppError& error) {
            result = std::to_string(error.Number());
        }
        EXPECT_EQ(std::tuple(result, store.value, store.closed), std::tuple(outcome, stored, 1));
    }
}

}  // namespace
}  // namespace quill::testing
