#pragma once

// The reference the program is checked against: GMP's exact integers and fractions, which share
// no code with the program's own wide integers, its 96-bit bound, its scales or its rounding.

#include <algorithm>
#include <boost/multiprecision/gmp.hpp>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/decimal.h"

namespace talvera::reference {

namespace mp = boost::multiprecision;
using Integer = mp::mpz_int;
using Rational = mp::mpq_rational;

inline const Integer bound = (Integer(1) << 96U) - 1;

inline Integer tenTo(std::size_t exponent) {
    return mp::pow(Integer(10), static_cast<unsigned>(exponent));
}

// The value of a run of decimal digits; GMP would read a leading 0 as octal.
inline Integer digits(std::string text) {
    text.erase(0, text.find_first_not_of('0'));
    return text.empty() ? Integer(0) : Integer(text);
}

inline Integer integer(core::UInt128 value) {
    return (Integer(static_cast<std::uint64_t>(value >> 64U)) << 64U) +
           static_cast<std::uint64_t>(value);
}

inline Rational exact(const core::Decimal& value) {
    const Rational magnitude(integer(value.magnitude()),
                             tenTo(static_cast<std::size_t>(value.scale())));
    return value.isNegative() ? Rational(-magnitude) : magnitude;
}

// The decimal a value becomes: rounded half to even at the largest scale of at most 28 whose
// magnitude fits 96 bits; nothing when none does. tie tells whether it lay halfway.
inline std::optional<Rational> nearest(const Rational& value, bool* tie = nullptr) {
    for (std::size_t scale = 29; scale-- > 0;) {
        Integer whole;
        Integer rest;
        divide_qr(Integer(abs(mp::numerator(value)) * tenTo(scale)), mp::denominator(value), whole,
                  rest);
        const int half = Integer(2 * rest).compare(mp::denominator(value));
        whole += half > 0 || (half == 0 && bit_test(whole, 0)) ? 1 : 0;
        if (whole <= bound) {
            if (tie != nullptr) {
                *tie = half == 0;
            }
            return Rational(value < 0 ? Integer(-whole) : whole, tenTo(scale));
        }
    }
    return std::nullopt;
}

// How a decimal value is written: a "-", the integer digits, and only the places it needs.
inline std::string text(const Rational& value) {
    std::size_t places = 0;
    while (tenTo(places) % mp::denominator(value) != 0) {
        ++places;
    }
    const Integer scaled = abs(mp::numerator(value)) * tenTo(places) / mp::denominator(value);
    std::string digits = scaled.str();
    digits.insert(0, places + 1 - std::min(digits.size(), places + 1), '0');
    const std::size_t whole = digits.size() - places;
    return (value < 0 ? "-" : "") + digits.substr(0, whole) + (places > 0 ? "." : "") +
           digits.substr(whole);
}

// The exact value of a number in the program's grammar: a sign, digits with at most one point
// (one digit at least), an exponent; nothing for any other text. Values beyond 10^400 or below
// 10^-400 come back as those, which every rule of the program treats alike.
inline std::optional<Rational> number(std::string_view text) {
    std::size_t at = 0;
    const auto take = [&text, &at](std::string_view marks) {
        const bool taken = at < text.size() && marks.find(text[at]) != std::string_view::npos;
        at += taken ? 1 : 0;
        return taken ? text[at - 1] : '\0';
    };
    const auto run = [&text, &at] {
        const std::size_t from = at;
        at = std::min(text.find_first_not_of("0123456789", at), text.size());
        return std::string(text.substr(from, at - from));
    };
    const bool negative = take("+-") == '-';
    std::string mantissa = run();
    const std::string places = take(".") != '\0' ? run() : "";
    auto shift = -static_cast<long long>(places.size());
    if (take("eE") != '\0') {
        const bool down = take("+-") == '-';
        std::string exponent = run();
        if (exponent.empty()) {
            return std::nullopt;
        }
        exponent.erase(0, exponent.find_first_not_of('0'));
        const long long size = exponent.size() > 9 ? 1'000'000'000 : std::stoll("0" + exponent);
        shift += down ? -size : size;
    }
    mantissa += places;
    if (mantissa.empty() || at != text.size()) {
        return std::nullopt;
    }
    const Integer digitValue = digits(mantissa);
    const auto position = static_cast<long long>(digitValue.str().size()) + shift;
    const Rational magnitude = digitValue == 0   ? Rational(0)
                               : position > 400  ? Rational(tenTo(400))
                               : position < -400 ? Rational(1, tenTo(400))
                               : shift >= 0
                                   ? Rational(digitValue * tenTo(static_cast<std::size_t>(shift)))
                                   : Rational(digitValue, tenTo(static_cast<std::size_t>(-shift)));
    return negative ? Rational(-magnitude) : magnitude;
}

// What a value becomes as a double: 0 at or below half the least subnormal, beyond the range at
// or above the largest double plus half its last step.
inline bool zeroAsDouble(const Rational& value) {
    return abs(value) <= Rational(1, Integer(1) << 1075U);
}
inline bool beyondDouble(const Rational& value) {
    return abs(value) >= Rational(((Integer(1) << 54U) - 1) << 970U);
}

// The remainder of a truncated division, a - trunc(a / b) * b, as the decimal has it.
inline Rational remainder(const Rational& a, const Rational& b) {
    const Rational quotient = a / b;
    return a - Rational(Integer(mp::numerator(quotient) / mp::denominator(quotient))) * b;
}

// The four operations and the remainder, spelt alike for the decimal and the reference.
template <class Number>
Number combine(char operation, const Number& a, const Number& b) {
    return operation == '+'   ? Number(a + b)
           : operation == '-' ? Number(a - b)
           : operation == '*' ? Number(a * b)
           : operation == '/' ? Number(a / b)
                              : Number(remainder(a, b));
}

}  // namespace talvera::reference
