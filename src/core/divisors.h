#pragma once

#include <optional>
#include <string_view>

#include "decimal.h"
#include "fraction.h"

namespace talvera::core {

// Greatest common divisor of two whole values, by Euclid's algorithm on exact remainders.
// Signs are ignored; gcd(x, 0) = |x| and gcd(0, 0) = 0. Returns nothing when either value is
// not whole: callers report that with their own message.
std::optional<Decimal> greatestCommonDivisor(const Decimal& x, const Decimal& y);

// The same for two numeric texts, as read back from result boxes. Returns nothing when either
// text is not numeric or not whole; a text beyond the range is a CapacityError.
std::optional<Decimal> greatestCommonDivisor(std::string_view x, std::string_view y);

// Least common multiple of two positive whole values, computed as a / gcd(a, b) * b so that large
// coprime values cost no more than small ones. A result beyond the range is a CapacityError.
Decimal leastCommonMultiple(const Decimal& a, const Decimal& b);

// Divides both terms by their greatest common divisor; the signs stay where they are
// (1 over -6 stays 1 over -6). 0 over 0 is a CapacityError (a division by zero).
Fraction reduce(const Decimal& numerator, const Decimal& denominator);

}  // namespace talvera::core
