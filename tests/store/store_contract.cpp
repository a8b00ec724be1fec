#include "tests/store/store_contract.h"

#include "store/app_error.h"
#include "store/registry_access.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

ByteArray BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

struct Scratch {
    explicit Scratch(StoreUnderTest& s) : s(s), key(s.Codec().FromAnsi(s.scratchKey)) {}

    // A raw write of the first `length` bytes of `data`; the rest follow it in memory.
    void Seed(const std::string& name, std::uint32_t type, std::string_view data,
              std::size_t length) {
        KeyHandle handle = 0;
        ASSERT_EQ(s.Store().OpenKey(kHkeyCurrentUser, s.scratchKey, kKeyWrite, handle), 0);
        EXPECT_EQ(s.Store().SetValue(handle, name, type,
                                     reinterpret_cast<const std::uint8_t*>(data.data()),
                                     static_cast<std::uint32_t>(length)),
                  0);
        s.Store().CloseKey(handle);
    }
    // What a raw read finds: the type and the bytes.
    std::pair<std::uint32_t, ByteArray> Raw(const std::string& name) {
        KeyHandle handle = 0;
        EXPECT_EQ(s.Store().OpenKey(kHkeyCurrentUser, s.scratchKey, kKeyRead, handle), 0);
        std::uint32_t type = 0;
        ByteArray data(8192);
        auto length = static_cast<std::uint32_t>(data.size());
        length = s.Store().QueryValue(handle, name, type, data.data(), length) == 0 ? length : 0;
        s.Store().CloseKey(handle);
        return {type, ByteArray(data.begin(), data.begin() + length)};
    }
    RegistryAccess Access() { return {s.Store(), s.Codec()}; }
    Variant Get(const std::string& name) {
        const ReadResult read =
            Access().GetRegistryValue(key, s.Codec().FromAnsi(name), std::int32_t{7});
        EXPECT_TRUE(read.keyOpened);
        return read.value;
    }
    bool Set(const std::string& name, const Variant& value) {
        return Access().SetRegistryValue(kHkeyCurrentUser, key, s.Codec().FromAnsi(name), value);
    }

    StoreUnderTest& s;
    std::u16string key;
};

// A variant's case and content as text, for comparing and printing.
std::string Shown(const Variant& value) {
    return std::to_string(value.index()) + ":" +
           std::visit(
               [](const auto& v) -> std::string {
                   if constexpr (std::is_empty_v<std::decay_t<decltype(v)>>) {
                       return "";  // Empty, Missing
                   } else if constexpr (requires { v.begin(); }) {
                       return ::testing::PrintToString(std::vector(v.begin(), v.end()));
                   } else {
                       return ::testing::PrintToString(v);
                   }
               },
               value);
}

TEST_P(StoreContract, ReadsEachTypeAsItsCase) {
    const auto under = GetParam()();
    Scratch scratch(*under);
    struct Case {
        const char* name;
        std::uint32_t type;
        std::string stored;
        Variant expected;  // the default, 7, for a value that is not there
    };
    const Case cases[] = {
        {"Sz", kRegSz, "255 255 255\0"s, u"255 255 255"s},
        {"ExpandSz", kRegExpandSz, "%WINDIR%\\x\0"s, u"%WINDIR%\\x"s},  // not expanded
        {"MultiSz", kRegMultiSz, "ab\0c\0\0"s, u"ab\0c"s},
        {"EmptySz", kRegSz, "", u""s},
        {"OneByteMultiSz", kRegMultiSz, "\0"s, u""s},
        {"Dword", kRegDword, "\x78\x56\x34\xF2"s, std::int32_t{-231451016}},
        {"DwordOfEightBytes", kRegDword, "\1\0\0\0\xFF\xFF\xFF\xFF"s, std::int32_t{1}},
        {"Binary92", kRegBinary, std::string(92, '\xA5'), ByteArray(92, 0xA5)},
        {"Binary5000", kRegBinary, std::string(5000, 'Z'), ByteArray(5000, 'Z')},
        {"EmptyBinary", kRegBinary, "", ByteArray()},
    };
    for (const Case& c : cases) {
        scratch.Seed(c.name, c.type, c.stored, c.stored.size());
        EXPECT_EQ(Shown(scratch.Get(c.name)), Shown(c.expected)) << c.name;
    }
    EXPECT_EQ(Shown(scratch.Get("Absent")), Shown(std::int32_t{7}));
    for (const std::uint32_t type : {0u, 5u, 11u}) {
        scratch.Seed("Other", type, "12345678", 8);
        EXPECT_THROW(scratch.Get("Other"), AppError) << type;
    }
    // A key that cannot be opened gives Empty, not the default.
    const ReadResult missing =
        scratch.Access().GetRegistryValue(scratch.key + u"\\Absent", u"V", std::int32_t{7});
    EXPECT_FALSE(missing.keyOpened);
    EXPECT_EQ(Shown(missing.value), Shown(Empty{}));
}

TEST_P(StoreContract, WritesEachCaseWithItsType) {
    const auto under = GetParam()();
    Scratch scratch(*under);
    const ByteArray record = {1, 2, 3, 0, 255};
    struct Case {
        const char* name;
        Variant value;
        std::uint32_t type;
        ByteArray stored;
    };
    const Case cases[] = {
        {"Int16", std::int16_t{-2}, kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"Int32", std::int32_t{0x01020304}, kRegDword, {4, 3, 2, 1}},
        {"Text", u"-270"s, kRegSz, BytesOf("-270\0"s)},  // the terminator is counted
        {"EmptyText", u""s, kRegSz, {}},
        {"Bytes", record, kRegBinary, record},
        {"BytesRef", ByteArrayRef(record), kRegBinary, record},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(scratch.Set(c.name, c.value)) << c.name;
        EXPECT_EQ(scratch.Raw(c.name), std::pair(c.type, c.stored)) << c.name;
    }
    for (const Variant& value :
         {Variant(true), Variant(1.5), Variant(Empty{}), Variant(Missing{})}) {
        EXPECT_THROW(scratch.Set("Unsupported", value), AppError);
    }
    EXPECT_EQ(scratch.Raw("Unsupported").first, kRegNone);
    EXPECT_FALSE(
        scratch.Access().SetRegistryValue(kHkeyCurrentUser, scratch.key + u"\\Absent", u"V", u""s));
}

TEST_P(StoreContract, CountsATerminatorOnlyWhenANulFollows) {
    const auto under = GetParam()();
    Scratch scratch(*under);
    scratch.Seed("NoNulAfter", kRegSz, "abc", 2);
    scratch.Seed("Multi", kRegMultiSz, "a\0b\0"s, 3);
    scratch.Seed("BinaryNever", kRegBinary, "ab\0"s, 2);
    EXPECT_EQ(scratch.Raw("NoNulAfter").second, BytesOf("ab"));
    EXPECT_EQ(scratch.Raw("Multi").second, BytesOf("a\0b\0"s));
    EXPECT_EQ(scratch.Raw("BinaryNever").second, BytesOf("ab"));
}

TEST_P(StoreContract, NamesIgnoreCaseAndTextIsInTheAnsiCodePage) {
    const auto under = GetParam()();
    Scratch scratch(*under);
    ASSERT_TRUE(scratch.Set("Caf\xE9", u"Caf\u00e9"s));
    EXPECT_EQ(scratch.Raw("CAF\xE9"), std::pair(kRegSz, BytesOf("Caf\xE9\0"s)));
    EXPECT_EQ(Shown(scratch.Get("caf\xE9")), Shown(u"Caf\u00e9"s));
}

}  // namespace
}  // namespace quill::testing
