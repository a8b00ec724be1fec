// The store contract against Wine's real registry, below a scratch key of
// HKEY_CURRENT_USER\Software\QuillmarTests that each test makes fresh and
// deletes afterwards.

#include "win32/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/text_codec.h"
#include "tests/store/store_contract.h"
#include "win32/ansi_codec.h"

namespace quill::test {
namespace {

constexpr const char* kTestsRoot = "Software\\QuillmarTests";

class RegistryHarness final : public StoreHarness {
  public:
    explicit RegistryHarness(const std::string& testName)
        : scratch_(std::string(kTestsRoot) + "\\" + testName) {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());  // leftovers of a crashed run
        HKEY key = nullptr;
        const LONG status = ::RegCreateKeyExA(HKEY_CURRENT_USER, scratch_.c_str(), 0, nullptr, 0,
                                              KEY_ALL_ACCESS, nullptr, &key, nullptr);
        EXPECT_EQ(status, ERROR_SUCCESS) << "cannot create " << scratch_;
        if (status == ERROR_SUCCESS) {
            ::RegCloseKey(key);
        }
    }
    RegistryHarness(const RegistryHarness&) = delete;
    RegistryHarness& operator=(const RegistryHarness&) = delete;
    ~RegistryHarness() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
        // Goes only once no other test's key is left below it.
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestsRoot);
    }
    RegistryStore& Store() override { return store_; }
    const AnsiCodec& Codec() const override { return codec_; }
    const std::string& ScratchKey() const override { return scratch_; }

  private:
    win32::RegistryStore store_;
    win32::AnsiCodec codec_;
    std::string scratch_;
};

INSTANTIATE_TEST_SUITE_P(Wine, StoreContract,
                         ::testing::Values(StoreFactory{
                             "Registry",
                             [](const std::string& name) {
                                 return std::make_unique<RegistryHarness>(name);
                             }}),
                         [](const auto& info) { return info.param.name; });

// The platform's conversion agrees with our own where the code page is 1252.
TEST(AnsiCodec, MatchesWindows1252OnAWesternSystem) {
    if (::GetACP() != 1252) {
        GTEST_SKIP() << "ANSI code page is " << ::GetACP();
    }
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const win32::AnsiCodec platform;
    const Windows1252Codec own;
    EXPECT_EQ(platform.FromAnsi(all), own.FromAnsi(all));
    EXPECT_EQ(platform.ToAnsi(own.FromAnsi(all)), all);
    EXPECT_EQ(platform.ToAnsi(u"\u00e9\u4e2d"), own.ToAnsi(u"\u00e9\u4e2d"));
}

}  // namespace
}  // namespace quill::test
