#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "picture/exact.h"

namespace talvera::picture {

// A decimal typed for conversion: its exact value, or the sentence that says why there is none.
struct ReadDecimal {
    std::optional<Rational> value;
    std::string text;  // as the conversion rewrites it: "0.14(27)"
    std::string problem;
};

// Reads the conversion's notation as the page rewrites it (commas as points, no blanks, a 0
// before a leading point): an optional sign, digits, a point, digits, and a period of digits in
// parentheses whose closing one may be missing. Never throws.
ReadDecimal readDecimal(std::string_view typed);

}  // namespace talvera::picture
