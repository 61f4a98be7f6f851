#include "core/fraction.h"

#include "core/fixed_width.h"

namespace talvera::core {

Fraction operator+(const Fraction& a, const Fraction& b) {
    return {a.numerator * b.denominator + b.numerator * a.denominator,
            a.denominator * b.denominator};
}

Fraction operator-(const Fraction& a, const Fraction& b) {
    return {a.numerator * b.denominator - b.numerator * a.denominator,
            a.denominator * b.denominator};
}

Fraction operator*(const Fraction& a, const Fraction& b) {
    return {a.numerator * b.numerator, a.denominator * b.denominator};
}

Fraction operator/(const Fraction& a, const Fraction& b) {
    return {a.numerator * b.denominator, a.denominator * b.numerator};
}

namespace {

int signOf(const Decimal& value) {
    if (value.isZero()) {
        return 0;
    }
    return value.isNegative() ? -1 : 1;
}

}  // namespace

int signOf(const Fraction& fraction) {
    return signOf(fraction.numerator) * signOf(fraction.denominator);
}

std::optional<Decimal> wholeValue(const Fraction& fraction) {
    const auto& [n, d] = fraction;
    // Equal terms are 1 even where they are too large for the remainder integers.
    if (d == n) {
        return Decimal::fromInteger(1);
    }
    if (remainder32(n, d) == 0) {
        return n / d;
    }
    return std::nullopt;
}

}  // namespace talvera::core
