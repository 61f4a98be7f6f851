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
    const Integer magnitude = integer(value.magnitude());
    return {value.isNegative() ? Integer(-magnitude) : magnitude,
            tenTo(static_cast<std::size_t>(value.scale()))};
}

// The decimal a value becomes: half to even at the largest scale up to 28 that fits; tie if
// halfway.
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
    std::string digits = std::string(places + 1, '0') + scaled.str();
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - places - 1));
    const std::size_t whole = digits.size() - places;
    return (value < 0 ? "-" : "") + digits.substr(0, whole) + (places > 0 ? "." : "") +
           digits.substr(whole);
}

// A number in the program's grammar (sign, digits with one point at most, exponent), exactly;
// beyond 10^400 or below 10^-400 as those, which every rule of the program treats alike.
inline std::optional<Rational> number(std::string_view text) {
    std::size_t at = 0;
    const auto take = [&text, &at](std::string_view marks) {
        const bool taken = at < text.size() && marks.find(text[at]) != std::string_view::npos;
        return taken ? text[at++] : '\0';
    };
    const auto run = [&text, &at] {
        const std::size_t from = at;
        at = std::min(text.find_first_not_of("0123456789", at), text.size());
        return std::string(text.substr(from, at - from));
    };
    const bool negative = take("+-") == '-';
    std::string mantissa = run();
    const std::string places = take(".") != '\0' ? run() : "";
    long long shift = -static_cast<long long>(places.size());
    if (take("eE") != '\0') {
        const bool down = take("+-") == '-';
        const std::string exponent = run();
        if (exponent.empty()) {
            return std::nullopt;
        }
        const Integer size = min(digits(exponent), Integer(1'000'000'000));
        shift += (down ? -1 : 1) * size.convert_to<long long>();
    }
    if (mantissa.size() + places.size() == 0 || at != text.size()) {
        return std::nullopt;
    }
    const Integer value = digits(mantissa + places);
    const long long position = static_cast<long long>(value.str().size()) + shift;
    const auto power = [](long long e) {
        return tenTo(static_cast<std::size_t>(std::max(e, 0LL)));
    };
    const Rational magnitude = value == 0        ? Rational(0)
                               : position > 400  ? Rational(tenTo(400))
                               : position < -400 ? Rational(1, tenTo(400))
                                                 : Rational(value * power(shift), power(-shift));
    return negative ? Rational(-magnitude) : magnitude;
}

// As a double: 0 up to half the least subnormal; infinite from the largest plus half a step.
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
