// GetRegistryValue with any stored type code and bytes, values longer than
// the first read buffer included: it returns the case that the type names
// with the stored data, or raises 1001 for a type it does not handle, and
// leaves no key handle open on any path.
#include <cstddef>
#include <cstdint>

#include "store/app_error.h"
#include "store/registry_access.h"
#include "testing/latin1_codec.h"
#include "testing/scripted_store.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::uint32_t type = data[0] % 12;
    // The rest of the input, or that stretched past the first 1024-byte buffer.
    quill::ByteArray stored;
    for (std::size_t r = 0; r <= (data[1] % 4) * (data[2] % 8); ++r) {
        stored.insert(stored.end(), data + 3, data + size);
    }
    quill::testing::ScriptedStore store;
    store.value = std::pair(type, stored);
    const quill::testing::Latin1Codec codec;
    try {
        const quill::Variant value = quill::RegistryAccess(store, codec)
                                         .GetRegistryValue(u"Key", u"Value", std::int32_t{7})
                                         .value;
        const bool text =
            type == quill::kRegSz || type == quill::kRegExpandSz || type == quill::kRegMultiSz;
        if (text) {
            // All but the one or two bytes taken for the terminator.
            const std::size_t terminator = type == quill::kRegMultiSz ? 2 : 1;
            const auto& read = std::get<std::u16string>(value);
            FUZZ_CHECK(read.size() + std::min(terminator, stored.size()) == stored.size());
        } else if (type == quill::kRegBinary) {
            FUZZ_CHECK(std::get<quill::ByteArray>(value) == stored);
        } else {
            FUZZ_CHECK(type == quill::kRegDword && std::holds_alternative<std::int32_t>(value));
        }
    } catch (const quill::AppError& error) {
        FUZZ_CHECK(error.Number() == quill::kUnsupportedValueType);
        FUZZ_CHECK(type == 0 || type == 5 || type == 6 || type >= 8);
    }
    FUZZ_CHECK(store.closed == store.opened);
    return 0;
}
