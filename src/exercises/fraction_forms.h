#pragma once

#include <cstdint>
#include <string>

#include "core/fraction.h"

namespace talvera::exercises {

// The fraction n over d of two small whole numbers.
core::Fraction fractionOf(std::int64_t numerator, std::int64_t denominator);

// A whole term of a task as a number; tasks only hold terms far inside 64 bits.
std::int64_t wholeOf(const core::Decimal& term);

// The form every answer is given in: lowest terms, the sign on the numerator.
core::Fraction lowestTerms(const core::Fraction& fraction);

// "3/4", "-1/4", or the whole number alone ("2") when the denominator is 1.
std::string fractionText(const core::Fraction& fraction);

// Whether two fractions, neither with denominator 0, have the same value.
bool sameValue(const core::Fraction& a, const core::Fraction& b);

// The bound every term of an answer and of its working stays within: far inside the 32-bit
// remainder integers the pages test reduced results with, and the 16-bit values some use.
inline constexpr std::int64_t maxWorkingTerm = 1'000'000;

// Whether both terms are whole and within the bound.
bool fitsFarInside(const core::Fraction& fraction);

}  // namespace talvera::exercises
