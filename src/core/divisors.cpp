#include "core/divisors.h"

#include <utility>

#include "core/capacity_error.h"
#include "core/number_reading.h"

namespace talvera::core {

std::optional<Decimal> greatestCommonDivisor(const Decimal& x, const Decimal& y) {
    if (!x.isWhole() || !y.isWhole()) {
        return std::nullopt;
    }
    // Whole values are their magnitudes, so Euclid runs on exact integer remainders.
    UInt128 a = x.magnitude();
    UInt128 b = y.magnitude();
    while (b != 0) {
        a = std::exchange(b, a % b);
    }
    return Decimal::fromMagnitude(false, a);
}

std::optional<Decimal> greatestCommonDivisor(std::string_view x, std::string_view y) {
    const auto a = Decimal::parse(x);
    const auto b = Decimal::parse(y);
    if (!a || !b) {
        return std::nullopt;
    }
    return greatestCommonDivisor(*a, *b);
}

Decimal leastCommonMultiple(const Decimal& a, const Decimal& b) {
    const auto divisor = greatestCommonDivisor(a, b);
    if (!divisor || divisor->isZero()) {
        throw CapacityError();
    }
    return (a / *divisor * b).abs();
}

Fraction reduce(const Decimal& numerator, const Decimal& denominator) {
    const auto divisor = greatestCommonDivisor(numerator, denominator);
    if (!divisor || divisor->isZero()) {
        throw CapacityError();
    }
    return {numerator / *divisor, denominator / *divisor};
}

}  // namespace talvera::core
