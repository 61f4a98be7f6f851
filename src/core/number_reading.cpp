#include "core/number_reading.h"

#include <charconv>
#include <cmath>

#include "core/capacity_error.h"
#include "core/number_syntax.h"

namespace talvera::core {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Far beyond any exponent that can still change the outcome, and safe from int64 overflow.
constexpr std::int64_t exponentCap = 1'000'000'000'000'000;

}  // namespace

NumberSyntax scanNumber(std::string_view text) {
    NumberSyntax number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t fractionDigits = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (!isDigit(c)) {
            break;
        }
        sawDigit = true;
        if (sawPoint) {
            ++fractionDigits;
        }
        if (c != '0' || !number.digits.empty()) {
            number.digits.push_back(c);
        }
    }
    if (!sawDigit) {
        return {};
    }
    number.length = pos;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            expNegative = text[expPos] == '-';
            ++expPos;
        }
        if (expPos < text.size() && isDigit(text[expPos])) {
            std::int64_t exponent = 0;
            for (; expPos < text.size() && isDigit(text[expPos]); ++expPos) {
                exponent = std::min(exponentCap, exponent * 10 + (text[expPos] - '0'));
            }
            number.exponent = expNegative ? -exponent : exponent;
            number.length = expPos;
        }
    }

    number.exponent -= fractionDigits;
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
        ++number.exponent;
    }
    if (number.digits.empty()) {
        number.exponent = 0;
    }
    return number;
}

std::string_view termText(std::string_view boxText) {
    const auto first = boxText.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = boxText.find_last_not_of(' ');
    return boxText.substr(first, last - first + 1);
}

bool isNumeric(std::string_view text) {
    const NumberSyntax number = scanNumber(text);
    return number.length != 0 && number.length == text.size();
}

std::string leadingNumberText(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed.push_back(c);
        }
    }
    const NumberSyntax number = scanNumber(packed);
    if (number.length == 0) {
        return "0";
    }
    packed.resize(number.length);
    return packed;
}

double leadingNumber(std::string_view text) {
    const std::string numberText = leadingNumberText(text);
    const NumberSyntax number = scanNumber(numberText);
    if (number.digits.empty()) {
        return 0.0;
    }
    std::string_view unsignedText = numberText;
    if (unsignedText.front() == '+' || unsignedText.front() == '-') {
        unsignedText.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small reads as 0; too large is beyond what the program can hold.
        if (number.integerDigitCount() <= 0) {
            return 0.0;
        }
        throw CapacityError();
    }
    if (std::isinf(value)) {
        throw CapacityError();
    }
    return number.negative ? -value : value;
}

}  // namespace talvera::core
