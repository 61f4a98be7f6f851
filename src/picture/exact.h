#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <string>

#include "core/decimal.h"

// The picture's arithmetic: unbounded integers and exact fractions, so that the m.m.c. of two
// 28-digit denominators, or a cross product, is as exact as 1/4 + 15/6. Doubles appear only where
// a figure's length or position is handed to the painter.
namespace talvera::picture {

// Without expression templates, so that every expression is a value of its own type.
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;
using Rational = boost::multiprecision::number<
    boost::multiprecision::rational_adaptor<boost::multiprecision::cpp_int_backend<>>,
    boost::multiprecision::et_off>;

// A fraction as typed: its terms unreduced, the signs where they fell, the denominator not 0.
struct Fraction {
    Integer numerator;
    Integer denominator{1};

    // The sign moves to the numerator first: Boost 1.74 fails to normalise a negative
    // denominator of an unbounded integer (bad_rational).
    Rational value() const {
        return denominator.sign() < 0 ? Rational{-numerator, -denominator}
                                      : Rational{numerator, denominator};
    }
    bool negative() const { return numerator.sign() * denominator.sign() < 0; }
};

// The lowest terms of a value, the sign on the numerator.
Fraction lowestTerms(const Rational& value);

// A scaled decimal's exact value; for a whole one, the integer itself.
Rational valueOf(const core::Decimal& number);
Integer wholeOf(const core::Decimal& whole);
Integer floorOf(const Rational& value);
Integer ceilOf(const Rational& value);

// The count when it is at most limit, else 0: what a painter draws one by one.
int drawable(const Integer& count, int limit);

double toDouble(const Rational& value);

// "-1/4" for a fraction typed 1 over -4: the sign goes in front, the terms stay unreduced.
std::string text(const Fraction& fraction);
// A value in lowest terms: "11/4", "-1/4", or "3" when it is whole.
std::string text(const Rational& value);
// A value whose decimal expansion ends, as the program writes decimals: "-0.8", "2.5", "3".
std::string decimalText(const Rational& value);

}  // namespace talvera::picture
