// GetRegistryValue and SetRegistryValue over the in-memory store: the store
// contract, and the paths that only a store that refuses or misbehaves takes.

#include "store/registry_access.h"

#include <gtest/gtest.h>

#include <functional>

#include "store/app_error.h"
#include "testing/failing_store.h"
#include "testing/latin1_codec.h"
#include "testing/memory_store.h"
#include "tests/store/store_contract.h"

namespace quill::testing {
namespace {

constexpr const char* kScratch = "Software\\Scratch";
constexpr std::u16string_view kScratchText = u"Software\\Scratch";

struct InMemory final : StoreUnderTest {
    InMemory() {
        scratchKey = kScratch;
        store.CreateKey(scratchKey);
    }
    RegistryStore& Store() override { return store; }
    const AnsiCodec& Codec() override { return codec; }
    MemoryStore store;
    Latin1Codec codec;
};

INSTANTIATE_TEST_SUITE_P(Memory, StoreContract,
                         ::testing::Values([] { return std::make_unique<InMemory>(); }));

// The read's case, and whether its key opened; or "written", "not written",
// "throws".
template <typename Call>
std::string Outcome(Call&& call) {
    try {
        return call();
    } catch (const AppError& error) {
        return error.Number() == 1001 ? "throws" : "another error";
    }
}

TEST(RegistryAccess, EveryPathClosesWhatItOpened) {
    struct Case {
        const char* name;
        std::uint32_t denied;          // rights the key refuses
        std::uint32_t type;            // of the value stored; 0: none
        std::optional<Variant> write;  // else a read
        int failingWrite;
        std::string expected;
    };
    const Case cases[] = {
        {"read", 0, kRegSz, {}, 0, "4 opened"},
        {"read long binary", 0, kRegBinary, {}, 0, "5 opened"},
        {"read missing value", 0, 0, {}, 0, "3 opened"},  // the default
        {"read key unreadable", kKeyQueryValue, kRegSz, {}, 0, "0 not opened"},
        // KEY_READ asks more than KEY_QUERY_VALUE: the default, silently.
        {"read second open fails", kKeyEnumerateSubKeys, kRegSz, {}, 0, "3 opened"},
        {"read unsupported type", 0, 11, {}, 0, "throws"},
        {"write", 0, 0, ByteArray(92), 0, "written"},
        {"write refused", 0, 0, ByteArray(92), 1, "not written"},
        {"write key unwritable", kKeySetValue, 0, ByteArray(92), 0, "not written"},
        {"write unsupported case", 0, 0, true, 0, "throws"},
    };
    for (const Case& c : cases) {
        MemoryStore memory;
        if (c.type != 0) {
            memory.Put(kScratch, "V", c.type, ByteArray(c.type == kRegBinary ? 4000 : 4, 'x'));
        }
        memory.CreateKey(kScratch, c.denied);
        FailingStore store(memory);
        store.FailWrite(c.failingWrite);
        const Latin1Codec codec;
        RegistryAccess access(store, codec);
        const std::string outcome = Outcome([&]() -> std::string {
            if (c.write) {
                const bool written =
                    access.SetRegistryValue(kHkeyCurrentUser, kScratchText, u"V", *c.write);
                return written ? "written" : "not written";
            }
            const ReadResult read = access.GetRegistryValue(kScratchText, u"V", std::int32_t{9});
            return std::to_string(read.value.index()) +
                   (read.keyOpened ? " opened" : " not opened");
        });
        EXPECT_EQ(outcome, c.expected) << c.name;
        EXPECT_EQ(memory.OpenHandleCount(), 0u) << c.name;
        EXPECT_EQ(memory.BadCloseCount(), 0) << c.name;
    }
}

// Changes what a store reports after its n-th query.
struct HookedStore final : RegistryStore {
    HookedStore(RegistryStore& inner, std::function<void(int, std::int32_t&, std::uint32_t&)> hook)
        : inner(inner), afterQuery(std::move(hook)) {}
    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override {
        return inner.OpenKey(parent, subKey, access, result);
    }
    std::int32_t QueryValue(KeyHandle key, std::string_view name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override {
        std::int32_t status = inner.QueryValue(key, name, type, data, length);
        afterQuery(++queries, status, length);
        return status;
    }
    std::int32_t SetValue(KeyHandle, std::string_view, std::uint32_t, const std::uint8_t*,
                          std::uint32_t) override {
        return kErrorAccessDenied;
    }
    void CloseKey(KeyHandle key) override { inner.CloseKey(key); }

    RegistryStore& inner;
    std::function<void(int, std::int32_t&, std::uint32_t&)> afterQuery;
    int queries = 0;
};

TEST(RegistryAccess, ReadsNoFurtherThanItsBufferWhateverTheStoreReports) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::size_t stored;
        std::int32_t status;  // what the store reports after the last query
        std::uint32_t length;
        std::string expected;  // the read's case and size
    };
    const Case cases[] = {
        {"vanished between the queries", kRegBinary, 2000, kErrorFileNotFound, 0, "3:0"},
        {"grew between the queries", kRegBinary, 2000, kErrorMoreData, 6000, "5:2000"},
        {"overstated, binary", kRegBinary, 10, kErrorSuccess, 1500, "5:1024"},
        {"overstated, text", kRegSz, 10, kErrorSuccess, 1500, "4:1023"},
    };
    for (const Case& c : cases) {
        MemoryStore memory;
        memory.Put(kScratch, "V", c.type, ByteArray(c.stored, 'a'));
        HookedStore hooked(memory, [&](int n, std::int32_t& status, std::uint32_t& length) {
            if (n == 2 || c.stored <= 1024) {
                status = c.status;
                length = c.length;
            }
        });
        const Latin1Codec codec;
        const Variant value = RegistryAccess(hooked, codec)
                                  .GetRegistryValue(kScratchText, u"V", std::int32_t{9})
                                  .value;
        const std::size_t size = std::visit(
            [](const auto& v) -> std::size_t {
                if constexpr (requires { v.size(); }) {
                    return v.size();
                } else {
                    return 0;
                }
            },
            value);
        EXPECT_EQ(std::to_string(value.index()) + ":" + std::to_string(size), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace quill::testing
