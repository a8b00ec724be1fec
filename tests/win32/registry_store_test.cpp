// GetRegistryValue and SetRegistryValue over Wine's real registry, below a
// scratch key made afresh: the registry does what the program relies on,
// and what the scripted store of the store's own tests stands in for.

#include "win32/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/app_error.h"
#include "store/registry_access.h"
#include "win32/ansi_codec.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

bool Same(const Variant& a, const Variant& b) {
    return a.index() == b.index() && std::visit(
                                         [&](const auto& x) {
                                             if constexpr (requires { x == x; }) {
                                                 return x == std::get<std::decay_t<decltype(x)>>(b);
                                             } else {
                                                 return false;  // a span: never read back
                                             }
                                         },
                                         a);
}

TEST(Registry, StoresEachCaseAndReadsItBackAsTheScriptedStoreDoes) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuillmarTests");
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\QuillmarTests", "Other", REG_QWORD, "12345678",
                      8);
    win32::RegistryStore store;
    const win32::AnsiCodec codec;
    RegistryAccess access(store, codec);
    const std::u16string key = u"Software\\QuillmarTests";
    const std::string big(5000, 'Z');
    // The value, what is stored, and what reads back.
    const std::tuple<const char16_t*, Variant, DWORD, std::string, Variant> cases[] = {
        // A text's terminator follows it in memory and the registry counts it.
        {u"Text", u"-270"s, REG_SZ, "-270\0"s, u"-270"s},
        {u"Empty", u""s, REG_SZ, "", u""s},
        {u"Dword", std::int16_t{-2}, REG_DWORD, "\xFE\xFF\xFF\xFF", std::int32_t{-2}},
        {u"Big", ByteArray(big.begin(), big.end()), REG_BINARY, big,
         ByteArray(big.begin(), big.end())},
        // Text is in the ANSI code page.
        {u"Caf\u00e9", u"Caf\u00e9"s, REG_SZ, "Caf\xE9\0"s, u"Caf\u00e9"s},
    };
    for (const auto& [name, value, type, stored, read] : cases) {
        ASSERT_TRUE(access.SetRegistryValue(kHkeyCurrentUser, key, name, value));
        DWORD storedType = 0;
        std::string data(8192, '\0');
        auto length = static_cast<DWORD>(data.size());
        ::RegGetValueA(HKEY_CURRENT_USER, "Software\\QuillmarTests", codec.ToAnsi(name).c_str(),
                       RRF_RT_ANY, &storedType, data.data(), &length);
        EXPECT_EQ(std::pair(storedType, data.substr(0, length)), std::pair(type, stored));
        // Names ignore case.
        const std::u16string lower = std::u16string(1, name[0] | 0x20) + (name + 1);
        EXPECT_TRUE(Same(access.GetRegistryValue(key, lower, Empty{}).value, read)) << lower.size();
    }
    EXPECT_TRUE(
        Same(access.GetRegistryValue(key, u"Absent", std::int32_t{9}).value, std::int32_t{9}));
    EXPECT_THROW(access.GetRegistryValue(key, u"Other"), AppError);
    EXPECT_FALSE(access.GetRegistryValue(key + u"\\Absent", u"V").keyOpened);
    EXPECT_FALSE(access.SetRegistryValue(kHkeyCurrentUser, key + u"\\Absent", u"V", u""s));
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuillmarTests");
}

}  // namespace
}  // namespace quill::testing
