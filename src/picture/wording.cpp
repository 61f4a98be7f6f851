#include "picture/wording.h"

#include <array>

namespace talvera::picture::words {

std::string counted(const Integer& count, std::string_view one, std::string_view many) {
    return count.str() + " " + std::string(count == 1 ? one : many);
}

std::string spoken(const Fraction& fraction) {
    const std::string magnitude =
        abs(fraction.numerator).str() + "/" + abs(fraction.denominator).str();
    return fraction.negative() ? "menos " + magnitude : magnitude;
}

std::string spoken(const Rational& value) {
    return spokenNumber(text(value));
}

std::string spokenNumber(std::string_view written) {
    return written.starts_with('-') ? "menos " + std::string(written.substr(1))
                                    : std::string(written);
}

std::string lineWords(const std::string& span, const std::vector<std::string>& marked) {
    std::string list;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == marked.size() ? ", e " : ", ") + marked[i];
    }
    return "Na recta numérica, " + span +
           (marked.size() == 1 ? ", está marcada " : ", estão marcadas ") + list + ".";
}

std::string_view role(int index, int count) {
    constexpr std::array<std::string_view, 2> ordinals{"primeira fracção", "segunda fracção"};
    return count == 1 ? "fracção" : ordinals.at(static_cast<std::size_t>(index));
}

std::string capitalized(std::string_view text) {
    std::string result(text);
    if (!result.empty() && result.front() >= 'a' && result.front() <= 'z') {
        result.front() = static_cast<char>(result.front() - 'a' + 'A');
    }
    return result;
}

}  // namespace talvera::picture::words
