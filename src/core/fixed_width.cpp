#include "core/fixed_width.h"

#include <cmath>
#include <limits>

#include "core/capacity_error.h"

namespace talvera::core {

namespace {

UInt128 powerOfTen(int exponent) {
    UInt128 power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

// |value| rounded half to even to a whole number.
UInt128 roundedMagnitude(const Decimal& value) {
    const UInt128 unit = powerOfTen(value.scale());
    UInt128 whole = value.magnitude() / unit;
    const UInt128 cut = value.magnitude() % unit;
    if (2 * cut > unit || (2 * cut == unit && whole % 2 == 1)) {
        ++whole;
    }
    return whole;
}

}  // namespace

std::int32_t toRemainderInteger(const Decimal& value) {
    const UInt128 magnitude = roundedMagnitude(value);
    const UInt128 limit = value.isNegative() ? UInt128{1} << 31U : (UInt128{1} << 31U) - 1;
    if (magnitude > limit) {
        throw CapacityError();
    }
    const auto wide = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(value.isNegative() ? -wide : wide);
}

std::int32_t remainder32(const Decimal& n, const Decimal& d) {
    const std::int32_t dividend = toRemainderInteger(n);
    const std::int32_t divisor = toRemainderInteger(d);
    if (divisor == 0) {
        throw CapacityError();
    }
    // The processor traps on INT32_MIN % -1; every value modulo -1 is 0 anyway.
    if (divisor == -1) {
        return 0;
    }
    return dividend % divisor;
}

std::int16_t toInt16(double value) {
    if (std::isnan(value)) {
        throw CapacityError();
    }
    const double rounded = std::nearbyint(value);  // the default mode rounds half to even
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw CapacityError();
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace talvera::core
