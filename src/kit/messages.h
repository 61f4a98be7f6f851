#pragma once

#include <string_view>

// The sentences that both work pages show; each page keeps its own in its texts file.
namespace talvera::kit::messages {

inline constexpr std::string_view appTitle = "TALVERA";
inline constexpr std::string_view capacity = "Foi excedida a capacidade do programa.";
inline constexpr std::string_view divisorArgument = "Erro XXX";
inline constexpr std::string_view negativeDenominators = "Não pode haver denominadores negativos.";
inline constexpr std::string_view divisionByZero = "Não é possível dividir por zero.";

}  // namespace talvera::kit::messages
