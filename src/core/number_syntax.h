#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvera::core {

// A number read from the start of a text, in the one grammar the program accepts: an optional
// sign, digits with at most one "." (at least one digit in all), and an optional exponent
// ("e" or "E", an optional sign, at least one digit). Its value is ±digits × 10^exponent.
struct NumberSyntax {
    std::size_t length = 0;  // characters taken from the text; 0 when it holds no number
    bool negative = false;
    std::string digits;  // without leading or trailing zeros; empty for zero
    std::int64_t exponent = 0;

    // How many digits stand before the decimal point of the value (may be 0 or negative).
    std::int64_t integerDigitCount() const {
        return static_cast<std::int64_t>(digits.size()) + exponent;
    }
};

NumberSyntax scanNumber(std::string_view text);

}  // namespace talvera::core
