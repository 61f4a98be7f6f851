#pragma once

#include <array>
#include <string_view>

#include "kit/messages.h"
#include "kit/term_reader.h"

// The texts the Details page shows, exactly as the page words them, in its newer spelling; the
// capacity message and those both pages show are the shared ones of kit/messages.h.
namespace talvera::details::texts {

// Multiplication and division.
inline constexpr kit::TermValidation product{
    .rules = {},
    .sentences = {.notNumeric = "As frações devem ter termos numéricos e inteiros.",
                  .notWhole = "As frações não podem ter termos decimais.",
                  .zeroDenominator = "As frações não podem ter denominador zero."},
};

// Addition and subtraction also refuse negative denominators, as typed.
inline constexpr kit::TermValidation sum{
    .rules = {.negativeDenominators = core::NegativeCheck::OnText},
    .sentences = {.notNumeric = product.sentences.notNumeric,
                  .notWhole = product.sentences.notWhole,
                  .zeroDenominator = product.sentences.zeroDenominator,
                  .negativeDenominator = kit::messages::negativeDenominators},
};

inline constexpr std::string_view title = "TALVERA VENDO OS DETALHES";

inline constexpr std::string_view additionDetail = "Detalhe dos cálculos efectuados na adição";
inline constexpr std::string_view subtractionDetail =
    "Detalhe dos cálculos efectuados na subtração";
inline constexpr std::string_view multiplicationDetail =
    "Detalhe dos cálculos efectuados na multiplicação";
inline constexpr std::string_view divisionDetail = "Detalhe dos cálculos efectuados na divisão";

inline constexpr std::string_view additionSteps = "Na adição ver ...";
inline constexpr std::string_view subtractionSteps = "Na subtração ver ...";
inline constexpr std::string_view multiplicationSteps = "Na multiplicação ver ...";
inline constexpr std::string_view divisionSteps = "Na divisão ver ...";

inline constexpr std::string_view stepMode = "Um passo de cada vez";

// The "=" refuses while the row shows its working one step at a time. The quote marks are
// acute accents (U+00B4).
inline constexpr std::string_view stepModeRefusal =
    "Está activa a opção ´Um passo de cada vez´. Desactive-a se pretende esta.";

inline constexpr std::array<std::string_view, 5> stepCaptions{"1º", "2º", "3º", "4º", "5º"};
inline constexpr std::array<std::string_view, 5> stepTooltips{
    "Efectuar o primeiro passo", "Efectuar o segundo passo", "Efectuar o terceiro passo",
    "Efectuar o quarto passo", "Efectuar o quinto passo"};

inline constexpr std::string_view leastCommonMultiple = "m.m.c.";

}  // namespace talvera::details::texts
