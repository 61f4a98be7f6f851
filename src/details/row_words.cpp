#include "details/row_words.h"

#include "kit/described.h"

namespace talvera::details::said {

namespace {

std::string number(const core::Decimal& value) {
    return kit::wordsOf({value, core::Decimal::fromInteger(1)});
}

std::string sentence(const std::string& text) {
    return words::capitalized(text) + ".";
}

}  // namespace

std::string multiple(const core::Decimal& b, const core::Decimal& d, const core::Decimal& m) {
    return sentence("O m.m.c. de " + number(b) + " e " + number(d) + " é " + number(m));
}

std::string factors(const core::Decimal& first, const core::Decimal& second) {
    return sentence("A primeira fracção multiplica-se por " + number(first) + " e a segunda por " +
                    number(second));
}

std::string expanded(const core::Fraction& first, const core::Fraction& firstExpanded,
                     const core::Fraction& second, const core::Fraction& secondExpanded) {
    return sentence(kit::wordsOf(first) + " é igual a " + kit::wordsOf(firstExpanded) + ", e " +
                    kit::wordsOf(second) + " é igual a " + kit::wordsOf(secondExpanded));
}

std::string joined(const core::Fraction& first, words::Operation operation,
                   const core::Fraction& second, const core::Fraction& result) {
    const char* sign = operation == words::Operation::Subtraction ? " menos " : " mais ";
    return sentence(kit::wordsOf(first) + sign + kit::wordsOf(second) + " é igual a " +
                    kit::wordsOf(result));
}

std::string inverted(const core::Fraction& first, const core::Fraction& second) {
    const core::Fraction inverse{second.denominator, second.numerator};
    return sentence("Dividir por " + kit::wordsOf(second) + " é multiplicar por " +
                    kit::wordsOf(inverse) + ": " + kit::wordsOf(first) + " vezes " +
                    kit::wordsOf(inverse));
}

std::string product(const core::Fraction& value) {
    return sentence("O produto é " + kit::wordsOf(value));
}

std::string outcome(const std::optional<core::Decimal>& whole,
                    const std::optional<core::Fraction>& simplified, const core::Fraction& before) {
    if (whole) {
        return sentence("O resultado é " + number(*whole));
    }
    if (simplified) {
        return sentence("Simplificada, a fracção é " + kit::resultWordsOf(*simplified));
    }
    return sentence("A fracção " + kit::wordsOf(before) + " já não se pode simplificar");
}

}  // namespace talvera::details::said
