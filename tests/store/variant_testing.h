#pragma once

// Comparing and printing store variants in tests (std::span, one of the
// cases, has no ==, so neither has the variant).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <type_traits>

#include "store/variant.h"

namespace quill::test {

inline std::string Describe(const Variant& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Empty>) {
                return "Empty";
            } else if constexpr (std::is_same_v<T, Missing>) {
                return "Missing";
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                return "int16 " + std::to_string(v);
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return "int32 " + std::to_string(v);
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "bool true" : "bool false";
            } else if constexpr (std::is_same_v<T, double>) {
                return "double " + std::to_string(v);
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                std::string out = "text \"";
                for (char16_t c : v) {
                    if (c >= 0x20 && c < 0x7F) {
                        out.push_back(static_cast<char>(c));
                    } else {
                        char hex[12];
                        std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(c));
                        out += hex;
                    }
                }
                return out + "\" (" + std::to_string(v.size()) + " units)";
            } else {
                std::string out = std::is_same_v<T, ByteArray> ? "bytes[" : "byte-ref[";
                out += std::to_string(v.size()) + "]";
                for (std::size_t i = 0; i < v.size() && i < 16; ++i) {
                    char hex[4];
                    std::snprintf(hex, sizeof hex, " %02X", static_cast<unsigned>(v[i]));
                    out += hex;
                }
                return v.size() > 16 ? out + " ..." : out;
            }
        },
        value);
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
