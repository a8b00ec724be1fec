// GetRegistryValue with any type code and bytes, past the first buffer too: the case the type names
// with the stored data, or 1001 for a type it does not handle, and no key handle left open.
#include <cstddef>
#include <cstdint>

#include "store/registry_access.h"
#include "testing/latin1_codec.h"
#include "testing/scripted_store.h"
#include "tests/fuzz/fuzz_check.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::uint32_t type = data[0] % 12;
    ByteArray stored;  // the rest of the input, or that stretched past the first buffer
    for (std::size_t r = 0; r <= std::size_t{data[1] % 4u} * (data[2] % 8u); ++r) {
        stored.insert(stored.end(), data + 3, data + size);
    }
    testing::ScriptedStore store;
    store.value = std::pair(type, stored);
    try {
        const Variant value =
            RegistryAccess(store, testing::Latin1Codec()).GetRegistryValue(u"Key", u"V").value;
        const std::size_t terminator =
            std::min<std::size_t>(type == kRegMultiSz ? 2 : 1, stored.size());
        if (type == kRegSz || type == kRegExpandSz || type == kRegMultiSz) {
            // All but the bytes taken for the terminator.
            FUZZ_CHECK(std::get<std::u16string>(value).size() == stored.size() - terminator);
        } else {
            FUZZ_CHECK(type == kRegBinary
                           ? std::get<ByteArray>(value) == stored
                           : type == kRegDword && std::holds_alternative<std::int32_t>(value));
        }
    } catch (const AppError& error) {
        FUZZ_CHECK(error.Number() == kUnsupportedValueType &&
                   (type == 0 || type == 5 || type == 6 || type >= 8));
    }
    FUZZ_CHECK(store.closed == store.opened);
    return 0;
}
