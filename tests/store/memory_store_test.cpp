#include "store/memory_store.h"

#include <gtest/gtest.h>

#include "store/text_codec.h"
#include "tests/store/store_contract.h"

namespace quill::test {
namespace {

class MemoryHarness final : public StoreHarness {
  public:
    explicit MemoryHarness(const std::string& testName)
        : scratch_("Software\\QuillmarTests\\" + testName) {
        store_.CreateKey(scratch_);
    }
    RegistryStore& Store() override { return store_; }
    const AnsiCodec& Codec() const override { return codec_; }
    const std::string& ScratchKey() const override { return scratch_; }

  private:
    MemoryStore store_;
    Windows1252Codec codec_;
    std::string scratch_;
};

INSTANTIATE_TEST_SUITE_P(Memory, StoreContract,
                         ::testing::Values(StoreFactory{"MemoryStore",
                                                        [](const std::string& name) {
                                                            return std::make_unique<MemoryHarness>(
                                                                name);
                                                        }}),
                         [](const auto& info) { return info.param.name; });

constexpr const char* kColors = "Control Panel\\Colors";

KeyHandle OpenOrFail(MemoryStore& store, const char* path, std::uint32_t access) {
    KeyHandle key = 0;
    EXPECT_EQ(store.OpenKey(kHkeyCurrentUser, path, access, key), kErrorSuccess);
    return key;
}

std::int32_t WriteText(MemoryStore& store, KeyHandle key, const char* name, std::string_view text) {
    // Like the caller of RegSetValueExA: the NUL sits after the data.
    const std::string data(text);
    return store.SetValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(data.c_str()),
                          static_cast<std::uint32_t>(data.size()));
}

TEST(MemoryStore, DeniedRightsFailTheOpenOnlyForThoseRights) {
    MemoryStore store;
    store.CreateKey(kColors);
    store.DenyOpen(kColors, kKeySetValue);
    KeyHandle key = 0;
    EXPECT_EQ(store.OpenKey(kHkeyCurrentUser, kColors, kKeyWrite, key), kErrorAccessDenied);
    EXPECT_EQ(store.OpenKey(kHkeyCurrentUser, kColors, kKeyRead, key), kErrorSuccess);
    // Reopening the same key through a handle is checked as well.
    KeyHandle again = 0;
    EXPECT_EQ(store.OpenKey(key, "", kKeyWrite, again), kErrorAccessDenied);
    store.CloseKey(key);
    EXPECT_EQ(store.OpenHandleCount(), 0u);
}

TEST(MemoryStore, NthWriteFailsOnceAndIsLogged) {
    MemoryStore store;
    store.CreateKey(kColors);
    const KeyHandle key = OpenOrFail(store, kColors, kKeyWrite);
    store.FailNthSetValue(2, 1009);
    EXPECT_EQ(WriteText(store, key, "Menu", "1 2 3"), kErrorSuccess);
    EXPECT_EQ(WriteText(store, key, "MenuBar", "4 5 6"), 1009);
    EXPECT_EQ(WriteText(store, key, "MenuText", "7 8 9"), kErrorSuccess);
    store.CloseKey(key);

    EXPECT_FALSE(store.Has(kColors, "MenuBar"));
    ASSERT_EQ(store.SetValueLog().size(), 3u);
    const auto& failed = store.SetValueLog()[1];
    EXPECT_EQ(failed.keyPath, kColors);
    EXPECT_EQ(failed.valueName, "MenuBar");
    EXPECT_EQ(failed.type, kRegSz);
    EXPECT_EQ(failed.data, (ByteArray{'4', ' ', '5', ' ', '6'}));  // as passed: no NUL
    EXPECT_EQ(failed.status, 1009);
    // What landed has its terminator counted.
    EXPECT_EQ(store.Get(kColors, "Menu")->data, (ByteArray{'1', ' ', '2', ' ', '3', 0}));
}

TEST(MemoryStore, WritesToANamedValueFailUnderEveryKey) {
    MemoryStore store;
    store.CreateKey(kColors);
    store.CreateKey("Other");
    store.FailWritesTo("menufont");
    for (const char* path : {kColors, "Other"}) {
        const KeyHandle key = OpenOrFail(store, path, kKeyWrite);
        EXPECT_EQ(WriteText(store, key, "MenuFont", "x"), kErrorAccessDenied);
        EXPECT_EQ(WriteText(store, key, "CaptionFont", "x"), kErrorSuccess);
        store.CloseKey(key);
    }
}

TEST(MemoryStore, StaleAndDoubleClosedHandlesAreCaught) {
    MemoryStore store;
    store.CreateKey(kColors);
    const KeyHandle key = OpenOrFail(store, kColors, kKeyRead | kKeyWrite);
    store.CloseKey(key);
    std::uint32_t type = 0;
    std::uint32_t length = 0;
    EXPECT_EQ(store.QueryValue(key, "Menu", type, nullptr, length), kErrorInvalidHandle);
    EXPECT_EQ(WriteText(store, key, "Menu", "1"), kErrorInvalidHandle);
    store.CloseKey(key);
    EXPECT_EQ(store.BadCloseCount(), 1);
}

}  // namespace
}  // namespace quill::test
