#pragma once

#include <string_view>

#include "core/validation.h"

// The sentences that both work pages show, and each page's set of term-validation messages.
namespace talvera::common::messages {

inline constexpr std::string_view appTitle = "TALVERA";
inline constexpr std::string_view capacity = "Foi excedida a capacidade do programa.";
inline constexpr std::string_view divisorArgument = "Erro XXX";
inline constexpr std::string_view negativeDenominators = "Não pode haver denominadores negativos.";
inline constexpr std::string_view divisionByZero = "Não é possível dividir por zero.";

// The four operations of the Operations page.
inline constexpr core::TermMessages operationsPlural{
    .notNumeric = "As fracções devem ter termos numéricos e inteiros.",
    .notWhole = "As fracções não podem ter termos decimais.",
    .zeroDenominator = "As fracções não podem ter denominador zero.",
};

// Simplification, on the Operations page: one fraction, so the messages are singular.
inline constexpr core::TermMessages operationsSingular{
    .notNumeric = "A fracção deve ter termos numéricos e inteiros.",
    .notWhole = "A fracção não pode ter termos decimais.",
    .zeroDenominator = "A fracção não pode ter denominador zero.",
};

// The comparison wants all four terms, and refuses a denominator whose value is negative.
inline constexpr core::TermMessages comparison{
    .notNumeric = operationsPlural.notNumeric,
    .notWhole = operationsPlural.notWhole,
    .zeroDenominator = operationsPlural.zeroDenominator,
    .emptyTerm = "Deve colocar valores nos quatro termos das fracções.",
    .negativeDenominator = negativeDenominators,
    .negativeCheck = core::NegativeCheck::OnValue,
};

// The Details page words them in the newer spelling.
inline constexpr core::TermMessages detailsProduct{
    .notNumeric = "As frações devem ter termos numéricos e inteiros.",
    .notWhole = "As frações não podem ter termos decimais.",
    .zeroDenominator = "As frações não podem ter denominador zero.",
};

// Addition and subtraction on the Details page also refuse negative denominators, as typed.
inline constexpr core::TermMessages detailsSum{
    .notNumeric = detailsProduct.notNumeric,
    .notWhole = detailsProduct.notWhole,
    .zeroDenominator = detailsProduct.zeroDenominator,
    .negativeDenominator = negativeDenominators,
};

}  // namespace talvera::common::messages
