#pragma once

#include <functional>
#include <optional>

#include "ports/registry_store.h"
#include "store/variant.h"

namespace quill::testing {

// A store whose keys (all but those named "Absent") hold at most one value.
// It behaves as the registry does where the program relies on it (a missing
// value: 2 and type 0; a short buffer: 234 and the size needed), and as a
// test tells it to: refusing opens or writes, or reporting something else
// after a query. It counts its handles and keeps what was written.
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
    std::int32_t QueryValue(KeyHandle, std::string_view, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& length) override {
        const bool fits = value && length >= value->second.size();
        std::int32_t status = !value ? kErrorFileNotFound : fits ? kErrorSuccess : kErrorMoreData;
        type = value ? value->first : kRegNone;
        if (fits) {
            std::copy(value->second.begin(), value->second.end(), data);
        }
        length = value ? static_cast<std::uint32_t>(value->second.size()) : length;
        afterQuery(++queries, status, length);
        return status;
    }
    std::int32_t SetValue(KeyHandle, std::string_view, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t length) override {
        value = std::pair(type, ByteArray(data, data + length));
        nulAfter = type == kRegSz && data[length] == 0;
        return refuseWrites ? kErrorAccessDenied : kErrorSuccess;
    }
    void CloseKey(KeyHandle) override { ++closed; }

    std::optional<std::pair<std::uint32_t, ByteArray>> value;  // its type and bytes
    std::uint32_t deniedRights = 0;                            // an open asking any of these fails
    bool refuseWrites = false;
    std::function<void(int n, std::int32_t& status, std::uint32_t& length)> afterQuery =
        [](int, std::int32_t&, std::uint32_t&) {};
    bool nulAfter = false;  // a NUL followed the text last written, in memory
    int opened = 0, closed = 0, queries = 0;
};

}  // namespace quill::testing
