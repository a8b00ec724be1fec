// The platform's services under Wine: the registry against the store's contract, errors, the
// colour dialog without its library.

#include <cstring>

#include "testing/wine_registry.h"
#include "tests/store/store_contract.h"
#include "win32/services/color_dialog.h"
#include "win32/services/desktop.h"
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

// Each role's record is the platform's font for it, byte for byte: a swapped role shows wherever
// the two differ, as Wine's bold caption font and plain menu font do until a scheme is applied.
TEST(WindowsDesktop, GivesEachRoleThePlatformsFontForIt) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (const auto& [role, font] : {std::pair(FontRole::Caption, metrics.lfCaptionFont),
                                     std::pair(FontRole::Menu, metrics.lfMenuFont)}) {
        const FontRecord record = WindowsDesktop().CurrentFontRecord(role);
        ASSERT_EQ(record.size(), sizeof font);
        EXPECT_EQ(std::memcmp(record.data(), &font, sizeof font), 0) << static_cast<int>(role);
    }
}

TEST(ColorDialog, ChoosesNothingWhenItsLibraryIsMissing) {
    EXPECT_EQ(ColorDialog(nullptr, L"no-such-library.dll").Choose(kWhite), std::nullopt);
}

}  // namespace
}  // namespace quill::win32
