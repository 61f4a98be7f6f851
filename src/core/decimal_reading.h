#pragma once

#include <optional>
#include <string_view>

#include "fraction.h"

namespace talvera::core {

// The fraction of a decimal in the program's notation: an optional sign, digits, and optionally a
// point, digits and a period of digits in parentheses at the end, whose closing parenthesis may be
// missing as the conversion allows ("0.(3"). A whole number ("3") or a decimal without its whole
// part (".5", ".(3)") reads too. The fraction is unreduced: the digits over 10^a for a places, and
// with a period of p digits over 10^a * (10^p - 1). Returns nothing for any other text; terms
// beyond the scaled decimal are a CapacityError.
std::optional<Fraction> readDecimal(std::string_view text);

}  // namespace talvera::core
