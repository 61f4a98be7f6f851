#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "fraction.h"

namespace talvera::core {

// A decimal written out exactly, in the program's notation: the whole part, the digits after the
// point that do not repeat, and the period that does, in parentheses ("0.14(27)", "-0.25", "3").
struct DecimalExpansion {
    bool negative = false;
    std::string whole = "0";
    std::string fixed;   // the digits after the point before the period
    std::string period;  // empty for a finite decimal

    std::size_t places() const { return fixed.size() + period.size(); }
    std::string text() const;
};

// The exact decimal of n over d by long division; the period starts where a remainder comes
// back. Returns nothing when a term is not whole or the digits after the point would be more
// than maxPlaces. d = 0 is a CapacityError.
std::optional<DecimalExpansion> expandDecimal(const Fraction& fraction, std::size_t maxPlaces);

}  // namespace talvera::core
