#pragma once

#include <random>
#include <string>
#include <string_view>

namespace talvera::monkey {

// What a person might type into a box: mostly small whole numbers for a term, decimals for the
// conversion's box and the decimal answer, and now and then something odd (blanks, signs,
// exponents, letters, large numbers, other scripts).
std::string randomText(std::mt19937_64& random, std::string_view boxName);

}  // namespace talvera::monkey
