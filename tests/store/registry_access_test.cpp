// GetRegistryValue and SetRegistryValue over the in-memory store: the store
// contract, and the paths only a store that misbehaves or refuses can reach.

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

using namespace std::string_literals;

constexpr const char* kMetrics = "Control Panel\\Desktop\\WindowMetrics";
constexpr const char16_t* kMetricsText = u"Control Panel\\Desktop\\WindowMetrics";

class MemoryHarness final : public StoreHarness {
  public:
    MemoryHarness() { store_.CreateKey(scratch_); }
    RegistryStore& Store() override { return store_; }
    const AnsiCodec& Codec() const override { return codec_; }
    const std::string& ScratchKey() const override { return scratch_; }

  private:
    MemoryStore store_;
    Latin1Codec codec_;
    std::string scratch_ = "Software\\Scratch";
};

INSTANTIATE_TEST_SUITE_P(Memory, StoreContract,
                         ::testing::Values(StoreFactory{"Memory", [](const std::string&) {
                                                            return std::make_unique<MemoryHarness>();
                                                        }}),
                         [](const auto& info) { return info.param.name; });

// Passes every call to a MemoryStore and lets a test step in after each
// query (n counts from 1) to change what the caller sees.
class HookedStore final : public RegistryStore {
  public:
    explicit HookedStore(MemoryStore& inner) : inner_(inner) {}
    std::function<void(int n, std::int32_t& status, std::uint32_t& length)> afterQuery;

    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override {
        return inner_.OpenKey(parent, subKey, access, result);
    }
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override {
        std::int32_t status = inner_.QueryValue(key, valueName, type, data, length);
        afterQuery(++queries_, status, length);
        return status;
    }
    std::int32_t SetValue(KeyHandle, std::string_view, std::uint32_t, const std::uint8_t*,
                          std::uint32_t) override {
        return kErrorAccessDenied;
    }
    void CloseKey(KeyHandle key) override { inner_.CloseKey(key); }

  private:
    MemoryStore& inner_;
    int queries_ = 0;
};

struct World {
    World() { store.CreateKey(kMetrics); }
    ReadResult Get(RegistryStore& through, const Variant& def = Missing{}) {
        return RegistryAccess(through, codec).GetRegistryValue(kMetricsText, u"V", def);
    }
    bool Set(RegistryStore& through, const Variant& value, const char16_t* key = kMetricsText) {
        return RegistryAccess(through, codec).SetRegistryValue(kHkeyCurrentUser, key, u"V", value);
    }
    MemoryStore store;
    Latin1Codec codec;
};

TEST(RegistryAccess, EveryPathClosesEveryHandleAndReportsTheKey) {
    struct Case {
        const char* name;
        std::function<void(MemoryStore&)> arrange;
        std::function<void(World&)> act;
    };
    const auto none = [](MemoryStore&) {};
    const auto read = [](bool keyOpened, const Variant& expected) {
        return [=](World& w) {
            const ReadResult r = w.Get(w.store, std::int32_t{9});
            EXPECT_EQ(r.keyOpened, keyOpened);
            EXPECT_EQ(r.value.index(), expected.index());
        };
    };
    const auto write = [](bool written) {
        return [=](World& w) { EXPECT_EQ(w.Set(w.store, ByteArray(92)), written); };
    };
    const Case cases[] = {
        {"read text", [](MemoryStore& s) { s.Put(kMetrics, "V", kRegSz, {'x', 0}); },
         read(true, u""s)},
        {"read long binary", [](MemoryStore& s) { s.Put(kMetrics, "V", kRegBinary, ByteArray(4000)); },
         read(true, ByteArray())},
        {"read missing value", none, read(true, std::int32_t{9})},
        {"read key unreadable", [](MemoryStore& s) { s.DenyOpen(kMetrics, kKeyQueryValue); },
         read(false, Empty{})},
        // KEY_READ asks more than KEY_QUERY_VALUE: the second open fails, silently.
        {"read second open fails", [](MemoryStore& s) { s.DenyOpen(kMetrics, kKeyEnumerateSubKeys); },
         read(true, std::int32_t{9})},
        {"read unsupported type", [](MemoryStore& s) { s.Put(kMetrics, "V", 11, ByteArray(8)); },
         [](World& w) { EXPECT_THROW(w.Get(w.store), AppError); }},
        {"write", none, write(true)},
        {"write key unwritable", [](MemoryStore& s) { s.DenyOpen(kMetrics, kKeySetValue); },
         write(false)},
        {"write missing key", none,
         [](World& w) { EXPECT_FALSE(w.Set(w.store, std::int32_t{1}, u"Absent")); }},
        {"write refused", none,
         [](World& w) {
             FailingStore failing(w.store);
             failing.FailWrite(1);
             EXPECT_FALSE(w.Set(failing, std::int32_t{1}));
         }},
        {"write unsupported case", none,
         [](World& w) { EXPECT_THROW(w.Set(w.store, true), AppError); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        c.arrange(w.store);
        c.act(w);
        EXPECT_EQ(w.store.OpenHandleCount(), 0u);
        EXPECT_EQ(w.store.BadCloseCount(), 0);
    }
}

TEST(RegistryAccess, WhatAStoreReportsBetweenOrAfterTheQueriesIsBounded) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::size_t storedSize;
        std::int32_t status;    // what the store says after the last query
        std::uint32_t length;
        std::size_t expected;   // the size of the text or bytes read; 0: the default
    };
    const Case cases[] = {
        {"vanished between the queries", kRegBinary, 2000, kErrorFileNotFound, 0, 0},
        {"grew between the queries", kRegBinary, 2000, kErrorMoreData, 6000, 2000},
        {"overstated, binary", kRegBinary, 10, kErrorSuccess, 1500, 1024},
        {"overstated, text", kRegSz, 10, kErrorSuccess, 1500, 1023},
    };
    for (const Case& c : cases) {
        World w;
        w.store.Put(kMetrics, "V", c.type, ByteArray(c.storedSize, 'a'));
        HookedStore hooked(w.store);
        hooked.afterQuery = [&](int n, std::int32_t& status, std::uint32_t& length) {
            if (n == 2 || c.storedSize <= 1024) {
                status = c.status;
                length = c.length;
            }
        };
        const Variant value = w.Get(hooked, std::int32_t{9}).value;
        const std::size_t size = std::visit(
            [](const auto& v) -> std::size_t {
                if constexpr (requires { v.size(); }) {
                    return v.size();
                } else {
                    return 0;
                }
            },
            value);
        EXPECT_EQ(size, c.expected) << c.name;
    }
    // Any other failure of the query leaves the type unknown: error 1001.
    World w;
    HookedStore failing(w.store);
    failing.afterQuery = [](int, std::int32_t& status, std::uint32_t&) { status = 1015; };
    EXPECT_THROW(w.Get(failing), AppError);
}

}  // namespace
}  // namespace quill::testing
