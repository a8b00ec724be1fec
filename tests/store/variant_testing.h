#pragma once

// Comparing and printing store variants in tests (std::span, one of the
// cases, has no ==, so neither has the variant).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>

#include "store/variant.h"

namespace quill::test {

inline std::string Describe(const Variant& value) {
    return "case " + std::to_string(value.index()) + " " +
           std::visit([](const auto& v) { return ::testing::PrintToString(v); }, value);
}

// Same case and same content.
inline bool SameVariant(const Variant& a, const Variant& b) {
    if (a.index() != b.index()) {
        return false;
    }
    return std::visit(
        [&](const auto& x) {
            using T = std::decay_t<decltype(x)>;
            const auto& y = std::get<T>(b);
            if constexpr (std::is_same_v<T, ByteArrayRef>) {
                return std::equal(x.begin(), x.end(), y.begin(), y.end());
            } else {
                return x == y;
            }
        },
        a);
}

inline ::testing::AssertionResult VariantEq(const char* actualExpr, const char* expectedExpr,
                                            const Variant& actual, const Variant& expected) {
    if (SameVariant(actual, expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actualExpr << " is " << Describe(actual) << "\n"
                                         << expectedExpr << " is " << Describe(expected);
}

}  // namespace quill::test

#define EXPECT_VARIANT_EQ(actual, expected) \
    EXPECT_PRED_FORMAT2(::quill::test::VariantEq, actual, expected)
