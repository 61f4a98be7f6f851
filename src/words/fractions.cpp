#include "words/fractions.h"

#include <stdexcept>
#include <string_view>

#include "core/decimal.h"
#include "words/numerals.h"

namespace talvera::words {
namespace {

void requireWhole(const core::Fraction& value) {
    if (!value.numerator.isWhole() || !value.denominator.isWhole()) {
        throw std::invalid_argument("a fraction's term is not whole");
    }
}

std::string digitsOf(const core::Decimal& whole) {
    return whole.abs().toString();
}

std::string_view signWord(const core::Fraction& value) {
    return core::signOf(value) < 0 ? "menos " : "";
}

}  // namespace

std::string fraction(const core::Fraction& value) {
    requireWhole(value);
    const std::string numerator = digitsOf(value.numerator);
    const std::string denominator = digitsOf(value.denominator);
    if (value.numerator.isZero()) {
        return "zero";
    }
    std::string words(signWord(value));
    if (denominator == "1") {
        return words + cardinal(numerator);
    }
    const PartName part = partName(denominator);
    return words + counted(numerator, part.singular, part.plural);
}

std::optional<std::string> mixedNumber(const core::Fraction& value) {
    requireWhole(value);
    const core::Decimal numerator = value.numerator.abs();
    const core::Decimal denominator = value.denominator.abs();
    const core::Decimal rest = remainder(numerator, denominator);
    if (numerator < denominator || rest.isZero()) {
        return std::nullopt;
    }
    const PartName part = partName(digitsOf(denominator));
    // Exact: numerator - rest is a multiple of the denominator.
    const core::Decimal whole = (numerator - rest) / denominator;
    return std::string(signWord(value)) + counted(digitsOf(whole), "inteiro", "inteiros") + " e " +
           counted(digitsOf(rest), part.singular, part.plural);
}

std::string result(const core::Fraction& value) {
    std::string words = fraction(value);
    if (const std::optional<std::string> mixed = mixedNumber(value)) {
        words += ", ou seja, " + *mixed;
    }
    return words;
}

}  // namespace talvera::words
