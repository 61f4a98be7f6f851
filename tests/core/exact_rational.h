#pragma once

// The reference the decimal is checked against: Boost's unbounded integers and exact
// fractions, which know nothing of the decimal's 96-bit bound, its scales or its rounding.

#include <boost/multiprecision/cpp_int.hpp>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/decimal.h"

namespace talvera::core::testing {

using Integer = boost::multiprecision::cpp_int;
using ExactFraction = boost::multiprecision::cpp_rational;

// An unbounded natural number.
class Natural {
  public:
    Natural() = default;
    Natural(UInt128 value)  // NOLINT(google-explicit-constructor): literals read better
        : value_(highHalf(value)) {
        value_ <<= 64U;
        value_ |= static_cast<std::uint64_t>(value);
    }
    explicit Natural(Integer value) : value_(std::move(value)) {}

    const Integer& integer() const { return value_; }
    bool isZero() const { return value_.is_zero(); }
    UInt128 low128() const {  // the value modulo 2^128
        const auto low = static_cast<std::uint64_t>(value_ & lowMask());
        const auto high = static_cast<std::uint64_t>((value_ >> 64U) & lowMask());
        return (UInt128{high} << 64U) | low;
    }

    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
        return a.value_.compare(b.value_) <=> 0;
    }
    friend bool operator==(const Natural& a, const Natural& b) { return a.value_ == b.value_; }

    friend Natural operator+(const Natural& a, const Natural& b) {
        return Natural{Integer{a.value_ + b.value_}};
    }
    friend Natural operator-(const Natural& a, const Natural& b) {  // for a >= b only
        return Natural{Integer{a.value_ - b.value_}};
    }
    friend Natural operator*(const Natural& a, const Natural& b) {
        return Natural{Integer{a.value_ * b.value_}};
    }

    // Quotient and remainder; b must not be 0.
    friend std::pair<Natural, Natural> divMod(const Natural& a, const Natural& b) {
        Integer quotient;
        Integer rest;
        divide_qr(a.value_, b.value_, quotient, rest);
        return {Natural{std::move(quotient)}, Natural{std::move(rest)}};
    }

  private:
    static std::uint64_t highHalf(UInt128 value) {
        return static_cast<std::uint64_t>(value >> 64U);
    }
    static Integer lowMask() { return Integer{~std::uint64_t{0}}; }

    Integer value_;
};

inline UInt128 powerOfTen(int exponent) {
    return exponent == 0 ? 1 : 10 * powerOfTen(exponent - 1);
}

// A signed fraction, denominator nonzero; a zero numerator is zero whatever the sign says.
// Results of its arithmetic come in lowest terms.
struct Rational {
    bool negative = false;
    Natural numerator;
    Natural denominator{1};

    ExactFraction exact() const {
        ExactFraction value(numerator.integer(), denominator.integer());
        return negative ? ExactFraction{-value} : value;
    }
    static Rational of(const ExactFraction& value) {
        return {value.sign() < 0, Natural{Integer{abs(boost::multiprecision::numerator(value))}},
                Natural{Integer{boost::multiprecision::denominator(value)}}};
    }

    friend Rational operator+(const Rational& a, const Rational& b) {
        return of(a.exact() + b.exact());
    }
    friend Rational operator-(const Rational& a, const Rational& b) {
        return of(a.exact() - b.exact());
    }
    friend Rational operator*(const Rational& a, const Rational& b) {
        return of(a.exact() * b.exact());
    }
    friend Rational operator/(const Rational& a, const Rational& b) {  // b must not be 0
        return of(a.exact() / b.exact());
    }
    // a - trunc(a / b) * b, with the sign of a (or zero).
    friend Rational remainder(const Rational& a, const Rational& b) {
        const ExactFraction quotient = a.exact() / b.exact();
        // The integer division of numerator by denominator truncates toward zero.
        const Integer truncated = boost::multiprecision::numerator(quotient) /
                                  boost::multiprecision::denominator(quotient);
        return of(a.exact() - ExactFraction{truncated} * b.exact());
    }
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
        return a.exact().compare(b.exact()) <=> 0;
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
