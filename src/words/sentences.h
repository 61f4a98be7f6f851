#pragma once

#include <compare>
#include <string>
#include <string_view>

#include "core/fraction.h"

namespace talvera::words {

enum class Operation { Addition, Subtraction, Multiplication, Division };

// "Um quarto mais quinze sextos é igual a onze quartos, ou seja, dois inteiros e três quartos.":
// the terms as written, joined by "mais", "menos", "vezes" or "a dividir por", and the result
// with its mixed number where it has one. The terms are as words::fraction() takes them.
std::string operationSentence(const core::Fraction& first, Operation operation,
                              const core::Fraction& second, const core::Fraction& result);

// "Cinco doze avos é menor do que dois terços.", or "é maior do que", or "é igual a", where order
// is first <=> second.
std::string relationSentence(const core::Fraction& first, std::strong_ordering order,
                             const core::Fraction& second);

// The text with a capital first letter, an accented one too ("é" becomes "É"): the text is
// UTF-8, and the lower-case letters of Portuguese are ASCII or in Latin-1.
std::string capitalized(std::string_view text);

}  // namespace talvera::words
