// The store contract over Wine's real registry, below a scratch key made
// afresh: the registry does what the scripted store stands in for.

#include "win32/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/app_error.h"
#include "tests/store/store_contract.h"
#include "win32/ansi_codec.h"

namespace quill::testing {
namespace {

TEST(StoreContract, HoldsForTheRegistry) {
    const char* key = "Software\\QuillmarTests";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key, "Other", REG_QWORD, "12345678", 8);
    win32::RegistryStore store;
    const win32::AnsiCodec codec;
    ExpectStoreContract(store, codec, key);
    // A type the program does not read is reported, not guessed at.
    EXPECT_THROW(
        RegistryAccess(store, codec).GetRegistryValue(u"Software\\QuillmarTests", u"Other"),
        AppError);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key);
}

}  // namespace
}  // namespace quill::testing
