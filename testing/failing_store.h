#pragma once

#include "win32/registry_store.h"

namespace quill::testing {

// The registry, refusing one write: the n-th SetValue after FailWrite(n)
// (1 = the next one) is denied.
class FailingStore final : public win32::RegistryStore {
  public:
    void FailWrite(int n) { writesUntilFailure_ = n; }
    std::int32_t SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override {
        return --writesUntilFailure_ == 0
                   ? kErrorAccessDenied
                   : win32::RegistryStore::SetValue(key, name, type, data, length);
    }

  private:
    int writesUntilFailure_ = 0;
};

}  // namespace quill::testing
