#pragma once

#include <compare>

#include "decimal.h"

namespace talvera::former {

// The exact order of n1/d1 against n2/d2, decided on the cross products in wide integer
// arithmetic, so that no two unequal fractions ever compare equal. Denominators must not be 0.
std::strong_ordering compareFractions(const Decimal& n1, const Decimal& d1, const Decimal& n2,
                                      const Decimal& d2);

}  // namespace talvera::former
