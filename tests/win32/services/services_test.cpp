// The platform's services under Wine: the registry against the store's contract, errors, the
// colour dialog without its library.

#include "testing/wine_registry.h"
#include "tests/store/store_contract.h"
#include "win32/services/color_dialog.h"
#include "win32/services/windows_ansi_codec.h"
#include "win32/services/windows_error.h"
#include "win32/services/windows_registry.h"

namespace quill::win32 {
namespace {

TEST(StoreContract, HoldsForTheRegistry) {
    testing::SeedKey(L"Software\\QuillmarTests", {});
    WindowsRegistry store;
    testing::ExpectStoreContract(store, WindowsAnsiCodec(), "Software\\QuillmarTests");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QuillmarTests");
}

TEST(WindowsError, NamesTheCallThatFailedAndGivesTheSystemsText) {
    EXPECT_EQ(WindowsError(ERROR_FILE_NOT_FOUND, "Open").Description(), "Open: File not found.");
}

TEST(ColorDialog, ChoosesNothingWhenItsLibraryIsMissing) {
    EXPECT_EQ(ColorDialog(nullptr, L"no-such-library.dll").Choose(kWhite), std::nullopt);
}

}  // namespace
}  // namespace quill::win32
