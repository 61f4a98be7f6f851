#pragma once

#include <string>
#include <string_view>

namespace talvera::words {

// The words of a whole number given by its decimal digits, as said in Portugal: "1234" is
// "mil duzentos e trinta e quatro", "1000000000" is "mil milhões" (the long scale). Leading zeros
// are ignored; "" and "0" are "zero". Anything but ASCII digits, or a value of 10^30 or more, is a
// programming error and throws std::invalid_argument.
std::string cardinal(std::string_view digits);

// A count of a masculine noun: "um meio", "três quartos", "dois inteiros". Milhão, bilião and the
// rest are nouns, so a count that ends in one of them takes "de": "um milhão de inteiros".
std::string counted(std::string_view digits, std::string_view singular, std::string_view plural);

// What a denominator calls each of the parts it cuts the unit into: an ordinal ("meio", "terço",
// "décimo", "milésimo") or the cardinal with "avos", which has no singular ("onze avos").
struct PartName {
    std::string singular;
    std::string plural;
};
PartName partName(std::string_view denominatorDigits);

}  // namespace talvera::words
