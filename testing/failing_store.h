#pragma once

#include "ports/registry_store.h"

namespace quill::testing {

// Passes every call to another store but refuses one write: the n-th
// SetValue after FailWrite(n) (1 = the next one) is denied.
class FailingStore final : public RegistryStore {
  public:
    explicit FailingStore(RegistryStore& inner) : inner_(inner) {}
    void FailWrite(int n) { writesUntilFailure_ = n; }

    std::int32_t OpenKey(KeyHandle parent, std::string_view sub, std::uint32_t access,
                         KeyHandle& result) override {
        return inner_.OpenKey(parent, sub, access, result);
    }
    std::int32_t QueryValue(KeyHandle key, std::string_view name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override {
        return inner_.QueryValue(key, name, type, data, length);
    }
    std::int32_t SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override {
        return --writesUntilFailure_ == 0 ? kErrorAccessDenied
                                          : inner_.SetValue(key, name, type, data, length);
    }
    void CloseKey(KeyHandle key) override { inner_.CloseKey(key); }

  private:
    RegistryStore& inner_;
    int writesUntilFailure_ = 0;
};

}  // namespace quill::testing
