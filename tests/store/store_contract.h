#pragma once

// What the program relies on from any settings store, through
// GetRegistryValue and SetRegistryValue. It runs natively against the
// in-memory store and under Wine against the real registry; each gives a
// store and a fresh, empty scratch key below HKEY_CURRENT_USER per test.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ports/registry_store.h"
#include "ports/text_codec.h"

namespace quill::testing {

struct StoreUnderTest {
    virtual ~StoreUnderTest() = default;
    virtual RegistryStore& Store() = 0;
    virtual const AnsiCodec& Codec() = 0;
    std::string scratchKey;
};

using StoreFactory = std::function<std::unique_ptr<StoreUnderTest>()>;

class StoreContract : public ::testing::TestWithParam<StoreFactory> {};

}  // namespace quill::testing
