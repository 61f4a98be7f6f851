#pragma once

#include <string_view>

namespace talvera::core {

// Whether a normalised input is written as the conversion reads it: an optional sign, ASCII
// digits, one point, digits, and optionally a period of digits in parentheses at the end, whose
// closing parenthesis may be missing (0.(3 reads as 0.(3)). Letters, exponents, other scripts'
// digits and marks in the wrong place are refused, as they would otherwise count as places.
bool isDecimalNotation(std::string_view input);

}  // namespace talvera::core
