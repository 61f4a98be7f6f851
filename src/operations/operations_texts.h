#pragma once

#include <string_view>

#include "kit/messages.h"
#include "kit/term_reader.h"

// The Operations page's own messages, beside the shared ones (kit/messages.h).
namespace talvera::operations::texts {

// The four operations.
inline constexpr kit::TermValidation plural{
    .rules = {},
    .sentences = {.notNumeric = "As fracções devem ter termos numéricos e inteiros.",
                  .notWhole = "As fracções não podem ter termos decimais.",
                  .zeroDenominator = "As fracções não podem ter denominador zero."},
};

// Simplification: one fraction, so the messages are singular.
inline constexpr kit::TermValidation singular{
    .rules = {},
    .sentences = {.notNumeric = "A fracção deve ter termos numéricos e inteiros.",
                  .notWhole = "A fracção não pode ter termos decimais.",
                  .zeroDenominator = "A fracção não pode ter denominador zero."},
};

// The comparison wants all four terms, and refuses a denominator whose value is negative.
inline constexpr kit::TermValidation comparison{
    .rules = {.refusesEmptyTerms = true, .negativeDenominators = core::NegativeCheck::OnValue},
    .sentences = {.notNumeric = plural.sentences.notNumeric,
                  .notWhole = plural.sentences.notWhole,
                  .zeroDenominator = plural.sentences.zeroDenominator,
                  .emptyTerm = "Deve colocar valores nos quatro termos das fracções.",
                  .negativeDenominator = kit::messages::negativeDenominators},
};

inline constexpr std::string_view undecided = "?";

// What the comparison's button says, for a screen reader, before it has compared; after, it says
// the relation in words.
inline constexpr std::string_view notCompared = "As fracções ainda não foram comparadas.";

// Fraction to decimal: the page's newer spelling, as these two were written.
inline constexpr std::string_view decimalNotNumeric =
    "As frações devem ter termos numéricos e inteiros.";
inline constexpr std::string_view decimalZeroDenominator =
    "A fração não pode ter denominador zero.";

// Decimal to fraction.
inline constexpr std::string_view noDecimalPart =
    "A dízima deve ter uma parte inteira e uma parte decimal.";
inline constexpr std::string_view noIntegerPart =
    "A dízima não tem parte inteira. O programa colocará zero.";
inline constexpr std::string_view tooManyPoints =
    "A dízima não pode ter mais de um ponto decimal nem conter reticências.";
inline constexpr std::string_view ellipsis = "…";
inline constexpr std::string_view notDecimalNotation =
    "A dízima só pode ter algarismos, um ponto decimal e o período entre parênteses.";
inline constexpr std::string_view afterPeriod = "A dízima não pode ter elementos após o período.";
inline constexpr std::string_view tooManyPrefix = "A dízima tem ";
inline constexpr std::string_view tooManyOpenings =
    " parenteses abertos e só pode ter um em dízima periódica.";
inline constexpr std::string_view tooManyClosings =
    " parenteses fechados e só pode ter um em dízima periódica.";

}  // namespace talvera::operations::texts
