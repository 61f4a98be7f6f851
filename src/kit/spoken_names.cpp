#include "kit/spoken_names.h"

#include <array>
#include <cctype>

namespace talvera::kit::spoken {

std::string capitalized(std::string_view noun) {
    std::string text(noun);
    if (!text.empty()) {
        text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    }
    return text;
}

std::string term(std::string_view noun, int fraction, bool denominator) {
    constexpr std::array<std::string_view, 3> ordinals{"fracção", "primeira fracção",
                                                       "segunda fracção"};
    return fractionPart(noun, ordinals.at(static_cast<std::size_t>(fraction)), denominator);
}

std::string fractionPart(std::string_view noun, std::string_view role, bool denominator) {
    return box(noun, role) + (denominator ? ", denominador" : ", numerador");
}

std::string box(std::string_view noun, std::string_view role) {
    return capitalized(noun) + ", " + std::string(role);
}

std::string perform(std::string_view noun) {
    return "Efectuar a " + std::string(noun);
}

std::string clearResult(std::string_view noun) {
    return "Apagar o resultado da " + std::string(noun);
}

std::string clearAll(std::string_view noun) {
    return "Apagar tudo da " + std::string(noun);
}

std::string step(std::string_view noun, int number) {
    return capitalized(noun) + ", " + std::to_string(number) + "º passo";
}

std::string stepMode(std::string_view noun) {
    return capitalized(noun) + ", um passo de cada vez";
}

}  // namespace talvera::kit::spoken
