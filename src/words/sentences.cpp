#include "words/sentences.h"

#include <array>
#include <cstddef>

#include "words/fractions.h"

namespace talvera::words {

std::string operationSentence(const core::Fraction& first, Operation operation,
                              const core::Fraction& second, const core::Fraction& result) {
    constexpr std::array<std::string_view, 4> names{" mais ", " menos ", " vezes ",
                                                    " a dividir por "};
    const std::string_view name = names.at(static_cast<std::size_t>(operation));
    return capitalized(fraction(first) + std::string(name) + fraction(second) + " é igual a " +
                       words::result(result) + ".");
}

std::string relationSentence(const core::Fraction& first, std::strong_ordering order,
                             const core::Fraction& second) {
    const std::string_view relation = order == std::strong_ordering::less      ? " é menor do que "
                                      : order == std::strong_ordering::greater ? " é maior do que "
                                                                               : " é igual a ";
    return capitalized(fraction(first) + std::string(relation) + fraction(second) + ".");
}

std::string capitalized(std::string_view text) {
    std::string sentence(text);
    if (sentence.empty()) {
        return sentence;
    }
    const auto first = static_cast<unsigned char>(sentence[0]);
    if (first >= 'a' && first <= 'z') {
        sentence[0] = static_cast<char>(first - 'a' + 'A');
    } else if (first == 0xC3 && sentence.size() > 1) {
        // U+00E0 to U+00FE lie 0x20 above their capitals, but for the sign ÷ (U+00F7).
        const auto second = static_cast<unsigned char>(sentence[1]);
        if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
            sentence[1] = static_cast<char>(second - 0x20);
        }
    }
    return sentence;
}

}  // namespace talvera::words
