#pragma once

// The reference the decimal is checked against: unbounded naturals in base 2^32 and signed
// fractions over them, deliberately naive (schoolbook product and division) to check by eye.

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/decimal.h"

namespace talvera::core::testing {

class Natural {
  public:
    Natural() = default;
    Natural(UInt128 value) {  // NOLINT(google-explicit-constructor): literals read better
        for (; value != 0; value >>= 32U) {
            limbs_.push_back(static_cast<std::uint32_t>(value));
        }
    }

    bool isZero() const { return limbs_.empty(); }
    UInt128 low128() const {  // the value modulo 2^128
        return std::accumulate(
            limbs_.rbegin(), limbs_.rend(), UInt128{0},
            [](UInt128 value, std::uint32_t limb) { return (value << 32U) | limb; });
    }

    // There are no leading zero limbs, so the longer natural is the larger.
    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
        return a.limbs_.size() != b.limbs_.size()
                   ? a.limbs_.size() <=> b.limbs_.size()
                   : std::lexicographical_compare_three_way(a.limbs_.rbegin(), a.limbs_.rend(),
                                                            b.limbs_.rbegin(), b.limbs_.rend());
    }

    friend Natural operator+(const Natural& a, const Natural& b) {
        Natural sum;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(a.limbs_.size(), b.limbs_.size()) || carry != 0; ++i) {
            carry += std::uint64_t{a.limb(i)} + b.limb(i);
            sum.limbs_.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32U;
        }
        return sum.trimmed();
    }

    friend Natural operator-(Natural a, const Natural& b) {  // for a >= b only
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
            const std::int64_t digit = std::int64_t{a.limbs_[i]} - b.limb(i) - borrow;
            borrow = digit < 0 ? 1 : 0;
            a.limbs_[i] = static_cast<std::uint32_t>(digit);  // modulo 2^32
        }
        return a.trimmed();
    }

    friend Natural operator*(const Natural& a, const Natural& b) {
        Natural product;
        product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
        for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
                carry += std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j];
                product.limbs_[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32U;
            }
            product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
        }
        return product.trimmed();
    }

    // Quotient and remainder, bringing down one bit of a at a time; b must not be 0.
    friend std::pair<Natural, Natural> divMod(const Natural& a, const Natural& b) {
        Natural quotient;
        quotient.limbs_.assign(a.limbs_.size(), 0);
        Natural rest;
        for (std::size_t bit = 32 * a.limbs_.size(); bit-- > 0;) {
            std::uint32_t carry = (a.limbs_[bit / 32] >> (bit % 32)) & 1U;
            for (std::uint32_t& limb : rest.limbs_) {  // rest = 2 * rest + that bit
                carry = std::exchange(limb, (limb << 1U) | carry) >> 31U;
            }
            if (carry != 0) {
                rest.limbs_.push_back(carry);
            }
            if (rest >= b) {
                rest = rest - b;
                quotient.limbs_[bit / 32] |= 1U << (bit % 32);
            }
        }
        return {quotient.trimmed(), rest};
    }

  private:
    std::uint32_t limb(std::size_t i) const { return i < limbs_.size() ? limbs_[i] : 0; }
    Natural& trimmed() {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
        return *this;
    }

    std::vector<std::uint32_t> limbs_;  // least significant first
};

inline UInt128 powerOfTen(int exponent) {
    return exponent == 0 ? 1 : 10 * powerOfTen(exponent - 1);
}

// A signed fraction, denominator nonzero; a zero numerator is zero whatever the sign says.
struct Rational {
    bool negative = false;
    Natural numerator;
    Natural denominator{1};

    friend Rational operator+(const Rational& a, const Rational& b) {
        const Natural x = a.numerator * b.denominator;
        const Natural y = b.numerator * a.denominator;
        const Natural common = a.denominator * b.denominator;
        if (a.negative == b.negative) {
            return {a.negative, x + y, common};
        }
        return x >= y ? Rational{a.negative, x - y, common} : Rational{b.negative, y - x, common};
    }
    friend Rational operator-(const Rational& a, const Rational& b) {
        return a + Rational{!b.negative, b.numerator, b.denominator};
    }
    friend Rational operator*(const Rational& a, const Rational& b) {
        return {a.negative != b.negative, a.numerator * b.numerator, a.denominator * b.denominator};
    }
    friend Rational operator/(const Rational& a, const Rational& b) {  // b must not be 0
        return {a.negative != b.negative, a.numerator * b.denominator, a.denominator * b.numerator};
    }
    // a - trunc(a / b) * b: over the common denominator it is |a| mod |b| with the sign of a.
    friend Rational remainder(const Rational& a, const Rational& b) {
        return {a.negative, divMod(a.numerator * b.denominator, b.numerator * a.denominator).second,
                a.denominator * b.denominator};
    }
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
        const Rational difference = a - b;
        return difference.numerator.isZero() ? std::strong_ordering::equal
               : difference.negative         ? std::strong_ordering::less
                                             : std::strong_ordering::greater;
    }
};

// ± magnitude / 10^scale; as the reference's result, also whether it had to be rounded.
struct DecimalParts {
    bool negative = false;
    UInt128 magnitude = 0;
    int scale = 0;
    bool rounded = false;  // the exact value did not fit
    bool tie = false;      // ... and lay exactly halfway between two candidates

    Rational value() const { return {negative, magnitude, powerOfTen(scale)}; }

    // The number text, with whatever trailing zeros the scale implies.
    std::string text() const {
        const auto places = static_cast<std::size_t>(scale);
        std::string digits;
        for (UInt128 rest = magnitude; rest != 0 || digits.size() <= places; rest /= 10) {
            digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
        }
        const std::string point = places > 0 ? "." : "";
        return (negative ? "-" : "") + digits.insert(digits.size() - places, point);
    }
};

inline std::string digitsOf(UInt128 value) {
    return DecimalParts{false, value}.text();
}

// The decimal an exact value becomes: rounded half to even at the largest scale up to 28 whose
// magnitude fits, then at the smallest scale that holds it; nothing when no scale fits.
inline std::optional<DecimalParts> toDecimalParts(const Rational& value) {
    const Natural largest{Decimal::maxMagnitude};
    const Natural whole = divMod(value.numerator, value.denominator).first;
    for (int scale = Decimal::maxScale; scale >= 0; --scale) {
        const Natural power{powerOfTen(scale)};
        if (whole * power > largest) {
            continue;  // spares a long division that cannot fit
        }
        auto [magnitude, rest] = divMod(value.numerator * power, value.denominator);
        const auto half = rest + rest <=> value.denominator;
        if (std::is_gt(half) || (std::is_eq(half) && (magnitude.low128() & 1U) != 0)) {
            magnitude = magnitude + Natural{1};
        }
        if (magnitude > largest) {
            continue;
        }
        DecimalParts parts{false, magnitude.low128(), scale, !rest.isZero(), std::is_eq(half)};
        while (parts.scale > 0 && parts.magnitude % 10 == 0) {
            parts.magnitude /= 10;
            --parts.scale;
        }
        parts.negative = value.negative && parts.magnitude != 0;
        return parts;
    }
    return std::nullopt;
}

}  // namespace talvera::core::testing
