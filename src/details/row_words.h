#pragma once

#include <optional>
#include <string>

#include "core/fraction.h"
#include "words/sentences.h"

// The lines of the Details page in words, as a teacher says them while writing them.
namespace talvera::details::said {

// "O m.m.c. de quatro e seis é doze."
std::string multiple(const core::Decimal& b, const core::Decimal& d, const core::Decimal& m);
// "A primeira fracção multiplica-se por três e a segunda por dois."
std::string factors(const core::Decimal& first, const core::Decimal& second);
// "Um quarto é igual a três doze avos, e quinze sextos é igual a trinta doze avos."
std::string expanded(const core::Fraction& first, const core::Fraction& firstExpanded,
                     const core::Fraction& second, const core::Fraction& secondExpanded);
// "Três doze avos mais trinta doze avos é igual a trinta e três doze avos."
std::string joined(const core::Fraction& first, words::Operation operation,
                   const core::Fraction& second, const core::Fraction& result);
// "Dividir por três sextos é multiplicar por seis terços: um quarto vezes seis terços."
std::string inverted(const core::Fraction& first, const core::Fraction& second);
// "O produto é três vinte e quatro avos."
std::string product(const core::Fraction& value);
// What the final panels show: a whole number, the fraction simplified, or that the fraction on
// the line before is already in lowest terms.
std::string outcome(const std::optional<core::Decimal>& whole,
                    const std::optional<core::Fraction>& simplified, const core::Fraction& before);

}  // namespace talvera::details::said
