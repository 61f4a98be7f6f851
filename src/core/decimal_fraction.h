#pragma once

#include <string_view>

#include "core/fraction.h"

namespace talvera::core {

// The fraction of a decimal in the conversion's notation (isDecimalNotation): a finite decimal
// is its digits over a power of ten; a repeating one, 0.14(27), has its period in parentheses.
// Unreduced where it fits, reduced where only that fits; a CapacityError where the program's
// capacity ends, which on the repeating path is a 16-bit integer part and period difference.
Fraction decimalToFraction(std::string_view input);

}  // namespace talvera::core
