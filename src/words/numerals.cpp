// How numbers and the parts of a fraction are said in Portugal. Sources: Celso Cunha and Lindley
// Cintra, "Nova Gramática do Português Contemporâneo" (the numerals: the conjunction "e", the
// fractional numerals), checked against Ciberdúvidas da Língua Portuguesa, "Numerais por extenso"
// and its answer on fractions over 10 000, 100 000 and 1 000 000 (after Cunha).
//
// - "e" always joins hundreds, tens and units: cento e um, trezentos e quarenta e nove.
// - After "mil", "milhões" and the other classes, "e" stands only when all that follows is one
//   group of three digits below a hundred or of whole hundreds: mil e um, mil e cem, mil cento e
//   um, dois mil e quinhentos, um milhão e duzentos mil, but um milhão duzentos e trinta mil. The
//   rule applies inside a class too: mil e um milhões.
// - The long scale: milhão 10^6, mil milhões 10^9, bilião 10^12, trilião 10^18, quatrilião 10^24.
// - A denominator takes the ordinal from 2 to 10 (meio, terço, quarto ... décimo) and for the
//   powers of ten whose ordinal is one word (centésimo, milésimo, milionésimo, bilionésimo,
//   trilionésimo, quatrilionésimo). Every other one takes the cardinal with "avos": onze avos,
//   dez mil avos (an ordinal of two words), and also vinte avos and duzentos avos, as pupils learn
//   them, where the grammar also allows vigésimo and ducentésimo.
#include "words/numerals.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <utility>

namespace talvera::words {
namespace {

constexpr std::array<std::string_view, 20> belowTwenty{
    "",        "um",     "dois",      "três",      "quatro",  "cinco",   "seis",
    "sete",    "oito",   "nove",      "dez",       "onze",    "doze",    "treze",
    "catorze", "quinze", "dezasseis", "dezassete", "dezoito", "dezanove"};
constexpr std::array<std::string_view, 10> tens{"",         "",          "vinte",    "trinta",
                                                "quarenta", "cinquenta", "sessenta", "setenta",
                                                "oitenta",  "noventa"};
constexpr std::array<std::string_view, 10> hundreds{
    "",           "cento",      "duzentos",   "trezentos",  "quatrocentos",
    "quinhentos", "seiscentos", "setecentos", "oitocentos", "novecentos"};

// The classes of six digits from 10^6 on, by their index: 10^(6 × index).
constexpr std::array<std::string_view, 5> classOne{"", "milhão", "bilião", "trilião", "quatrilião"};
constexpr std::array<std::string_view, 5> classMany{"", "milhões", "biliões", "triliões",
                                                    "quatriliões"};

constexpr std::array<std::pair<std::string_view, std::string_view>, 15> ordinals{{
    {"2", "meio"},
    {"3", "terço"},
    {"4", "quarto"},
    {"5", "quinto"},
    {"6", "sexto"},
    {"7", "sétimo"},
    {"8", "oitavo"},
    {"9", "nono"},
    {"10", "décimo"},
    {"100", "centésimo"},
    {"1000", "milésimo"},
    {"1000000", "milionésimo"},
    {"1000000000000", "bilionésimo"},
    {"1000000000000000000", "trilionésimo"},
    {"1000000000000000000000000", "quatrilionésimo"},
}};

// Groups of three digits, the units first: ten of them hold every number below 10^30.
constexpr std::size_t groupCount = 10;
using Groups = std::array<std::size_t, groupCount>;

// The digits without leading zeros, after checking that they are digits that fit.
std::string_view significant(std::string_view digits) {
    if (!std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
        throw std::invalid_argument("not a whole number");
    }
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 3 * groupCount) {
        throw std::invalid_argument("a whole number beyond 10^30");
    }
    return digits;
}

Groups groupsOf(std::string_view digits) {
    Groups groups{};
    for (std::size_t place = 0; place < digits.size(); ++place) {
        const auto digit = static_cast<std::size_t>(digits[digits.size() - 1 - place] - '0');
        constexpr std::array<std::size_t, 3> weights{1, 10, 100};
        groups.at(place / 3) += digit * weights.at(place % 3);
    }
    return groups;
}

std::string belowThousand(std::size_t value) {
    std::string words(value == 100 ? "cem" : hundreds[value / 100]);
    const std::size_t rest = value % 100;
    if (rest == 0) {
        return words;
    }
    if (!words.empty()) {
        words += " e ";
    }
    if (rest < 20) {
        return words.append(belowTwenty[rest]);
    }
    words += tens[rest / 10];
    if (rest % 10 != 0) {
        words.append(" e ").append(belowTwenty[rest % 10]);
    }
    return words;
}

bool allZero(std::span<const std::size_t> groups) {
    return std::ranges::all_of(groups, [](std::size_t group) { return group == 0; });
}

// What follows a class takes "e" when it is one group below a hundred or of whole hundreds.
bool joinsWithE(std::span<const std::size_t> groups) {
    const auto nonZero = [](std::size_t group) { return group != 0; };
    const std::size_t group = *std::ranges::find_if(groups, nonZero);
    return std::ranges::count_if(groups, nonZero) == 1 && (group < 100 || group % 100 == 0);
}

// Reads groups that are not all zero: the highest class, then the rest after it.
std::string read(std::span<const std::size_t> groups) {
    std::size_t top = groups.size() - 1;
    while (groups[top] == 0) {
        --top;
    }
    if (top == 0) {
        return belowThousand(groups[0]);
    }
    std::string words;
    std::size_t below = 1;
    if (top == 1) {
        words = groups[1] == 1 ? "mil" : belowThousand(groups[1]) + " mil";
    } else {
        below = top / 2 * 2;
        const std::span<const std::size_t> count = groups.subspan(below, 2);
        const bool one = count[0] == 1 && count[1] == 0;
        words = read(count) + " ";
        words += one ? classOne.at(below / 2) : classMany.at(below / 2);
    }
    const std::span<const std::size_t> rest = groups.first(below);
    if (allZero(rest)) {
        return words;
    }
    return words + (joinsWithE(rest) ? " e " : " ") + read(rest);
}

}  // namespace

std::string cardinal(std::string_view digits) {
    const Groups groups = groupsOf(significant(digits));
    return allZero(groups) ? "zero" : read(groups);
}

std::string counted(std::string_view digits, std::string_view singular, std::string_view plural) {
    const std::string_view count = significant(digits);
    std::string words = cardinal(count) + " ";
    if (count == "1") {
        return words.append(singular);
    }
    if (count.size() > 6 && count.ends_with("000000")) {
        words += "de ";
    }
    return words.append(plural);
}

PartName partName(std::string_view denominatorDigits) {
    const std::string_view denominator = significant(denominatorDigits);
    const auto* ordinal = std::ranges::find(ordinals, denominator,
                                            &std::pair<std::string_view, std::string_view>::first);
    if (ordinal != ordinals.end()) {
        return {std::string(ordinal->second), std::string(ordinal->second) + "s"};
    }
    const std::string avos = cardinal(denominator) + " avos";
    return {avos, avos};
}

}  // namespace talvera::words
