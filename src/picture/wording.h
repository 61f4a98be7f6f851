#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "picture/exact.h"

// The small pieces of the picture's sentences, in plain pt-PT with digits.
namespace talvera::picture::words {

// "1 parte", "3 partes", "0 partes".
std::string counted(const Integer& count, std::string_view one, std::string_view many);

// A fraction as a screen reader should say it, and as a bar is labelled: "15/6", "menos 1/4".
std::string spoken(const Fraction& fraction);
// A value in lowest terms: "11/4", "menos 1/4", "3".
std::string spoken(const Rational& value);

// A number as the program writes it, said with "menos" for its sign: "menos 0.875".
std::string spokenNumber(std::string_view written);

// "Na recta numérica, de 0 a 3, estão marcadas a primeira fracção, 1/4, e a segunda fracção,
// 15/6." from the line's span and what is marked on it.
std::string lineWords(const std::string& span, const std::vector<std::string>& marked);

// Which fraction of the task: "primeira fracção", "segunda fracção", or "fracção" for a task of
// one fraction (index 0 of count 1).
std::string_view role(int index, int count);

// The first letter in upper case, for a role that starts a sentence (ASCII letters only).
std::string capitalized(std::string_view text);

}  // namespace talvera::picture::words
