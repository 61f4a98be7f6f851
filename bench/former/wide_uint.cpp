#include "former/wide_uint.h"

#include <algorithm>
#include <cassert>

namespace talvera::former {

WideUInt::WideUInt(UInt128 value)
    : limbs_{static_cast<std::uint64_t>(value), static_cast<std::uint64_t>(value >> 64U)} {}

WideUInt WideUInt::powerOfTen(int exponent) {
    assert(exponent >= 0 && exponent <= 115);
    WideUInt result(1);
    const WideUInt step(UInt128{10'000'000'000'000'000'000U});  // 10^19
    for (; exponent >= 19; exponent -= 19) {
        result = result * step;
    }
    std::uint64_t rest = 1;
    for (; exponent > 0; --exponent) {
        rest *= 10;
    }
    return result * WideUInt(rest);
}

bool WideUInt::isZero() const {
    return std::ranges::all_of(limbs_, [](std::uint64_t limb) { return limb == 0; });
}

bool WideUInt::fitsIn128() const {
    for (int i = 2; i < limbCount; ++i) {
        if (limbs_[i] != 0) {
            return false;
        }
    }
    return true;
}

UInt128 WideUInt::low128() const {
    return (UInt128{limbs_[1]} << 64U) | limbs_[0];
}

WideUInt& WideUInt::operator+=(const WideUInt& other) {
    UInt128 carry = 0;
    for (int i = 0; i < limbCount; ++i) {
        const UInt128 sum = UInt128{limbs_[i]} + other.limbs_[i] + carry;
        limbs_[i] = static_cast<std::uint64_t>(sum);
        carry = sum >> 64U;
    }
    assert(carry == 0);
    return *this;
}

WideUInt& WideUInt::operator-=(const WideUInt& other) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < limbCount; ++i) {
        const std::uint64_t a = limbs_[i];
        const std::uint64_t b = other.limbs_[i];
        limbs_[i] = a - b - borrow;
        borrow = (a < b || (a == b && borrow != 0)) ? 1 : 0;
    }
    assert(borrow == 0);
    return *this;
}

WideUInt operator*(const WideUInt& a, const WideUInt& b) {
    WideUInt product;
    for (int i = 0; i < WideUInt::limbCount; ++i) {
        if (a.limbs_[i] == 0) {
            continue;
        }
        UInt128 carry = 0;
        for (int j = 0; i + j < WideUInt::limbCount; ++j) {
            const UInt128 term = UInt128{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
            product.limbs_[i + j] = static_cast<std::uint64_t>(term);
            carry = term >> 64U;
        }
        assert(carry == 0);
    }
    return product;
}

std::uint64_t WideUInt::divideBySmall(std::uint64_t divisor) {
    assert(divisor != 0);
    UInt128 rest = 0;
    for (int i = limbCount - 1; i >= 0; --i) {
        const UInt128 current = (rest << 64U) | limbs_[i];
        limbs_[i] = static_cast<std::uint64_t>(current / divisor);
        rest = current % divisor;
    }
    return static_cast<std::uint64_t>(rest);
}

void WideUInt::shiftLeftOne() {
    for (int i = limbCount - 1; i > 0; --i) {
        limbs_[i] = (limbs_[i] << 1U) | (limbs_[i - 1] >> 63U);
    }
    limbs_[0] <<= 1U;
}

int WideUInt::bitLength() const {
    for (int i = limbCount - 1; i >= 0; --i) {
        if (limbs_[i] != 0) {
            return (i * 64) + 64 - __builtin_clzll(limbs_[i]);
        }
    }
    return 0;
}

bool WideUInt::bit(int index) const {
    return ((limbs_[index / 64] >> static_cast<unsigned>(index % 64)) & 1U) != 0;
}

WideUInt::DivisionResult WideUInt::divide(const WideUInt& dividend, const WideUInt& divisor) {
    assert(!divisor.isZero());
    if (divisor.fitsIn128() && dividend.fitsIn128()) {
        return {WideUInt(dividend.low128() / divisor.low128()),
                WideUInt(dividend.low128() % divisor.low128())};
    }
    // Schoolbook binary long division: at most 384 shift-and-subtract passes.
    DivisionResult result;
    for (int i = dividend.bitLength() - 1; i >= 0; --i) {
        result.remainder.shiftLeftOne();
        if (dividend.bit(i)) {
            result.remainder.limbs_[0] |= 1U;
        }
        if (result.remainder >= divisor) {
            result.remainder -= divisor;
            result.quotient.limbs_[i / 64] |= std::uint64_t{1} << static_cast<unsigned>(i % 64);
        }
    }
    return result;
}

std::strong_ordering operator<=>(const WideUInt& a, const WideUInt& b) {
    for (int i = WideUInt::limbCount - 1; i >= 0; --i) {
        if (a.limbs_[i] != b.limbs_[i]) {
            return a.limbs_[i] <=> b.limbs_[i];
        }
    }
    return std::strong_ordering::equal;
}

}  // namespace talvera::former
