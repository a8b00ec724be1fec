#pragma once

#include <optional>
#include <tuple>

#include "ports/registry_store.h"
#include "store/variant.h"

namespace quill::testing {

// A store whose keys hold one value at most, whatever its name; a key or value named "Absent..." is
// not there. Where the program relies on it, it behaves as the store contract shows the registry
// does. A test can make it refuse opens or writes, or report otherwise after a query. It counts.
struct ScriptedStore final : RegistryStore {
    std::int32_t OpenKey(KeyHandle, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override {
        if (subKey.find("Absent") != std::string_view::npos) {
            return kErrorFileNotFound;
        }
        if ((access & deniedRights) != 0) {
            return kErrorAccessDenied;
        }
        result = ++opened;
        return kErrorSuccess;
    }
    std::int32_t QueryValue(KeyHandle, std::string_view name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override {
        const bool there = value && !name.starts_with("Absent");
        const bool fits = there && length >= value->second.size();
        std::int32_t status = !there ? kErrorFileNotFound : fits ? kErrorSuccess : kErrorMoreData;
        type = there ? value->first : kRegNone;
        if (fits) {
            std::copy(value->second.begin(), value->second.end(), data);
        }
        length = there ? static_cast<std::uint32_t>(value->second.size()) : length;
        if (++queries == std::get<0>(change)) {
            std::tie(std::ignore, status, length) = change;
        }
        return status;
    }
    std::int32_t SetValue(KeyHandle, std::string_view, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t length) override {
        const bool nulAfter =
            type == kRegSz && length > 0 && data[length] == 0 && data[length - 1] != 0;
        value = std::pair(type, ByteArray(data, data + length + (nulAfter ? 1 : 0)));
        return refuseWrites ? kErrorAccessDenied : kErrorSuccess;
    }
    void CloseKey(KeyHandle) override { ++closed; }

    std::optional<std::pair<std::uint32_t, ByteArray>> value;  // its type and bytes
    std::uint32_t deniedRights = 0;                            // an open asking any of these fails
    bool refuseWrites = false;
    std::tuple<int, std::int32_t, std::uint32_t> change;  // the n-th query reports these instead
    int opened = 0, closed = 0, queries = 0;
};

}  // namespace quill::testing
