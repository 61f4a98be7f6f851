#pragma once

#include <optional>

#include "decimal.h"

namespace talvera::former {

std::optional<Decimal> greatestCommonDivisor(const Decimal& x, const Decimal& y);
Decimal leastCommonMultiple(const Decimal& a, const Decimal& b);

}  // namespace talvera::former
