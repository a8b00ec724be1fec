#pragma once

// The behaviour every RegistryStore must show, with GetRegistryValue and
// SetRegistryValue on top. The suite runs natively against MemoryStore and
// under Wine against the real registry; each instantiation supplies a
// harness that gives a store and a fresh, empty scratch key per test.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "store/message_box.h"
#include "store/registry_access.h"
#include "store/registry_store.h"
#include "store/text_codec.h"
#include "store/variant.h"

namespace quill::test {

class StoreHarness {
  public:
    virtual ~StoreHarness() = default;
    virtual RegistryStore& Store() = 0;
    virtual const AnsiCodec& Codec() const = 0;
    // Path below HKEY_CURRENT_USER of an empty key that exists for this test
    // alone and is gone afterwards.
    virtual const std::string& ScratchKey() const = 0;
};

struct StoreFactory {
    std::string name;
    // Given a name unique to the running test.
    std::function<std::unique_ptr<StoreHarness>(const std::string& testName)> make;
};

inline std::ostream& operator<<(std::ostream& os, const StoreFactory& f) {
    return os << f.name;
}

// Records every message instead of showing it.
class RecordingMessages final : public MessageBoxPort {
  public:
    void ShowMessage(std::u16string_view text) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

// The raw result of one query with a buffer of a given size.
struct RawQuery {
    std::int32_t status = 0;
    std::uint32_t type = 0;
    std::uint32_t length = 0;
    std::vector<std::uint8_t> data;  // the first `length` bytes on success
};

class StoreContract : public ::testing::TestWithParam<StoreFactory> {
  protected:
    void SetUp() override;

    RegistryStore& Store() { return harness_->Store(); }
    const AnsiCodec& Codec() const { return harness_->Codec(); }
    const std::string& Scratch() const { return harness_->ScratchKey(); }
    std::u16string ScratchText() const;

    // Raw store steps on the scratch key; each opens and closes its own handle.
    // Writes `length` bytes of `data` (all of it when left out); bytes beyond
    // `length` stay in memory right after the data.
    std::int32_t Seed(const std::string& name, std::uint32_t type,
                      const std::vector<std::uint8_t>& data, std::uint32_t length = ~0u);
    RawQuery Query(const std::string& name, std::uint32_t bufferSize = 4096,
                   std::uint32_t typeBefore = 0);

    // GetRegistryValue / SetRegistryValue on the scratch key.
    RegistryAccess Access();
    Variant Get(std::u16string_view name, const Variant& def = Missing{});
    bool Set(std::u16string_view name, const Variant& value);

    std::unique_ptr<StoreHarness> harness_;
    RecordingMessages messages_;
};

}  // namespace quill::test
