#include "store/memory_store.h"

#include <algorithm>
#include <cstring>

namespace quill {
namespace {

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Orders names as the registry compares them: ignoring the case of letters.
struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return FoldCase(x) < FoldCase(y); });
    }
};

bool IsStringType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// Splits a key path at its backslashes; empty pieces are skipped.
std::vector<std::string_view> PathPieces(std::string_view path) {
    std::vector<std::string_view> pieces;
    while (!path.empty()) {
        const auto cut = path.find('\\');
        const auto piece = path.substr(0, cut);
        if (!piece.empty()) {
            pieces.push_back(piece);
        }
        if (cut == std::string_view::npos) {
            break;
        }
        path.remove_prefix(cut + 1);
    }
    return pieces;
}

}  // namespace

struct MemoryStore::Key {
    std::string path;  // below HKEY_CURRENT_USER, as first created
    std::map<std::string, StoredValue, NoCaseLess> values;
    std::map<std::string, std::unique_ptr<Key>, NoCaseLess> subkeys;
    std::uint32_t deniedRights = 0;
};

MemoryStore::MemoryStore() : root_(std::make_unique<Key>()) {}
MemoryStore::~MemoryStore() = default;

MemoryStore::Key* MemoryStore::Find(Key* from, std::string_view subPath) const {
    Key* key = from;
    for (auto piece : PathPieces(subPath)) {
        auto it = key->subkeys.find(piece);
        if (it == key->subkeys.end()) {
            return nullptr;
        }
        key = it->second.get();
    }
    return key;
}

MemoryStore::Key* MemoryStore::FindOrCreate(std::string_view path) {
    Key* key = root_.get();
    for (auto piece : PathPieces(path)) {
        auto it = key->subkeys.find(piece);
        if (it == key->subkeys.end()) {
            auto child = std::make_unique<Key>();
            child->path =
                key->path.empty() ? std::string(piece) : key->path + '\\' + std::string(piece);
            it = key->subkeys.emplace(std::string(piece), std::move(child)).first;
        }
        key = it->second.get();
    }
    return key;
}

MemoryStore::Key* MemoryStore::KeyOf(KeyHandle handle, std::uint32_t* access) const {
    if (handle == kHkeyCurrentUser) {
        *access = ~0u;
        return root_.get();
    }
    auto it = handles_.find(handle);
    if (it == handles_.end()) {
        return nullptr;
    }
    *access = it->second.access;
    return it->second.key;
}

std::int32_t MemoryStore::OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                                  KeyHandle& result) {
    std::uint32_t parentAccess = 0;
    Key* from = KeyOf(parent, &parentAccess);
    if (from == nullptr) {
        return kErrorInvalidHandle;
    }
    Key* key = Find(from, subKey);
    if (key == nullptr) {
        return kErrorFileNotFound;
    }
    if ((key->deniedRights & access) != 0) {
        return kErrorAccessDenied;
    }
    result = nextHandle_;
    nextHandle_ += 4;  // handles are never reused, so a stale one is caught
    handles_.emplace(result, OpenHandle{key, access});
    return kErrorSuccess;
}

std::int32_t MemoryStore::QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                                     std::uint8_t* data, std::uint32_t& length) {
    std::uint32_t access = 0;
    Key* k = KeyOf(key, &access);
    if (k == nullptr) {
        return kErrorInvalidHandle;
    }
    if ((access & kKeyQueryValue) == 0) {
        return kErrorAccessDenied;
    }
    auto it = k->values.find(valueName);
    if (it == k->values.end()) {
        type = kRegNone;  // as the platform does; the length stays
        return kErrorFileNotFound;
    }
    const StoredValue& value = it->second;
    const auto size = static_cast<std::uint32_t>(value.data.size());
    type = value.type;
    if (data != nullptr && length < size) {
        length = size;
        return kErrorMoreData;
    }
    if (data != nullptr && size > 0) {
        std::memcpy(data, value.data.data(), size);
    }
    length = size;
    return kErrorSuccess;
}

std::int32_t MemoryStore::InjectedSetFailure(std::string_view valueName) {
    if (setCallsUntilFailure_ > 0 && --setCallsUntilFailure_ == 0) {
        return nthFailureStatus_;
    }
    for (const auto& [name, status] : failingNames_) {
        if (!NoCaseLess{}(name, valueName) && !NoCaseLess{}(valueName, name)) {
            return status;
        }
    }
    return kErrorSuccess;
}

std::int32_t MemoryStore::SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t length) {
    SetValueCall call{{}, std::string(valueName), type, {}, kErrorSuccess};
    if (data != nullptr) {
        call.data.assign(data, data + length);
    }
    std::uint32_t access = 0;
    Key* k = KeyOf(key, &access);
    const std::int32_t injected = InjectedSetFailure(valueName);
    if (k != nullptr) {
        call.keyPath = k->path;
    }
    if (k == nullptr) {
        call.status = kErrorInvalidHandle;
    } else if ((access & kKeySetValue) == 0) {
        call.status = kErrorAccessDenied;
    } else if (data == nullptr && length > 0) {
        call.status = 998;  // ERROR_NOACCESS
    } else if (injected != kErrorSuccess) {
        call.status = injected;
    } else {
        // Like the platform: a string whose length leaves out the NUL right
        // after it gets the NUL counted.
        std::uint32_t stored = length;
        if (IsStringType(type) && length > 0 && data[length - 1] != 0 && data[length] == 0) {
            ++stored;
        }
        StoredValue& value = k->values[std::string(valueName)];
        value.type = type;
        value.data.assign(data, data + stored);
    }
    setLog_.push_back(call);
    return call.status;
}

void MemoryStore::CloseKey(KeyHandle key) {
    if (key == kHkeyCurrentUser) {
        return;
    }
    if (handles_.erase(key) == 0) {
        ++badCloses_;
    }
}

void MemoryStore::CreateKey(std::string_view path) {
    FindOrCreate(path);
}

bool MemoryStore::HasKey(std::string_view path) const {
    return Find(root_.get(), path) != nullptr;
}

void MemoryStore::Put(std::string_view path, std::string_view name, std::uint32_t type,
                      ByteArray data) {
    FindOrCreate(path)->values[std::string(name)] = StoredValue{type, std::move(data)};
}

void MemoryStore::PutString(std::string_view path, std::string_view name, std::string_view text) {
    ByteArray data(text.begin(), text.end());
    data.push_back(0);
    Put(path, name, kRegSz, std::move(data));
}

std::optional<MemoryStore::StoredValue> MemoryStore::Get(std::string_view path,
                                                         std::string_view name) const {
    const Key* key = Find(root_.get(), path);
    if (key == nullptr) {
        return std::nullopt;
    }
    auto it = key->values.find(name);
    if (it == key->values.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool MemoryStore::Has(std::string_view path, std::string_view name) const {
    return Get(path, name).has_value();
}

void MemoryStore::Remove(std::string_view path, std::string_view name) {
    if (Key* key = Find(root_.get(), path)) {
        if (auto it = key->values.find(name); it != key->values.end()) {
            key->values.erase(it);
        }
    }
}

void MemoryStore::DenyOpen(std::string_view path, std::uint32_t rights) {
    FindOrCreate(path)->deniedRights |= rights;
}

void MemoryStore::FailNthSetValue(int n, std::int32_t status) {
    setCallsUntilFailure_ = n;
    nthFailureStatus_ = status;
}

void MemoryStore::FailWritesTo(std::string_view name, std::int32_t status) {
    failingNames_.emplace_back(std::string(name), status);
}

}  // namespace quill
