// The store contract against Wine's real registry, below a scratch key of
// HKEY_CURRENT_USER\Software\QuillmarTests that each test makes afresh.

#include "win32/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/store/store_contract.h"
#include "win32/ansi_codec.h"

namespace quill::testing {
namespace {

class RegistryHarness final : public StoreHarness {
  public:
    explicit RegistryHarness(const std::string& testName)
        : scratch_("Software\\QuillmarTests\\" + testName) {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
        HKEY key = nullptr;
        EXPECT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, scratch_.c_str(), 0, nullptr, 0,
                                    KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
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
                         ::testing::Values(StoreFactory{"Registry",
                                                        [](const std::string& name) {
                                                            return std::make_unique<RegistryHarness>(name);
                                                        }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quill::testing
