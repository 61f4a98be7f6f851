#include "core/decimal_fraction.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/capacity_error.h"
#include "core/finite_decimal.h"
#include "core/fixed_width.h"
#include "core/number_reading.h"

namespace talvera::core {

namespace {

std::string without(std::string_view text, char mark) {
    std::string result;
    std::ranges::copy_if(text, std::back_inserter(result), [mark](char c) { return c != mark; });
    return result;
}

// Beyond 10^28 this throws, as the value no longer fits the scaled decimal.
Decimal powerOfTen(std::size_t exponent) {
    const Decimal ten = Decimal::fromInteger(10);
    Decimal power = Decimal::fromInteger(1);
    for (std::size_t i = 0; i < exponent; ++i) {
        power = power * ten;
    }
    return power;
}

// integer part i, non-repeating digits A and period P: the value is
// ±(|i| + (AP - A) / (10^a * (10^p - 1))).
Fraction repeatingFraction(std::string_view input) {
    const std::size_t point = input.find('.');
    const std::string integerText(input.substr(0, point));
    const std::string_view decimals = input.substr(point + 1);
    const std::size_t opening = decimals.find('(');
    if (opening == std::string_view::npos) {
        // The "(" stands before the point, so no period follows it.
        throw CapacityError();
    }
    const std::string nonRepeating(decimals.substr(0, opening));
    const std::string period = without(without(decimals.substr(opening), '('), ')');

    // The program's stated capacity on this path: a 16-bit integer part and difference.
    const int integerPart = toInt16(leadingNumber(integerText));
    const int difference =
        toInt16(leadingNumber(nonRepeating + period) - leadingNumber(nonRepeating));

    const Decimal denominator =
        powerOfTen(nonRepeating.size()) * (powerOfTen(period.size()) - Decimal::fromInteger(1));
    const Decimal magnitude = Decimal::fromInteger(std::abs(integerPart)) * denominator +
                              Decimal::fromInteger(difference);
    // The sign belongs to the whole value: -1.(3) is -4/3, and -0.(3) is -1/3.
    const bool negative = integerText.starts_with('-');
    return {negative ? -magnitude : magnitude, denominator};
}

}  // namespace

Fraction decimalToFraction(std::string_view input) {
    return input.find('(') == std::string_view::npos ? finiteDecimalFraction(input)
                                                     : repeatingFraction(input);
}

}  // namespace talvera::core
