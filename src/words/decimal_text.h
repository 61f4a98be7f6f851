#pragma once

#include <string>
#include <string_view>

namespace talvera::words {

// A number text as the program writes it, in words: an optional sign, digits, and a point with
// digits ("0.875" is "zero vírgula oitocentos e setenta e cinco"), or a repeating decimal with
// its period in parentheses, the closing one optional ("0.14(27)" is "zero vírgula um quatro,
// com período dois sete").
// - The whole part is a cardinal; a sign before a value that is not zero is "menos".
// - Up to three decimal places are one number, each leading zero said first: "0.05" is
//   "zero vírgula zero cinco", "1.007" "um vírgula zero zero sete". Three places stay below mil,
//   a number a pupil takes in at once; from four on, the places are said one by one ("zero
//   vírgula zero seis dois cinco"), as "seiscentos e vinte e cinco" after a zero, or a number of
//   twenty-eight digits, would hide where each digit stands.
// - In a repeating decimal, the places before the period and the period are said one by one,
//   and ", com período" always stands before the period: "0.(3)" is "zero vírgula, com período
//   três".
// Any other text is a programming error and throws std::invalid_argument.
std::string decimalText(std::string_view numberText);

}  // namespace talvera::words
