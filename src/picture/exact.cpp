#include "picture/exact.h"

namespace talvera::picture {

Fraction lowestTerms(const Rational& value) {
    return {boost::multiprecision::numerator(value), boost::multiprecision::denominator(value)};
}

Rational valueOf(const core::Decimal& number) {
    const core::UInt128 magnitude = number.magnitude();
    Integer digits{static_cast<std::uint64_t>(magnitude >> 64U)};
    digits <<= 64U;
    digits |= static_cast<std::uint64_t>(magnitude);
    const Rational value{digits, boost::multiprecision::pow(Integer{10}, number.scale())};
    return number.isNegative() ? Rational{-value} : value;
}

Integer wholeOf(const core::Decimal& whole) {
    return boost::multiprecision::numerator(valueOf(whole));
}

Integer floorOf(const Rational& value) {
    // The library's division truncates toward zero; the denominator is always positive.
    const Integer& n = boost::multiprecision::numerator(value);
    const Integer& d = boost::multiprecision::denominator(value);
    Integer quotient = n / d;
    if (n.sign() < 0 && quotient * d != n) {
        --quotient;
    }
    return quotient;
}

Integer ceilOf(const Rational& value) {
    return -floorOf(-value);
}

int drawable(const Integer& count, int limit) {
    return count <= limit ? count.convert_to<int>() : 0;
}

double toDouble(const Rational& value) {
    // Boost rounds a rational to the nearest double exactly.
    return value.convert_to<double>();
}

std::string text(const Fraction& fraction) {
    const std::string magnitude =
        abs(fraction.numerator).str() + "/" + abs(fraction.denominator).str();
    return fraction.negative() ? "-" + magnitude : magnitude;
}

std::string text(const Rational& value) {
    const Fraction terms = lowestTerms(value);
    return terms.denominator == 1 ? terms.numerator.str() : text(terms);
}

std::string decimalText(const Rational& value) {
    const Rational magnitude = abs(value);
    Integer whole = floorOf(magnitude);
    Rational rest = magnitude - whole;
    std::string places;
    // A tick's value has at most as many places as its step; the bound only guards the loop.
    constexpr int mostPlaces = 64;
    for (int i = 0; rest != 0 && i < mostPlaces; ++i) {
        rest *= 10;
        const Integer digit = floorOf(rest);
        places += digit.str();
        rest -= digit;
    }
    const std::string sign = value.sign() < 0 ? "-" : "";
    return sign + whole.str() + (places.empty() ? "" : "." + places);
}

}  // namespace talvera::picture
