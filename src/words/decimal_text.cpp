#include "words/decimal_text.h"

#include <algorithm>
#include <cstddef>

#include "words/numerals.h"

namespace talvera::words {
namespace {

std::string oneByOne(std::string_view digits) {
    std::string words;
    for (std::size_t place = 0; place < digits.size(); ++place) {
        words += (place == 0 ? "" : " ") + cardinal(digits.substr(place, 1));
    }
    return words;
}

// Leading zeros are said, so that 0.05 and 0.5 do not sound alike.
std::string asNumber(std::string_view places) {
    const std::size_t zeros = std::min(places.find_first_not_of('0'), places.size());
    std::string words = oneByOne(places.substr(0, zeros));
    if (zeros < places.size()) {
        words += (zeros == 0 ? "" : " ") + cardinal(places.substr(zeros));
    }
    return words;
}

}  // namespace

std::string decimalText(std::string_view numberText) {
    const bool negative = numberText.find_first_of("123456789") != std::string_view::npos &&
                          numberText.starts_with('-');
    std::string_view text = numberText;
    if (text.starts_with('-') || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    std::string_view period;
    if (const std::size_t open = text.find('('); open != std::string_view::npos) {
        period = text.substr(open + 1);
        if (period.ends_with(')')) {
            period.remove_suffix(1);
        }
        text = text.substr(0, open);
    }
    std::string_view places;
    if (const std::size_t point = text.find('.'); point != std::string_view::npos) {
        places = text.substr(point + 1);
        text = text.substr(0, point);
    }
    std::string words = (negative ? "menos " : "") + cardinal(text);
    if (!period.empty()) {
        words += places.empty() ? " vírgula" : " vírgula " + oneByOne(places);
        words += ", com período " + oneByOne(period);
    } else if (!places.empty()) {
        words += " vírgula " + (places.size() > 3 ? oneByOne(places) : asNumber(places));
    }
    return words;
}

}  // namespace talvera::words
