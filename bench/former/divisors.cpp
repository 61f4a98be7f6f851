#include "former/divisors.h"

#include <utility>

#include "core/capacity_error.h"

namespace talvera::former {

std::optional<Decimal> greatestCommonDivisor(const Decimal& x, const Decimal& y) {
    if (!x.isWhole() || !y.isWhole()) {
        return std::nullopt;
    }
    UInt128 a = x.magnitude();
    UInt128 b = y.magnitude();
    while (b != 0) {
        a = std::exchange(b, a % b);
    }
    return Decimal::fromMagnitude(false, a);
}

Decimal leastCommonMultiple(const Decimal& a, const Decimal& b) {
    const auto divisor = greatestCommonDivisor(a, b);
    if (!divisor || divisor->isZero()) {
        throw core::CapacityError();
    }
    return (a / *divisor * b).abs();
}

}  // namespace talvera::former
