#include "store/registry_access.h"

#include <gtest/gtest.h>

#include <functional>

#include "store/app_error.h"
#include "store/memory_store.h"
#include "tests/store/store_contract.h"
#include "tests/store/variant_testing.h"

namespace quill::test {
namespace {

using namespace std::string_literals;

constexpr const char* kMetrics = "Control Panel\\Desktop\\WindowMetrics";
constexpr const char16_t* kMetricsText = u"Control Panel\\Desktop\\WindowMetrics";
// Part of KEY_READ but not of KEY_QUERY_VALUE: denying it fails only the
// second open of a read.
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;

// Passes every call to a MemoryStore and lets a test step in after each
// query (n counts from 1) to change the store or what the caller sees.
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
        if (afterQuery) {
            afterQuery(++queries_, status, length);
        }
        return status;
    }
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override {
        return inner_.SetValue(key, valueName, type, data, length);
    }
    void CloseKey(KeyHandle key) override { inner_.CloseKey(key); }

  private:
    MemoryStore& inner_;
    int queries_ = 0;
};

// A memory store holding the metrics key, and the two operations on it.
struct StoreWorld {
    StoreWorld() { store_.CreateKey(kMetrics); }
    Variant Get(const char16_t* name, const Variant& def = Missing{}) {
        return RegistryAccess(store_, codec_, messages_).GetRegistryValue(kMetricsText, name, def);
    }
    bool Set(const char16_t* name, const Variant& value, const char16_t* key = kMetricsText) {
        return RegistryAccess(store_, codec_, messages_)
            .SetRegistryValue(kHkeyCurrentUser, key, name, value);
    }

    MemoryStore store_;
    Windows1252Codec codec_;
    RecordingMessages messages_;
};

class RegistryAccessTest : public ::testing::Test, protected StoreWorld {};

// Every way through both operations closes exactly what it opened.
TEST_F(RegistryAccessTest, EveryPathClosesEveryHandle) {
    struct Case {
        const char* name;
        std::function<void(MemoryStore&)> arrange;
        std::function<void(StoreWorld&)> act;
    };
    const auto noArrange = [](MemoryStore&) {};
    const auto getMenuFont = [](StoreWorld& t) { t.Get(u"MenuFont", 1.5); };
    const auto setMenuFont = [](StoreWorld& t) { t.Set(u"MenuFont", ByteArray(92)); };
    const auto expect1001 = [](const std::function<void()>& f) { EXPECT_THROW(f(), AppError); };
    const Case cases[] = {
        {"read text", [](MemoryStore& s) { s.PutString(kMetrics, "MenuFont", "x"); }, getMenuFont},
        {"read long binary",
         [](MemoryStore& s) { s.Put(kMetrics, "MenuFont", kRegBinary, ByteArray(4000)); },
         getMenuFont},
        {"read missing value", noArrange, getMenuFont},
        {"read missing key", noArrange,
         [](StoreWorld& t) {
             RegistryAccess(t.store_, t.codec_, t.messages_).GetRegistryValue(u"Absent", u"V");
         }},
        {"read key unreadable", [](MemoryStore& s) { s.DenyOpen(kMetrics, kKeyRead); },
         getMenuFont},
        {"read second open fails",
         [](MemoryStore& s) { s.DenyOpen(kMetrics, kKeyEnumerateSubKeys); }, getMenuFont},
        {"read unsupported type",
         [](MemoryStore& s) { s.Put(kMetrics, "MenuFont", 11, ByteArray(8)); },
         [&](StoreWorld& t) { expect1001([&] { t.Get(u"MenuFont"); }); }},
        {"write", noArrange, setMenuFont},
        {"write refused", [](MemoryStore& s) { s.FailNthSetValue(1); }, setMenuFont},
        {"write key unwritable", [](MemoryStore& s) { s.DenyOpen(kMetrics, kKeySetValue); },
         setMenuFont},
        {"write missing key", noArrange,
         [](StoreWorld& t) { t.Set(u"V", std::int32_t{1}, u"Absent"); }},
        {"write unsupported case", noArrange,
         [&](StoreWorld& t) { expect1001([&] { t.Set(u"MenuFont", true); }); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreWorld t;
        c.arrange(t.store_);
        c.act(t);
        EXPECT_EQ(t.store_.OpenHandleCount(), 0u);
        EXPECT_EQ(t.store_.BadCloseCount(), 0);
    }
}

TEST_F(RegistryAccessTest, UnreadableKeyShowsTheMessageAndIgnoresTheDefault) {
    store_.PutString(kMetrics, "CaptionHeight", "-270");
    store_.DenyOpen(kMetrics, kKeyRead);
    EXPECT_VARIANT_EQ(Get(u"CaptionHeight", u"-300"s), Variant(Empty{}));
    EXPECT_EQ(messages_.shown, std::vector<std::u16string>{u"ERROR in Open RegKey"});
}

TEST_F(RegistryAccessTest, FailedSecondOpenGivesTheDefaultSilently) {
    store_.PutString(kMetrics, "CaptionHeight", "-270");
    store_.DenyOpen(kMetrics, kKeyEnumerateSubKeys);
    EXPECT_VARIANT_EQ(Get(u"CaptionHeight", u"-300"s), Variant(u"-300"s));
    EXPECT_VARIANT_EQ(Get(u"CaptionHeight"), Variant(Empty{}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RegistryAccessTest, ValueVanishingBetweenTheTwoQueriesCountsAsMissing) {
    store_.Put(kMetrics, "CaptionFont", kRegBinary, ByteArray(2000, 1));
    HookedStore hooked(store_);
    hooked.afterQuery = [&](int n, std::int32_t&, std::uint32_t&) {
        if (n == 1) {
            store_.Remove(kMetrics, "CaptionFont");
        }
    };
    const Variant got = RegistryAccess(hooked, codec_, messages_)
                            .GetRegistryValue(kMetricsText, u"CaptionFont", std::int32_t{9});
    EXPECT_VARIANT_EQ(got, Variant(std::int32_t{9}));
}

TEST_F(RegistryAccessTest, ReportedLengthsBeyondTheBufferAreClamped) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::size_t storedSize;
        std::uint32_t claimedLength;  // what the store claims after the last query
        std::size_t expectedSize;
    };
    const Case cases[] = {
        // The value grew between the queries: the second one says 234 again.
        {"binary grew", kRegBinary, 2000, 6000, 2000},
        // A store that claims more than the first buffer holds, with status 0.
        {"binary overstated", kRegBinary, 10, 1500, 1024},
        {"text overstated", kRegSz, 10, 1500, 1023},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store_.Put(kMetrics, "V", c.type, ByteArray(c.storedSize, 'a'));
        HookedStore hooked(store_);
        hooked.afterQuery = [&](int n, std::int32_t&, std::uint32_t& length) {
            if (n == 1 && c.storedSize > 1024) {
                return;  // the regular 234 answer
            }
            length = c.claimedLength;
        };
        const Variant got =
            RegistryAccess(hooked, codec_, messages_).GetRegistryValue(kMetricsText, u"V");
        const std::size_t size = std::visit(
            [](const auto& v) -> std::size_t {
                if constexpr (requires { v.size(); }) {
                    return v.size();
                } else {
                    return ~std::size_t{0};
                }
            },
            got);
        EXPECT_EQ(size, c.expectedSize);
    }
}

TEST_F(RegistryAccessTest, QueryFailureOtherThanNotFoundRaises1001) {
    // A failing query leaves the type at 0, which no conversion handles.
    HookedStore failing(store_);
    failing.afterQuery = [](int, std::int32_t& status, std::uint32_t&) { status = 1015; };
    EXPECT_THROW(RegistryAccess(failing, codec_, messages_).GetRegistryValue(kMetricsText, u"V"),
                 AppError);
}

TEST_F(RegistryAccessTest, RefusedWriteReturnsFalse) {
    store_.FailWritesTo("CaptionWidth");
    EXPECT_FALSE(Set(u"CaptionWidth", u"-270"s));
    EXPECT_TRUE(Set(u"CaptionHeight", u"-270"s));
    EXPECT_FALSE(store_.Has(kMetrics, "CaptionWidth"));
}

TEST_F(RegistryAccessTest, TextIsPassedWithoutItsTerminatorButFollowedByIt) {
    ASSERT_TRUE(Set(u"CaptionHeight", u"-270"s));
    const auto& call = store_.SetValueLog().back();
    EXPECT_EQ(call.type, kRegSz);
    EXPECT_EQ(call.data, (ByteArray{'-', '2', '7', '0'}));
    // The store counted the NUL it found right after the data.
    EXPECT_EQ(store_.Get(kMetrics, "CaptionHeight")->data, (ByteArray{'-', '2', '7', '0', 0}));
}

}  // namespace
}  // namespace quill::test
