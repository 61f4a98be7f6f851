#pragma once

#include <string>
#include <string_view>

namespace talvera::core {

// A term box's text without its outer blanks (U+0020); blanks inside stay.
std::string_view termText(std::string_view boxText);

// True when the whole text is a number: an optional sign, digits with at most one "." (at least
// one digit in all) and an optional exponent. Anything else, the empty text included, is not.
bool isNumeric(std::string_view text);

// The leading-number rule: blanks, tabs and line feeds are skipped wherever they stand, then the
// longest number at the start of what remains is taken and the rest ignored. Returns that number
// as a numeric text ("0" when the text does not start with a number).
std::string leadingNumberText(std::string_view text);

// The same rule read as a double. A number beyond the double's range is a CapacityError.
double leadingNumber(std::string_view text);

}  // namespace talvera::core
