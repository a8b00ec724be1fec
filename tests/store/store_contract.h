#pragma once

// What the program relies on from any settings store, with GetRegistryValue
// and SetRegistryValue on top. The suite runs natively against the in-memory
// store and under Wine against the real registry; each instantiation gives a
// store and a fresh, empty scratch key per test.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ports/registry_store.h"
#include "ports/text_codec.h"
#include "store/registry_access.h"

namespace quill::testing {

class StoreHarness {
  public:
    virtual ~StoreHarness() = default;
    virtual RegistryStore& Store() = 0;
    virtual const AnsiCodec& Codec() const = 0;
    // Path below HKEY_CURRENT_USER of an empty key for this test alone.
    virtual const std::string& ScratchKey() const = 0;
};

struct StoreFactory {
    std::string name;
    std::function<std::unique_ptr<StoreHarness>(const std::string& testName)> make;
};

inline std::ostream& operator<<(std::ostream& os, const StoreFactory& f) {
    return os << f.name;
}

class StoreContract : public ::testing::TestWithParam<StoreFactory> {
  protected:
    void SetUp() override;

    // A raw write of `length` bytes of `data` into the scratch key (all of
    // them when left out); the bytes after `length` stay in memory after it.
    void Seed(const std::string& name, std::uint32_t type, const ByteArray& data,
              std::uint32_t length = ~0u);
    // The raw bytes and type of a value, read with a buffer of 8 KB.
    std::pair<std::uint32_t, ByteArray> Raw(const std::string& name);

    ReadResult Get(const std::u16string& name, const Variant& def = Missing{});
    bool Set(const std::u16string& name, const Variant& value);
    std::u16string Scratch() const;

    std::unique_ptr<StoreHarness> harness_;
};

}  // namespace quill::testing
