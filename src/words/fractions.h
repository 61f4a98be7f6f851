#pragma once

#include <optional>
#include <string>

#include "core/fraction.h"

namespace talvera::words {

// Both terms are whole (Decimal::isWhole()) and the denominator is not zero: the pages check that
// before they show a fraction. A term that is not whole is a programming error and throws
// std::invalid_argument.

// The fraction as written, not reduced: "catorze dezasseis avos" for 14/16, "doze" for 12/1,
// "zero" for a zero numerator, "menos um quarto" when one term is negative (both: no sign).
std::string fraction(const core::Fraction& value);

// The mixed number of an improper fraction that is not whole: "dois inteiros e três quartos" for
// 11/4, "menos um inteiro e um quarto" for -5/4; nothing for any other fraction.
std::optional<std::string> mixedNumber(const core::Fraction& value);

// A result: the fraction, then its mixed number where it has one,
// "onze quartos, ou seja, dois inteiros e três quartos".
std::string result(const core::Fraction& value);

}  // namespace talvera::words
