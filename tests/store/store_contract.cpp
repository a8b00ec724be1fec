#include "tests/store/store_contract.h"

#include <cctype>
#include <cstring>

#include "store/app_error.h"
#include "store/registry_access.h"
#include "store/variant.h"
#include "tests/store/variant_testing.h"

namespace quill::test {
namespace {

using namespace std::string_literals;

using Bytes = std::vector<std::uint8_t>;

// A literal's characters with its terminating NUL.
template <std::size_t N>
std::string_view WithNul(const char (&text)[N]) {
    return {text, N};
}

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::string SanitisedTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/' || c == '\\') {
            c = '_';
        }
    }
    return name;
}

// Throws unless the AppError is the store's 1001.
template <typename F>
void ExpectUnsupportedValueType(F&& f) {
    try {
        f();
        ADD_FAILURE() << "expected error 1001";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), 1001);
        EXPECT_EQ(e.Description(), "Unsupported value type");
    }
}

}  // namespace

void StoreContract::SetUp() {
    harness_ = GetParam().make(SanitisedTestName());
}

std::u16string StoreContract::ScratchText() const {
    return Codec().FromAnsi(Scratch());
}

RegistryAccess StoreContract::Access() {
    return RegistryAccess(Store(), Codec(), messages_);
}

Variant StoreContract::Get(std::u16string_view name, const Variant& def) {
    return Access().GetRegistryValue(ScratchText(), name, def);
}

bool StoreContract::Set(std::u16string_view name, const Variant& value) {
    return Access().SetRegistryValue(kHkeyCurrentUser, ScratchText(), name, value);
}

std::int32_t StoreContract::Seed(const std::string& name, std::uint32_t type, const Bytes& data,
                                 std::uint32_t length) {
    KeyHandle key = 0;
    EXPECT_EQ(Store().OpenKey(kHkeyCurrentUser, Scratch(), kKeyWrite, key), kErrorSuccess);
    const auto count = length == ~0u ? static_cast<std::uint32_t>(data.size()) : length;
    const std::int32_t status = Store().SetValue(key, name, type, data.data(), count);
    Store().CloseKey(key);
    return status;
}

RawQuery StoreContract::Query(const std::string& name, std::uint32_t bufferSize,
                              std::uint32_t typeBefore) {
    KeyHandle key = 0;
    EXPECT_EQ(Store().OpenKey(kHkeyCurrentUser, Scratch(), kKeyRead, key), kErrorSuccess);
    RawQuery q;
    q.type = typeBefore;
    q.length = bufferSize;
    Bytes buffer(bufferSize);
    q.status = Store().QueryValue(key, name, q.type, buffer.data(), q.length);
    if (q.status == kErrorSuccess) {
        q.data.assign(buffer.begin(), buffer.begin() + q.length);
    }
    Store().CloseKey(key);
    return q;
}

// --- The raw store operations -------------------------------------------

// A string's terminator is counted when the length leaves it out but it
// follows the data in memory; other types are stored as given.
TEST_P(StoreContract, StringsGetTheirTerminatorCountedOnlyWhenANulFollows) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::string memory;  // bytes in memory, of which `length` are passed
        std::uint32_t length;
        Bytes stored;
    };
    const Case cases[] = {
        {"MinusTwoSeventy", kRegSz, std::string("-270\0", 5), 4, {'-', '2', '7', '0', 0}},
        {"AlreadyCounted", kRegSz, std::string("ab\0", 3), 3, {'a', 'b', 0}},
        {"NoNulAfter", kRegSz, "abc", 2, {'a', 'b'}},
        {"Empty", kRegSz, std::string("\0", 1), 0, {}},
        {"Expand", kRegExpandSz, std::string("%x%\0", 4), 3, {'%', 'x', '%', 0}},
        {"Multi", kRegMultiSz, std::string("a\0b\0", 4), 3, {'a', 0, 'b', 0}},
        {"BinaryNever", kRegBinary, std::string("ab\0", 3), 2, {'a', 'b'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Seed(c.name, c.type, BytesOf(c.memory), c.length), kErrorSuccess);
        const RawQuery q = Query(c.name);
        ASSERT_EQ(q.status, kErrorSuccess);
        EXPECT_EQ(q.type, c.type);
        EXPECT_EQ(q.data, c.stored);
    }
}

TEST_P(StoreContract, ShortBufferReportsMoreDataAndTheSizeNeeded) {
    ASSERT_EQ(Seed("Big", kRegBinary, Bytes(3000, 0x5A)), kErrorSuccess);
    const RawQuery q = Query("Big", 1024);
    EXPECT_EQ(q.status, kErrorMoreData);
    EXPECT_EQ(q.length, 3000u);
    EXPECT_EQ(q.type, kRegBinary);
    EXPECT_EQ(Query("Big", 3000).status, kErrorSuccess);
}

TEST_P(StoreContract, MissingValueFailsWithFileNotFoundAndTypeNone) {
    const RawQuery q = Query("NoSuchValue", 1024, 77);
    EXPECT_EQ(q.status, kErrorFileNotFound);
    EXPECT_EQ(q.type, kRegNone);
    EXPECT_EQ(q.length, 1024u);
}

TEST_P(StoreContract, MissingKeyCannotBeOpened) {
    KeyHandle key = 0;
    EXPECT_EQ(Store().OpenKey(kHkeyCurrentUser, Scratch() + "\\Absent", kKeyRead, key),
              kErrorFileNotFound);
}

TEST_P(StoreContract, EmptySubKeyReopensTheSameKey) {
    ASSERT_EQ(Seed("V", kRegDword, {1, 2, 3, 4}), kErrorSuccess);
    KeyHandle outer = 0;
    KeyHandle inner = 0;
    ASSERT_EQ(Store().OpenKey(kHkeyCurrentUser, Scratch(), kKeyQueryValue, outer), kErrorSuccess);
    ASSERT_EQ(Store().OpenKey(outer, "", kKeyRead, inner), kErrorSuccess);
    EXPECT_NE(inner, outer);
    Store().CloseKey(outer);  // the second handle stays usable on its own
    std::uint32_t type = 0;
    std::uint8_t data[8] = {};
    std::uint32_t length = sizeof data;
    EXPECT_EQ(Store().QueryValue(inner, "V", type, data, length), kErrorSuccess);
    EXPECT_EQ(length, 4u);
    Store().CloseKey(inner);
}

TEST_P(StoreContract, WritingThroughAReadOnlyHandleIsDenied) {
    KeyHandle key = 0;
    ASSERT_EQ(Store().OpenKey(kHkeyCurrentUser, Scratch(), kKeyRead, key), kErrorSuccess);
    const std::uint8_t data[4] = {1, 0, 0, 0};
    EXPECT_EQ(Store().SetValue(key, "V", kRegDword, data, 4), kErrorAccessDenied);
    Store().CloseKey(key);
    EXPECT_EQ(Query("V").status, kErrorFileNotFound);
}

TEST_P(StoreContract, KeyPathsAndValueNamesIgnoreCase) {
    ASSERT_EQ(Seed("MenuFont", kRegBinary, {9, 8, 7}), kErrorSuccess);
    std::string upperPath = Scratch();
    for (char& c : upperPath) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    KeyHandle key = 0;
    ASSERT_EQ(Store().OpenKey(kHkeyCurrentUser, upperPath, kKeyRead, key), kErrorSuccess);
    std::uint32_t type = 0;
    std::uint8_t data[8] = {};
    std::uint32_t length = sizeof data;
    EXPECT_EQ(Store().QueryValue(key, "MENUFONT", type, data, length), kErrorSuccess);
    EXPECT_EQ(length, 3u);
    Store().CloseKey(key);
}

// --- GetRegistryValue ----------------------------------------------------

TEST_P(StoreContract, ReadsEachHandledTypeByItsCase) {
    struct Case {
        const char* name;
        std::uint32_t type;
        Bytes stored;
        Variant expected;
    };
    const Case cases[] = {
        {"Sz", kRegSz, BytesOf(WithNul("255 255 255")), u"255 255 255"s},
        {"ExpandSz", kRegExpandSz, BytesOf(WithNul("%WINDIR%\\x")),
         u"%WINDIR%\\x"s},  // not expanded
        {"MultiSz", kRegMultiSz, BytesOf(std::string_view("ab\0c\0\0", 6)),
         std::u16string(u"ab\0c", 4)},
        {"DwordMinusOne", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, std::int32_t{-1}},
        {"Dword", kRegDword, {0x78, 0x56, 0x34, 0x12}, std::int32_t{0x12345678}},
        {"Binary92", kRegBinary, Bytes(92, 0xA5), Bytes(92, 0xA5)},
        {"EmptySz", kRegSz, {}, std::u16string()},
        {"EmptyExpandSz", kRegExpandSz, {}, std::u16string()},
        {"EmptyMultiSz", kRegMultiSz, {}, std::u16string()},
        {"EmptyBinary", kRegBinary, {}, Bytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Seed(c.name, c.type, c.stored), kErrorSuccess);
        EXPECT_VARIANT_EQ(Get(Codec().FromAnsi(c.name)), c.expected);
    }
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_P(StoreContract, ReadsABinaryLongerThanTheFirstBuffer) {
    Bytes stored(5000);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        stored[i] = static_cast<std::uint8_t>(i * 7);
    }
    ASSERT_EQ(Seed("Big", kRegBinary, stored), kErrorSuccess);
    EXPECT_VARIANT_EQ(Get(u"Big"), Variant(stored));
}

TEST_P(StoreContract, MissingValueGivesTheDefaultOrEmpty) {
    EXPECT_VARIANT_EQ(Get(u"Absent"), Variant(Empty{}));
    EXPECT_VARIANT_EQ(Get(u"Absent", u"212 208 200"s), Variant(u"212 208 200"s));
    EXPECT_VARIANT_EQ(Get(u"Absent", std::int32_t{7}), Variant(std::int32_t{7}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_P(StoreContract, MissingKeyShowsTheMessageOnceAndGivesEmpty) {
    const Variant got =
        Access().GetRegistryValue(ScratchText() + u"\\Absent", u"Menu", std::u16string(u"default"));
    EXPECT_VARIANT_EQ(got, Variant(Empty{}));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], u"ERROR in Open RegKey");
}

TEST_P(StoreContract, UnsupportedStoredTypesRaise1001) {
    struct Case {
        const char* name;
        std::uint32_t type;
        Bytes stored;
    };
    const Case cases[] = {
        {"None", kRegNone, {1, 2}},
        {"BigEndianDword", 5, {0, 0, 0, 1}},
        {"Qword", 11, {1, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Seed(c.name, c.type, c.stored), kErrorSuccess);
        ExpectUnsupportedValueType([&] { Get(Codec().FromAnsi(c.name)); });
    }
}

TEST_P(StoreContract, ValueNamesIgnoreCase) {
    ASSERT_TRUE(Set(u"ActiveTitle", std::u16string(u"0 0 128")));
    EXPECT_VARIANT_EQ(Get(u"ACTIVETITLE"), Variant(std::u16string(u"0 0 128")));
}

// --- SetRegistryValue ----------------------------------------------------

TEST_P(StoreContract, WritesEachCaseWithItsType) {
    struct Case {
        const char* name;
        Variant value;
        std::uint32_t type;
        Bytes stored;
    };
    const Bytes record = {1, 2, 3, 0, 255};
    const Case cases[] = {
        {"Int16", std::int16_t{5}, kRegDword, {5, 0, 0, 0}},
        {"Int16Negative", std::int16_t{-2}, kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"Int32", std::int32_t{0x01020304}, kRegDword, {4, 3, 2, 1}},
        {"Text", std::u16string(u"-270"), kRegSz, BytesOf(WithNul("-270"))},
        {"EmptyText", std::u16string(), kRegSz, {}},
        {"Bytes", record, kRegBinary, record},
        {"BytesRef", ByteArrayRef(record), kRegBinary, record},
        {"EmptyBytes", Bytes(), kRegBinary, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Set(Codec().FromAnsi(c.name), c.value));
        const RawQuery q = Query(c.name);
        ASSERT_EQ(q.status, kErrorSuccess);
        EXPECT_EQ(q.type, c.type);
        EXPECT_EQ(q.data, c.stored);
    }
}

TEST_P(StoreContract, WrittenValuesReadBack) {
    const Variant values[] = {std::u16string(u"-270"), std::u16string(u"212 208 200"),
                              std::u16string(),        Bytes(92, 0x11),
                              Bytes(2000, 0x22),       std::int32_t{-1}};
    for (const Variant& v : values) {
        SCOPED_TRACE(v.index());
        ASSERT_TRUE(Set(u"Value", v));
        EXPECT_VARIANT_EQ(Get(u"Value"), v);
    }
}

TEST_P(StoreContract, UnsupportedCasesRaise1001AndWriteNothing) {
    const Variant values[] = {true, 1.5, Empty{}, Missing{}};
    for (const Variant& v : values) {
        SCOPED_TRACE(v.index());
        ExpectUnsupportedValueType([&] { Set(u"Flag", v); });
        EXPECT_EQ(Query("Flag").status, kErrorFileNotFound);
    }
}

TEST_P(StoreContract, WriteBelowAKeyThatCannotBeOpenedReturnsFalse) {
    EXPECT_FALSE(Access().SetRegistryValue(kHkeyCurrentUser, ScratchText() + u"\\Absent", u"V",
                                           std::int32_t{1}));
    KeyHandle key = 0;
    EXPECT_EQ(Store().OpenKey(kHkeyCurrentUser, Scratch() + "\\Absent", kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_P(StoreContract, NonAsciiTextRoundTripsInTheAnsiCodePage) {
    const std::u16string text = u"Caf\u00e9 \u00e9t\u00e9";
    ASSERT_TRUE(Set(u"Face", text));
    EXPECT_VARIANT_EQ(Get(u"Face"), Variant(text));
    // Stored as the code page's bytes with one terminator.
    Bytes expected = BytesOf(Codec().ToAnsi(text));
    expected.push_back(0);
    EXPECT_EQ(Query("Face").data, expected);
}

}  // namespace quill::test
