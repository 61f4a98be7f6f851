#pragma once

#include <optional>

#include "decimal.h"

namespace talvera::core {

// A fraction of two scaled decimals, as the pages form it: not reduced, signs where they fell.
struct Fraction {
    Decimal numerator;
    Decimal denominator;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The four operations as the pages teach them, before any reduction: a sum or difference over
// the product of the denominators, a product term by term, and a quotient as the product with
// the second fraction inverted. A term beyond the scaled decimal's range is a CapacityError.
Fraction operator+(const Fraction& a, const Fraction& b);
Fraction operator-(const Fraction& a, const Fraction& b);
Fraction operator*(const Fraction& a, const Fraction& b);
Fraction operator/(const Fraction& a, const Fraction& b);

// The sign of n over d: -1, 0 or 1, without forming a product that might not fit; 0 when either
// term is 0.
int signOf(const Fraction& fraction);

// The whole value of n over d, when it is one: 1 when the terms are equal, else n / d when the
// divisibility test on remainder integers leaves nothing. Terms beyond 32 bits, or d = 0, are a
// CapacityError at that test.
std::optional<Decimal> wholeValue(const Fraction& fraction);

}  // namespace talvera::core
