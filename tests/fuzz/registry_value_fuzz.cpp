// GetRegistryValue over the in-memory store with any stored type code and
// bytes, values longer than the first read buffer included: it returns the
// case that the type names with exactly the stored data, or raises 1001 for a
// type it does not handle, and leaves no key handle open on any path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/app_error.h"
#include "store/registry_access.h"
#include "testing/latin1_codec.h"
#include "testing/memory_store.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::uint32_t type = data[0] % 12;
    // The data's length: the rest of the input, or stretched past the first
    // 1024-byte buffer by repeating it.
    const std::size_t repeat = 1 + (data[1] % 4) * (data[2] % 8);
    quill::ByteArray stored;
    for (std::size_t r = 0; r < repeat; ++r) {
        stored.insert(stored.end(), data + 3, data + size);
    }

    quill::testing::MemoryStore store;
    quill::testing::Latin1Codec codec;
    quill::RegistryAccess access(store, codec);
    store.Put("Control Panel\\Colors", "Value", type, stored);

    try {
        const quill::ReadResult read =
            access.GetRegistryValue(u"Control Panel\\Colors", u"Value", std::int32_t{7});
        FUZZ_CHECK(read.keyOpened);
        const quill::Variant& value = read.value;
        switch (type) {
            case quill::kRegSz:
            case quill::kRegExpandSz:
            case quill::kRegMultiSz: {
                const std::size_t terminator = type == quill::kRegMultiSz ? 2 : 1;
                const auto* text = std::get_if<std::u16string>(&value);
                FUZZ_CHECK(text != nullptr);
                // The store may count a terminator that the data lacked.
                FUZZ_CHECK(text->size() + terminator >= stored.size() ||
                           stored.size() < terminator);
                FUZZ_CHECK(text->size() <= stored.size());
                break;
            }
            case quill::kRegBinary:
                FUZZ_CHECK(std::get<quill::ByteArray>(value) == stored);
                break;
            case quill::kRegDword:
                FUZZ_CHECK(std::holds_alternative<std::int32_t>(value));
                break;
            default:
                FUZZ_CHECK(false);  // every other type must raise
        }
    } catch (const quill::AppError& error) {
        FUZZ_CHECK(error.Number() == quill::kUnsupportedValueType);
        FUZZ_CHECK(type != quill::kRegSz && type != quill::kRegExpandSz &&
                   type != quill::kRegMultiSz && type != quill::kRegBinary &&
                   type != quill::kRegDword);
    }
    FUZZ_CHECK(store.OpenHandleCount() == 0);
    FUZZ_CHECK(store.BadCloseCount() == 0);
    return 0;
}
