#include "random_texts.h"

#include <array>

namespace talvera::monkey {

namespace {

constexpr std::array<std::string_view, 24> oddTexts{
    "",    " ",   "-",   "+",   ".",   "1e3", "2E-1", "0x10",
    "1,5", "--1", " 7 ", "3.0", "-0",  "1.5", "abc",  "ç",
    "😀",   "١٢",  "(",   ")",   "0.(", "…",   "1 2",  "99999999999999999999999999999"};

constexpr std::string_view decimalMarks = "0123456789012345678901234567890123456789.,()-+ e…";

std::size_t pick(std::mt19937_64& random, std::size_t choices) {
    return std::uniform_int_distribution<std::size_t>(0, choices - 1)(random);
}

std::string digits(std::mt19937_64& random, std::size_t most) {
    std::string text;
    for (std::size_t n = pick(random, most + 1); n > 0; --n) {
        text.push_back(static_cast<char>('0' + pick(random, 10)));
    }
    return text;
}

std::string decimalText(std::mt19937_64& random) {
    switch (pick(random, 4)) {
        case 0: {
            std::string text;
            for (std::size_t n = pick(random, 12); n > 0; --n) {
                text.push_back(decimalMarks[pick(random, decimalMarks.size())]);
            }
            return text;
        }
        case 1:
            return (pick(random, 3) == 0 ? "-" : "") + digits(random, 30) + "." +
                   digits(random, 40);
        default: {
            std::string text =
                (pick(random, 4) == 0 ? "-" : "") + digits(random, 5) + "." + digits(random, 4);
            if (pick(random, 2) == 0) {
                text += "(" + digits(random, 5) + (pick(random, 4) == 0 ? "" : ")");
            }
            return text;
        }
    }
}

std::string termText(std::mt19937_64& random) {
    switch (pick(random, 8)) {
        case 0:
            return std::string(oddTexts[pick(random, oddTexts.size())]);
        case 1:
            return (pick(random, 2) == 0 ? "-" : "") + digits(random, 16);
        case 2:
            return "0";
        default:
            return (pick(random, 4) == 0 ? "-" : "") + std::to_string(1 + pick(random, 30));
    }
}

}  // namespace

std::string randomText(std::mt19937_64& random, std::string_view boxName) {
    if (boxName == "Text6" || boxName == "RespostaDízima" || pick(random, 20) == 0) {
        return decimalText(random);
    }
    return termText(random);
}

}  // namespace talvera::monkey
