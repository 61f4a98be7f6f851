#pragma once

#include <string_view>

#include "core/fraction.h"

namespace talvera::core {

// The fraction of a finite decimal in the conversion's notation (an optional sign, digits, a
// point, digits): the digits over a power of ten, unreduced where both fit the scaled decimal.
// Where they do not, the fraction is reduced first, so that every value whose reduced fraction
// fits is answered; otherwise a CapacityError.
Fraction finiteDecimalFraction(std::string_view input);

}  // namespace talvera::core
