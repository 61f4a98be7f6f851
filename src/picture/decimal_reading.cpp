#include "picture/decimal_reading.h"

#include <algorithm>
#include <cstddef>

namespace talvera::picture {

namespace {

// The page's box takes 30 characters; more than that is never typed there.
constexpr std::size_t longest = 30;

std::string rewritten(std::string_view typed) {
    std::string text;
    for (const char c : typed) {
        if (c != ' ') {
            text += c == ',' ? '.' : c;
        }
    }
    return text.starts_with('.') ? "0" + text : text;
}

std::string_view digitsAt(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return text.substr(start, at - start);
}

// Without its leading zeros, which Boost would read as an octal prefix.
Integer integerOf(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? Integer{0}
                                           : Integer{std::string(digits.substr(first))};
}

Integer tenToThe(std::size_t exponent) {
    return boost::multiprecision::pow(Integer{10}, static_cast<unsigned>(exponent));
}

}  // namespace

ReadDecimal readDecimal(std::string_view typed) {
    ReadDecimal read{std::nullopt, rewritten(typed), {}};
    const std::string text = read.text;  // a copy: read.text may gain a closing parenthesis
    if (text.empty()) {
        read.problem = "A dízima está vazia.";
        return read;
    }
    if (text.size() > longest) {
        read.problem = "A dízima é longa demais para se desenhar.";
        return read;
    }
    if (text.find('.') == std::string_view::npos) {
        read.problem = "A dízima deve ter uma parte inteira e uma parte decimal.";
        return read;
    }
    std::size_t at = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    const std::string_view whole = digitsAt(text, at);
    const bool point = at < text.size() && text[at] == '.';
    at += point ? 1 : 0;
    const std::string_view decimals = digitsAt(text, at);
    std::string_view period;
    const bool repeats = at < text.size() && text[at] == '(';
    if (repeats) {
        ++at;
        period = digitsAt(text, at);
        if (at == text.size()) {
            read.text += ')';  // as the conversion reads a period left open
        } else if (text[at] == ')') {
            ++at;
        }
    }
    if (!point || at != text.size()) {
        read.problem =
            "A dízima só pode ter algarismos, um ponto decimal e o período entre parênteses.";
        return read;
    }
    if (repeats && period.empty()) {
        read.problem = "O período entre parênteses está vazio.";
        return read;
    }
    // whole + decimals / 10^a + period / (10^a (10^p - 1))
    const Integer shift = tenToThe(decimals.size());
    Rational value = Rational{integerOf(whole)} + Rational{integerOf(decimals), shift};
    if (repeats) {
        value += Rational{integerOf(period), shift * (tenToThe(period.size()) - 1)};
    }
    read.value = text.starts_with('-') ? Rational{-value} : value;
    return read;
}

}  // namespace talvera::picture
