#include "tests/store/store_contract.h"

#include "store/app_error.h"

namespace quill::testing {
namespace {

using namespace std::string_literals;

ByteArray BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// Same case and same content (a span has no ==, so neither has Variant).
void ExpectSame(const Variant& actual, const Variant& expected, const char* what) {
    ASSERT_EQ(actual.index(), expected.index()) << what;
    std::visit(
        [&](const auto& a) {
            using T = std::decay_t<decltype(a)>;
            if constexpr (!std::is_same_v<T, ByteArrayRef>) {
                EXPECT_EQ(a, std::get<T>(expected)) << what;
            }
        },
        actual);
}

void ExpectUnsupportedValueType(const std::function<void()>& f) {
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
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    harness_ = GetParam().make(name);
}

std::u16string StoreContract::Scratch() const {
    return harness_->Codec().FromAnsi(harness_->ScratchKey());
}

void StoreContract::Seed(const std::string& name, std::uint32_t type, const ByteArray& data,
                         std::uint32_t length) {
    RegistryStore& store = harness_->Store();
    KeyHandle key = 0;
    ASSERT_EQ(store.OpenKey(kHkeyCurrentUser, harness_->ScratchKey(), kKeyWrite, key), 0);
    const auto count = length == ~0u ? static_cast<std::uint32_t>(data.size()) : length;
    EXPECT_EQ(store.SetValue(key, name, type, data.data(), count), 0) << name;
    store.CloseKey(key);
}

std::pair<std::uint32_t, ByteArray> StoreContract::Raw(const std::string& name) {
    RegistryStore& store = harness_->Store();
    KeyHandle key = 0;
    EXPECT_EQ(store.OpenKey(kHkeyCurrentUser, harness_->ScratchKey(), kKeyRead, key), 0);
    std::uint32_t type = 0;
    ByteArray data(8192);
    auto length = static_cast<std::uint32_t>(data.size());
    if (store.QueryValue(key, name, type, data.data(), length) != kErrorSuccess) {
        length = 0;
    }
    data.resize(length);
    store.CloseKey(key);
    return {type, data};
}

ReadResult StoreContract::Get(const std::u16string& name, const Variant& def) {
    return RegistryAccess(harness_->Store(), harness_->Codec()).GetRegistryValue(Scratch(), name, def);
}

bool StoreContract::Set(const std::u16string& name, const Variant& value) {
    return RegistryAccess(harness_->Store(), harness_->Codec())
        .SetRegistryValue(kHkeyCurrentUser, Scratch(), name, value);
}

// A string's terminator is counted when the length leaves it out but it
// follows the data in memory; other types are stored as given.
TEST_P(StoreContract, StringsGetTheirTerminatorCountedOnlyWhenANulFollows) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::string memory;  // bytes in memory, of which `length` are passed
        std::uint32_t length;
        ByteArray stored;
    };
    const Case cases[] = {
        {"MinusTwoSeventy", kRegSz, "-270\0"s, 4, BytesOf("-270\0"s)},
        {"AlreadyCounted", kRegSz, "ab\0"s, 3, BytesOf("ab\0"s)},
        {"NoNulAfter", kRegSz, "abc", 2, BytesOf("ab")},
        {"Empty", kRegSz, "\0"s, 0, {}},
        {"Expand", kRegExpandSz, "%x%\0"s, 3, BytesOf("%x%\0"s)},
        {"Multi", kRegMultiSz, "a\0b\0"s, 3, BytesOf("a\0b\0"s)},
        {"BinaryNever", kRegBinary, "ab\0"s, 2, BytesOf("ab")},
    };
    for (const Case& c : cases) {
        Seed(c.name, c.type, BytesOf(c.memory), c.length);
        EXPECT_EQ(Raw(c.name), std::pair(c.type, c.stored)) << c.name;
    }
}

TEST_P(StoreContract, ReadsEachHandledTypeAsItsCase) {
    struct Case {
        const char* name;
        std::uint32_t type;
        ByteArray stored;
        Variant expected;
    };
    const Case cases[] = {
        {"Sz", kRegSz, BytesOf("255 255 255\0"s), u"255 255 255"s},
        {"ExpandSz", kRegExpandSz, BytesOf("%WINDIR%\\x\0"s), u"%WINDIR%\\x"s},  // not expanded
        {"MultiSz", kRegMultiSz, BytesOf("ab\0c\0\0"s), u"ab\0c"s},
        {"DwordMinusOne", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, std::int32_t{-1}},
        {"Dword", kRegDword, {0x78, 0x56, 0x34, 0x12}, std::int32_t{0x12345678}},
        {"DwordOfEightBytes", kRegDword, {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, std::int32_t{1}},
        {"Binary92", kRegBinary, ByteArray(92, 0xA5), ByteArray(92, 0xA5)},
        {"Binary5000", kRegBinary, ByteArray(5000, 0x5A), ByteArray(5000, 0x5A)},
        {"EmptySz", kRegSz, {}, u""s},
        {"OneByteMultiSz", kRegMultiSz, {0}, u""s},
        {"EmptyBinary", kRegBinary, {}, ByteArray()},
    };
    for (const Case& c : cases) {
        Seed(c.name, c.type, c.stored);
        const ReadResult read = Get(harness_->Codec().FromAnsi(c.name), std::int32_t{7});
        EXPECT_TRUE(read.keyOpened);
        ExpectSame(read.value, c.expected, c.name);
    }
}

TEST_P(StoreContract, MissingValueGivesTheDefaultAndMissingKeyEmpty) {
    ExpectSame(Get(u"Absent").value, Empty{}, "no default");
    ExpectSame(Get(u"Absent", u"212 208 200"s).value, u"212 208 200"s, "default");
    const ReadResult read = RegistryAccess(harness_->Store(), harness_->Codec())
                                .GetRegistryValue(Scratch() + u"\\Absent", u"V", u"default"s);
    EXPECT_FALSE(read.keyOpened);
    ExpectSame(read.value, Empty{}, "missing key");
}

TEST_P(StoreContract, UnsupportedTypesRaise1001AndWriteNothing) {
    for (const std::uint32_t type : {0u, 5u, 11u}) {
        Seed("Stored", type, {1, 2, 3, 4, 5, 6, 7, 8});
        ExpectUnsupportedValueType([&] { Get(u"Stored"); });
    }
    for (const Variant& value : {Variant(true), Variant(1.5), Variant(Empty{}), Variant(Missing{})}) {
        ExpectUnsupportedValueType([&] { Set(u"Flag", value); });
        EXPECT_EQ(Raw("Flag").first, kRegNone);
    }
}

TEST_P(StoreContract, WritesEachCaseWithItsType) {
    const ByteArray record = {1, 2, 3, 0, 255};
    const std::pair<const char16_t*, Variant> values[] = {
        {u"Int16", std::int16_t{5}},
        {u"Int16Negative", std::int16_t{-2}},
        {u"Int32", std::int32_t{0x01020304}},
        {u"Text", u"-270"s},
        {u"EmptyText", u""s},
        {u"Bytes", record},
        {u"BytesRef", ByteArrayRef(record)},
    };
    const std::pair<std::uint32_t, ByteArray> stored[] = {
        {kRegDword, {5, 0, 0, 0}},
        {kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
        {kRegDword, {4, 3, 2, 1}},
        {kRegSz, BytesOf("-270\0"s)},
        {kRegSz, {}},
        {kRegBinary, record},
        {kRegBinary, record},
    };
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::u16string name = values[i].first;
        ASSERT_TRUE(Set(name, values[i].second));
        EXPECT_EQ(Raw(harness_->Codec().ToAnsi(name)), stored[i]) << i;
    }
}

TEST_P(StoreContract, NamesIgnoreCaseAndTextIsInTheAnsiCodePage) {
    ASSERT_TRUE(Set(u"Caf\u00e9", u"Caf\u00e9"s));
    EXPECT_EQ(Raw("CAF\xE9"), std::pair(kRegSz, BytesOf("Caf\xE9\0"s)));
    ExpectSame(Get(u"caf\u00e9").value, u"Caf\u00e9"s, "read back");
    EXPECT_FALSE(RegistryAccess(harness_->Store(), harness_->Codec())
                     .SetRegistryValue(kHkeyCurrentUser, Scratch() + u"\\Absent", u"V", u""s));
}

}  // namespace quill::testing
