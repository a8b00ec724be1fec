#include "testing/memory_store.h"

#include <algorithm>
#include <cstring>

namespace quill::testing {
namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c; });
    return folded;
}

std::string Joined(const std::string& parent, std::string_view sub) {
    return sub.empty() ? parent : parent.empty() ? Folded(sub) : parent + '\\' + Folded(sub);
}

}  // namespace

std::optional<MemoryStore::Handle> MemoryStore::Find(KeyHandle key) const {
    if (key == kHkeyCurrentUser) {
        return Handle{"", ~0u};
    }
    const auto found = handles_.find(key);
    return found == handles_.end() ? std::nullopt : std::optional(found->second);
}

std::int32_t MemoryStore::OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                                  KeyHandle& result) {
    const auto from = Find(parent);
    const std::string path = from ? Joined(from->path, subKey) : "?";
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        return kErrorFileNotFound;
    }
    if ((key->second.deniedRights & access) != 0) {
        return kErrorAccessDenied;
    }
    result = nextHandle_++;  // never reused, so a stale handle is caught
    handles_.emplace(result, Handle{path, access});
    return kErrorSuccess;
}

std::int32_t MemoryStore::QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                                     std::uint8_t* data, std::uint32_t& length) {
    const auto handle = Find(key);
    if (!handle || (handle->access & kKeyQueryValue) == 0) {
        return kErrorAccessDenied;
    }
    const auto& values = keys_.at(handle->path).values;
    const auto found = values.find(Folded(valueName));
    type = found == values.end() ? kRegNone : found->second.type;
    if (found == values.end()) {
        return kErrorFileNotFound;
    }
    const ByteArray& stored = found->second.data;
    const bool fits = length >= stored.size();
    length = static_cast<std::uint32_t>(stored.size());
    if (!fits) {
        return kErrorMoreData;
    }
    std::copy(stored.begin(), stored.end(), data);
    return kErrorSuccess;
}

std::int32_t MemoryStore::SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t length) {
    const auto handle = Find(key);
    if (!handle || (handle->access & kKeySetValue) == 0) {
        return kErrorAccessDenied;
    }
    // A string whose length leaves out the NUL right after it gets it counted.
    const bool text = type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
    const bool nulAfter = text && length > 0 && data[length - 1] != 0 && data[length] == 0;
    keys_.at(handle->path).values[Folded(valueName)] = {type, {data, data + length + nulAfter}};
    return kErrorSuccess;
}

void MemoryStore::CloseKey(KeyHandle key) {
    badCloses_ += handles_.erase(key) == 0 ? 1 : 0;
}

void MemoryStore::CreateKey(std::string_view path, std::uint32_t deniedRights) {
    std::string made;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t cut = std::min(path.find('\\', start), path.size());
        made = Joined(made, path.substr(start, cut - start));
        keys_.try_emplace(made);
        start = cut + 1;
    }
    keys_.at(made).deniedRights = deniedRights;
}

void MemoryStore::Put(std::string_view path, std::string_view name, std::uint32_t type,
                      ByteArray data) {
    CreateKey(path);
    keys_.at(Folded(path)).values[Folded(name)] = {type, std::move(data)};
}

}  // namespace quill::testing
