#include "testing/memory_store.h"

#include <cstring>

namespace quill::testing {
namespace {

// Names compare as the registry compares them: ignoring the case of letters.
std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::string Joined(const std::string& parent, std::string_view sub) {
    if (sub.empty()) {
        return parent;
    }
    return parent.empty() ? Folded(sub) : parent + '\\' + Folded(sub);
}

}  // namespace

const MemoryStore::Handle* MemoryStore::Find(KeyHandle key) const {
    static const Handle root{"", ~0u};
    if (key == kHkeyCurrentUser) {
        return &root;
    }
    const auto found = handles_.find(key);
    return found == handles_.end() ? nullptr : &found->second;
}

std::int32_t MemoryStore::OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                                  KeyHandle& result) {
    const Handle* from = Find(parent);
    if (from == nullptr) {
        return 6;  // ERROR_INVALID_HANDLE
    }
    const std::string path = Joined(from->path, subKey);
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        return kErrorFileNotFound;
    }
    if ((key->second.deniedRights & access) != 0) {
        return kErrorAccessDenied;
    }
    result = nextHandle_;
    nextHandle_ += 4;  // never reused, so a stale handle is caught
    handles_.emplace(result, Handle{path, access});
    return kErrorSuccess;
}

std::int32_t MemoryStore::QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                                     std::uint8_t* data, std::uint32_t& length) {
    const Handle* handle = Find(key);
    if (handle == nullptr || (handle->access & kKeyQueryValue) == 0) {
        return kErrorAccessDenied;
    }
    const auto& values = keys_.at(handle->path).values;
    const auto found = values.find(Folded(valueName));
    if (found == values.end()) {
        type = kRegNone;
        return kErrorFileNotFound;
    }
    const ByteArray& stored = found->second.data;
    type = found->second.type;
    const bool fits = length >= stored.size();
    length = static_cast<std::uint32_t>(stored.size());
    if (!fits) {
        return kErrorMoreData;
    }
    std::memcpy(data, stored.data(), stored.size());
    return kErrorSuccess;
}

std::int32_t MemoryStore::SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t length) {
    const Handle* handle = Find(key);
    if (handle == nullptr || (handle->access & kKeySetValue) == 0) {
        return kErrorAccessDenied;
    }
    // A string whose length leaves out the NUL right after it gets it counted.
    const bool text = type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
    const std::uint32_t stored =
        length + (text && length > 0 && data[length - 1] != 0 && data[length] == 0 ? 1 : 0);
    keys_.at(handle->path).values[Folded(valueName)] = {type, ByteArray(data, data + stored)};
    return kErrorSuccess;
}

void MemoryStore::CloseKey(KeyHandle key) {
    if (key != kHkeyCurrentUser && handles_.erase(key) == 0) {
        ++badCloses_;
    }
}

void MemoryStore::CreateKey(std::string_view path) {
    std::string made;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t cut = std::min(path.find('\\', start), path.size());
        made = Joined(made, path.substr(start, cut - start));
        keys_.try_emplace(made);
        start = cut + 1;
    }
}

void MemoryStore::Put(std::string_view path, std::string_view name, std::uint32_t type,
                      ByteArray data) {
    CreateKey(path);
    keys_.at(Folded(path)).values[Folded(name)] = {type, std::move(data)};
}

std::optional<MemoryStore::StoredValue> MemoryStore::Get(std::string_view path,
                                                         std::string_view name) const {
    const auto key = keys_.find(Folded(path));
    if (key == keys_.end() || !key->second.values.contains(Folded(name))) {
        return std::nullopt;
    }
    return key->second.values.at(Folded(name));
}

void MemoryStore::Remove(std::string_view path, std::string_view name) {
    keys_.at(Folded(path)).values.erase(Folded(name));
}

void MemoryStore::DenyOpen(std::string_view path, std::uint32_t rights) {
    CreateKey(path);
    keys_.at(Folded(path)).deniedRights |= rights;
}

}  // namespace quill::testing
