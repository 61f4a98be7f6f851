#include "exercises/answer_reading.h"

#include <algorithm>
#include <array>

#include "core/capacity_error.h"
#include "core/decimal_reading.h"
#include "core/divisors.h"
#include "core/number_reading.h"
#include "core/validation.h"
#include "exercises/exercise_texts.h"

namespace talvera::exercises {

namespace {

ReadAnswer refused(std::string_view message) {
    return {.value = {}, .lowestTerms = false, .message = std::string(message)};
}

bool inLowestTerms(const core::Fraction& fraction) {
    const auto divisor = core::greatestCommonDivisor(fraction.numerator, fraction.denominator);
    return divisor == core::Decimal::fromInteger(1) &&
           !(fraction.numerator.isNegative() && fraction.denominator.isNegative());
}

// The conversion's checks on points and parentheses, in its order; empty when they pass.
std::string markMessage(const std::string& input) {
    const auto count = [&input](char mark) { return std::ranges::count(input, mark); };
    if (input.empty()) {
        return std::string(texts::noDecimalPart);
    }
    if (count('.') >= 2 || input.find(texts::ellipsis) != std::string::npos) {
        return std::string(texts::tooManyPoints);
    }
    if (count('(') >= 2) {
        return std::string(texts::tooManyPrefix) + std::to_string(count('(')) +
               std::string(texts::tooManyOpenings);
    }
    if (count(')') >= 2) {
        return std::string(texts::tooManyPrefix) + std::to_string(count(')')) +
               std::string(texts::tooManyClosings);
    }
    if (count(')') > 0 && input.back() != ')') {
        return std::string(texts::afterPeriod);
    }
    return {};
}

}  // namespace

ReadAnswer readFractionBoxes(std::string_view numerator, std::string_view denominator) {
    const bool wholeTyped =
        core::termText(denominator).empty() && !core::termText(numerator).empty();
    const std::array<core::TermBox, 2> boxes{
        {{numerator, false}, {wholeTyped ? "1" : denominator, true}}};
    try {
        const kit::TermValidation& answer = operations::texts::singular;
        const core::ValidatedTerms terms = core::validateTerms(boxes, answer.rules);
        if (!terms.ok()) {
            return refused(answer.sentences[terms.fault]);
        }
        const core::Fraction value{terms.terms[0], terms.terms[1]};
        return {.value = value, .lowestTerms = inLowestTerms(value), .message = {}};
    } catch (const core::CapacityError&) {
        return refused(texts::capacity);
    }
}

ReadAnswer readDecimalBox(std::string_view text) {
    std::string input;
    for (const char c : text) {
        if (c != ' ') {
            input.push_back(c == ',' ? '.' : c);
        }
    }
    if (const std::string message = markMessage(input); !message.empty()) {
        return refused(message);
    }
    try {
        const auto value = core::readDecimal(input);
        if (!value) {
            return refused(texts::notDecimalNotation);
        }
        return {.value = *value, .lowestTerms = true, .message = {}};
    } catch (const core::CapacityError&) {
        return refused(texts::capacity);
    }
}

std::optional<Relation> readRelationBox(std::string_view text) {
    const std::string_view sign = core::termText(text);
    for (const Relation relation : {Relation::Less, Relation::Equal, Relation::Greater}) {
        if (sign == signOf(relation)) {
            return relation;
        }
    }
    return std::nullopt;
}

}  // namespace talvera::exercises
