#pragma once

#include <string_view>

#include "validation.h"

namespace talvera::core::messages {

inline constexpr std::string_view appTitle = "TALVERA";
inline constexpr std::string_view capacity = "Foi excedida a capacidade do programa.";
inline constexpr std::string_view divisorArgument = "Erro XXX";

// The four operations of the Operations page.
inline constexpr TermMessages operationsPlural{
    "As fracções devem ter termos numéricos e inteiros.",
    "As fracções não podem ter termos decimais.",
    "As fracções não podem ter denominador zero.",
    std::nullopt,
};

// Simplification, on the Operations page: one fraction, so the messages are singular.
inline constexpr TermMessages operationsSingular{
    "A fracção deve ter termos numéricos e inteiros.",
    "A fracção não pode ter termos decimais.",
    "A fracção não pode ter denominador zero.",
    std::nullopt,
};

inline constexpr std::string_view negativeDenominators = "Não pode haver denominadores negativos.";

// The Details page words them in the newer spelling.
inline constexpr TermMessages detailsProduct{
    "As frações devem ter termos numéricos e inteiros.",
    "As frações não podem ter termos decimais.",
    "As frações não podem ter denominador zero.",
    std::nullopt,
};

// Addition and subtraction on the Details page also refuse negative denominators.
inline constexpr TermMessages detailsSum{
    detailsProduct.notNumeric,
    detailsProduct.notWhole,
    detailsProduct.zeroDenominator,
    negativeDenominators,
};

}  // namespace talvera::core::messages
