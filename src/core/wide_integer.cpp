#include "core/wide_integer.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace talvera::core {

namespace {

constexpr int largestNarrowExponent = 38;  // 10^38 < 2^128 < 10^39

constexpr std::array<UInt128, largestNarrowExponent + 1> narrowPowersOfTen = [] {
    std::array<UInt128, largestNarrowExponent + 1> powers{};
    UInt128 power = 1;
    for (UInt128& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

}  // namespace

WideInteger tenToThe(int exponent) {
    assert(exponent >= 0 && exponent <= 115);
    WideInteger result =
        narrowPowersOfTen[static_cast<std::size_t>(exponent % largestNarrowExponent)];
    for (; exponent >= largestNarrowExponent; exponent -= largestNarrowExponent) {
        result *= narrowPowersOfTen[largestNarrowExponent];
    }
    return result;
}

UInt128 low128(const WideInteger& value) {
    const auto& backend = value.backend();
    const auto* limbs = backend.limbs();
    UInt128 result = limbs[0];
    if (backend.size() > 1) {
        result |= UInt128{limbs[1]} << 64U;
    }
    return result;
}

}  // namespace talvera::core
