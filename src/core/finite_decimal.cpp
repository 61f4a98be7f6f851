#include "core/finite_decimal.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/capacity_error.h"
#include "core/decimal.h"

namespace talvera::core {

namespace {

// A reduced denominator 2^x * 5^y of a decimal with k places and a last digit other than 0 has
// x = k or y = k, so it is at least 2^k: beyond 95 places nothing fits. Its numerator is then
// the digits over at most 5^95, so more than 96 digits cannot fit either.
constexpr std::size_t maxReducibleDigits = 96;
constexpr std::size_t maxReduciblePlaces = 95;

std::optional<UInt128> magnitudeOf(std::string_view digits) {
    constexpr std::size_t maxDigits = 29;  // 2^96 has 29 digits
    if (digits.size() > maxDigits) {
        return std::nullopt;
    }
    UInt128 value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > Decimal::maxMagnitude) {
        return std::nullopt;
    }
    return value;
}

// Long division of a digit text by a small divisor that divides it exactly.
std::string dividedBy(std::string_view digits, unsigned divisor) {
    std::string quotient;
    unsigned carry = 0;
    for (const char c : digits) {
        const unsigned current = carry * 10 + static_cast<unsigned>(c - '0');
        if (!quotient.empty() || current >= divisor) {
            quotient.push_back(static_cast<char>('0' + current / divisor));
        }
        carry = current % divisor;
    }
    return quotient;
}

UInt128 power(unsigned base, std::size_t exponent) {
    UInt128 value = 1;
    for (std::size_t i = 0; i < exponent; ++i) {
        value *= base;
        if (value > Decimal::maxMagnitude) {
            throw CapacityError();
        }
    }
    return value;
}

std::string withoutLeadingZeros(std::string digits) {
    digits.erase(0, digits.find_first_not_of('0'));
    return digits;
}

Fraction fraction(bool negative, UInt128 numerator, UInt128 denominator) {
    return {Decimal::fromMagnitude(negative && numerator != 0, numerator),
            Decimal::fromMagnitude(false, denominator)};
}

// 10^k shares with the digits only factors 2 or 5; dividing them out, one at a time, keeps the
// digits short while the denominator shrinks.
Fraction reducedFraction(bool negative, std::string digits, std::size_t places) {
    if (digits.size() > maxReducibleDigits || places > maxReduciblePlaces) {
        throw CapacityError();
    }
    std::size_t twos = places;
    std::size_t fives = places;
    while (twos > 0 && !digits.empty() && (digits.back() - '0') % 2 == 0) {
        digits = dividedBy(digits, 2);
        --twos;
    }
    while (fives > 0 && !digits.empty() && (digits.back() == '0' || digits.back() == '5')) {
        digits = dividedBy(digits, 5);
        --fives;
    }
    const auto numerator = magnitudeOf(digits);
    if (!numerator) {
        throw CapacityError();
    }
    const UInt128 denominator = power(2, twos) * power(5, fives);
    if (denominator > Decimal::maxMagnitude) {
        throw CapacityError();
    }
    return fraction(negative, *numerator, denominator);
}

}  // namespace

Fraction finiteDecimalFraction(std::string_view input) {
    const bool negative = input.starts_with('-');
    if (input.starts_with('-') || input.starts_with('+')) {
        input.remove_prefix(1);
    }
    const std::size_t point = input.find('.');
    std::string decimals(input.substr(point + 1));
    const std::string digits = withoutLeadingZeros(std::string(input.substr(0, point)) + decimals);

    if (decimals.size() <= static_cast<std::size_t>(Decimal::maxScale)) {
        if (const auto numerator = magnitudeOf(digits)) {
            return fraction(negative, *numerator, power(10, decimals.size()));
        }
    }
    // Trailing zeros of the decimals change nothing but the places.
    const std::size_t zeros = decimals.size() - (decimals.find_last_not_of('0') + 1);
    decimals.resize(decimals.size() - zeros);
    return reducedFraction(negative,
                           digits.substr(0, digits.size() - std::min(zeros, digits.size())),
                           decimals.size());
}

}  // namespace talvera::core
