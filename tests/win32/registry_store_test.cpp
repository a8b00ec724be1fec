// The store contract over Wine's real registry, below a scratch key made afresh.

#include "win32/registry_store.h"

#include "testing/wine_registry.h"
#include "tests/store/store_contract.h"
#include "win32/ansi_codec.h"

namespace quill::testing {
namespace {

TEST(StoreContract, HoldsForTheRegistry) {
    SeedKey(L"Software\\QuillmarTests", {});
    win32::RegistryStore store;
    ExpectStoreContract(store, win32::AnsiCodec(), "Software\\QuillmarTests");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QuillmarTests");
}

}  // namespace
}  // namespace quill::testing
