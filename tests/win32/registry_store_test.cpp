// GetRegistryValue and SetRegistryValue over Wine's real registry, below a
// scratch key made afresh for each test: the registry does what the program
// relies on and what the scripted store of the store's own tests does.

#include "win32/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "store/app_error.h"
#include "store/registry_access.h"
#include "win32/ansi_codec.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

class RegistryTest : public ::testing::Test {
  protected:
    RegistryTest() {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuillmarTests");
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuillmarTests", 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ::RegCloseKey(key);
    }
    ~RegistryTest() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuillmarTests"); }

    // A raw write of `length` bytes of `data`; the rest follow them in memory.
    void Seed(const char* name, DWORD type, std::string_view data, std::size_t length) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\QuillmarTests", name, type, data.data(),
                          static_cast<DWORD>(length));
    }
    // The type and bytes that a raw read finds.
    std::pair<DWORD, std::string> Raw(const char* name) {
        DWORD type = 0;
        std::string data(8192, '\0');
        auto length = static_cast<DWORD>(data.size());
        ::RegGetValueA(HKEY_CURRENT_USER, "Software\\QuillmarTests", name,
                       RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &length);
        return {type, data.substr(0, length)};
    }
    // What a read gave, as "case:content" or "case not opened:".
    std::string Read(std::u16string_view name,
                     std::u16string_view key = u"Software\\QuillmarTests") {
        const ReadResult read = access_.GetRegistryValue(key, name, std::int32_t{9});
        return std::to_string(read.value.index()) + (read.keyOpened ? ":" : " not opened:") +
               std::visit(
                   [](const auto& v) -> std::string {
                       if constexpr (requires { v.begin(); }) {
                           return std::string(v.begin(), v.end());
                       } else if constexpr (std::is_integral_v<std::decay_t<decltype(v)>>) {
                           return std::to_string(v);
                       } else {
                           return "";
                       }
                   },
                   read.value);
    }
    bool Write(std::u16string_view name, const Variant& value,
               std::u16string_view key = u"Software\\QuillmarTests") {
        return access_.SetRegistryValue(kHkeyCurrentUser, key, name, value);
    }

    win32::RegistryStore store_;
    win32::AnsiCodec codec_;
    RegistryAccess access_{store_, codec_};
};

TEST_F(RegistryTest, ReadsEachTypeAsItsCase) {
    const std::string big(5000, 'Z');
    const std::tuple<const char*, DWORD, std::string, std::size_t, std::string> cases[] = {
        {"Sz", REG_SZ, "255 255 255\0"s, 12, "4:255 255 255"},
        // A terminator right after the text in memory is counted: the text is whole.
        {"TerminatorAfter", REG_SZ, "-270\0"s, 4, "4:-270"},
        {"ExpandSz", REG_EXPAND_SZ, "%a%\0"s, 4, "4:%a%"},
        {"MultiSz", REG_MULTI_SZ, "a\0b\0\0"s, 5, "4:a\0b"s},
        {"EmptySz", REG_SZ, "", 0, "4:"},
        {"Dword", REG_DWORD, "\x78\x56\x34\xF2"s, 4, "3:-231451016"},
        {"DwordOfEightBytes", REG_DWORD, "\1\0\0\0\xFF\xFF\xFF\xFF"s, 8, "3:1"},
        {"Binary", REG_BINARY, "ab\0"s, 2, "5:ab"},
        {"Big", REG_BINARY, big, big.size(), "5:" + big},
    };
    for (const auto& [name, type, data, length, expected] : cases) {
        Seed(name, type, data, length);
        EXPECT_EQ(Read(std::u16string(name, name + std::strlen(name))), expected) << name;
    }
    EXPECT_EQ(Read(u"Absent"), "3:9");  // the default
    EXPECT_EQ(Read(u"V", u"Software\\QuillmarTests\\Absent"), "0 not opened:");
    for (const DWORD type : {REG_NONE, REG_DWORD_BIG_ENDIAN, REG_QWORD}) {
        Seed("Other", type, "12345678", 8);
        EXPECT_THROW(Read(u"Other"), AppError) << type;
    }
}

TEST_F(RegistryTest, WritesEachCaseWithItsTypeInTheAnsiCodePage) {
    const ByteArray record = {1, 2, 3, 0, 255};
    const std::tuple<const char16_t*, Variant, DWORD, std::string> cases[] = {
        {u"Int16", std::int16_t{-2}, REG_DWORD, "\xFE\xFF\xFF\xFF"},
        {u"Text", u"-270"s, REG_SZ, "-270\0"s},  // the registry counts the terminator
        {u"EmptyText", u""s, REG_SZ, ""},
        {u"Bytes", ByteArrayRef(record), REG_BINARY, "\1\2\3\0\xFF"s},
        {u"Caf\u00e9", u"Caf\u00e9"s, REG_SZ, "Caf\xE9\0"s},
    };
    for (const auto& [name, value, type, stored] : cases) {
        ASSERT_TRUE(Write(name, value));
        EXPECT_EQ(Raw(codec_.ToAnsi(name).c_str()), std::pair(type, stored));
    }
    EXPECT_EQ(Raw("CAF\xE9").second, "Caf\xE9\0"s);  // names ignore case
    EXPECT_EQ(Read(u"caf\u00e9"), "4:Caf\xE9"s);
    EXPECT_THROW(Write(u"Flag", true), AppError);
    EXPECT_EQ(Raw("Flag").first, static_cast<DWORD>(REG_NONE));
    EXPECT_FALSE(Write(u"V", u""s, u"Software\\QuillmarTests\\Absent"));
}

}  // namespace
}  // namespace quill::testing
