// The store contract against Wine's real registry, below a scratch key of
// HKEY_CURRENT_USER that each test makes afresh and deletes.

#include "win32/registry_store.h"

#include <windows.h>

#include "tests/store/store_contract.h"
#include "win32/ansi_codec.h"

namespace quill::testing {
namespace {

struct InTheRegistry final : StoreUnderTest {
    InTheRegistry() {
        scratchKey = "Software\\QuillmarTests";
        ::RegDeleteTreeA(HKEY_CURRENT_USER, scratchKey.c_str());
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, scratchKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr);
        ::RegCloseKey(key);
    }
    ~InTheRegistry() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, scratchKey.c_str()); }
    RegistryStore& Store() override { return store; }
    const AnsiCodec& Codec() override { return codec; }
    win32::RegistryStore store;
    win32::AnsiCodec codec;
};

INSTANTIATE_TEST_SUITE_P(Wine, StoreContract,
                         ::testing::Values([] { return std::make_unique<InTheRegistry>(); }));

}  // namespace
}  // namespace quill::testing
