#pragma once

#include <array>
#include <compare>
#include <cstdint>

#include "decimal.h"

namespace talvera::former {

// A 384-bit unsigned integer: wide enough for every exact intermediate of the scaled decimal
// (a 96-bit magnitude times 10^56 times 10^28 still fits). Only what Decimal needs is here.
class WideUInt {
  public:
    static constexpr int limbCount = 6;

    constexpr WideUInt() = default;
    explicit WideUInt(UInt128 value);

    static WideUInt powerOfTen(int exponent);  // 0 <= exponent <= 115

    bool isZero() const;
    bool isOdd() const { return (limbs_[0] & 1U) != 0; }
    bool fitsIn128() const;
    UInt128 low128() const;

    WideUInt& operator+=(const WideUInt& other);
    WideUInt& operator-=(const WideUInt& other);  // requires *this >= other
    friend WideUInt operator+(WideUInt a, const WideUInt& b) { return a += b; }
    friend WideUInt operator-(WideUInt a, const WideUInt& b) { return a -= b; }
    friend WideUInt operator*(const WideUInt& a, const WideUInt& b);

    // Divides in place by a small divisor and returns the remainder.
    std::uint64_t divideBySmall(std::uint64_t divisor);

    struct DivisionResult;
    // Truncated division; the divisor must not be zero.
    static DivisionResult divide(const WideUInt& dividend, const WideUInt& divisor);

    friend bool operator==(const WideUInt&, const WideUInt&) = default;
    friend std::strong_ordering operator<=>(const WideUInt& a, const WideUInt& b);

  private:
    void shiftLeftOne();
    int bitLength() const;
    bool bit(int index) const;

    std::array<std::uint64_t, limbCount> limbs_{};
};

struct WideUInt::DivisionResult {
    WideUInt quotient;
    WideUInt remainder;
};

}  // namespace talvera::former
