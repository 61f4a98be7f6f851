#pragma once

#include <cstdint>

#include "decimal.h"

namespace talvera::core {

// The remainder integer: a 32-bit signed value. A Decimal is rounded half to even to it; one
// outside -2147483648..2147483647 is a CapacityError.
std::int32_t toRemainderInteger(const Decimal& value);

// n mod d on remainder integers, with the sign of n. d = 0 is a CapacityError; the one quotient
// that overflows, -2147483648 / -1, has remainder 0 instead of trapping.
std::int32_t remainder32(const Decimal& n, const Decimal& d);

// The 16-bit signed integer: rounded half to even; outside -32768..32767, or not a number, is a
// CapacityError.
std::int16_t toInt16(double value);

}  // namespace talvera::core
