#include "core/decimal_reading.h"

#include <cstddef>

#include "core/capacity_error.h"

namespace talvera::core {

namespace {

struct DecimalParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fixed;
    std::string_view period;
};

// Only ASCII digits: std::isdigit would depend on the locale.
std::string_view takeDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return text.substr(start, at - start);
}

bool takes(std::string_view text, std::size_t& at, char mark) {
    if (at < text.size() && text[at] == mark) {
        ++at;
        return true;
    }
    return false;
}

std::optional<DecimalParts> split(std::string_view text) {
    DecimalParts parts;
    std::size_t at = 0;
    if (!takes(text, at, '+')) {
        parts.negative = takes(text, at, '-');
    }
    parts.whole = takeDigits(text, at);
    if (takes(text, at, '.')) {
        parts.fixed = takeDigits(text, at);
        if (takes(text, at, '(')) {
            parts.period = takeDigits(text, at);
            if (parts.period.empty()) {
                return std::nullopt;
            }
            takes(text, at, ')');
        }
    }
    if (at != text.size() || (parts.whole.empty() && parts.fixed.empty() && parts.period.empty())) {
        return std::nullopt;
    }
    return parts;
}

Decimal number(std::string_view digits) {
    return digits.empty() ? Decimal{} : *Decimal::parse(digits);
}

// 10^28 is the largest power of ten the scaled decimal holds.
Decimal powerOfTen(std::size_t exponent) {
    if (exponent > static_cast<std::size_t>(Decimal::maxScale)) {
        throw CapacityError();
    }
    UInt128 power = 1;
    for (std::size_t i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return Decimal::fromMagnitude(false, power);
}

}  // namespace

std::optional<Fraction> readDecimal(std::string_view text) {
    const auto parts = split(text);
    if (!parts) {
        return std::nullopt;
    }
    const Decimal shift = powerOfTen(parts->fixed.size());
    Decimal numerator = number(parts->whole) * shift + number(parts->fixed);
    Decimal denominator = shift;
    if (!parts->period.empty()) {
        const Decimal nines = powerOfTen(parts->period.size()) - Decimal::fromInteger(1);
        numerator = numerator * nines + number(parts->period);
        denominator = denominator * nines;
    }
    return Fraction{parts->negative ? -numerator : numerator, denominator};
}

}  // namespace talvera::core
