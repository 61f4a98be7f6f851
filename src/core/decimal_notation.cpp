#include "core/decimal_notation.h"

#include <cstddef>

namespace talvera::core {

namespace {

// Only ASCII digits: std::isdigit would depend on the locale.
std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return at;
}

bool takes(std::string_view text, std::size_t& at, char mark) {
    if (at < text.size() && text[at] == mark) {
        ++at;
        return true;
    }
    return false;
}

}  // namespace

bool isDecimalNotation(std::string_view input) {
    std::size_t at = 0;
    if (!takes(input, at, '+')) {
        takes(input, at, '-');
    }
    at = skipDigits(input, at);
    if (!takes(input, at, '.')) {
        return false;
    }
    at = skipDigits(input, at);
    if (at == input.size()) {
        return true;
    }
    if (!takes(input, at, '(')) {
        return false;
    }
    at = skipDigits(input, at);
    takes(input, at, ')');
    return at == input.size();
}

}  // namespace talvera::core
