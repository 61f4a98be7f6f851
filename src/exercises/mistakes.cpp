#include "exercises/mistakes.h"

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <numeric>
#include <string>
#include <utility>

#include "core/decimal_expansion.h"
#include "core/decimal_reading.h"
#include "exercises/fraction_forms.h"

namespace talvera::exercises {

namespace {

using Int = std::int64_t;

// The terms n1, d1, n2, d2 as the task shows them.
struct Terms {
    Int a = 0;
    Int b = 1;
    Int c = 0;
    Int d = 1;
};

Terms termsOf(const Task& task) {
    const core::Fraction& first = task.fractions.front();
    const core::Fraction& second = task.fractions.back();
    return {wholeOf(first.numerator), wholeOf(first.denominator), wholeOf(second.numerator),
            wholeOf(second.denominator)};
}

// The fractions among n over d that have a value: a mistake that would divide by 0 leads nowhere.
std::vector<core::Fraction> valuesOf(std::initializer_list<std::pair<Int, Int>> fractions) {
    std::vector<core::Fraction> values;
    for (const auto& [n, d] : fractions) {
        if (d != 0) {
            values.push_back(fractionOf(n, d));
        }
    }
    return values;
}

// s is 1 for the addition and -1 for the subtraction.
std::vector<MistakenValues> sumMistakes(const Task& task, Int s) {
    const auto [a, b, c, d] = termsOf(task);
    const Int m = std::lcm(b, d);
    std::vector<MistakenValues> mistakes{
        {s > 0 ? MistakeId::AddedStraightAcross : MistakeId::SubtractedStraightAcross,
         valuesOf({{a + s * c, b + s * d}})},
        {MistakeId::NumeratorsNotExpanded, valuesOf({{a + s * c, m}})},
    };
    if (s < 0) {
        mistakes.push_back({MistakeId::WrongSign, valuesOf({{c * b - a * d, b * d}})});
    }
    mistakes.push_back({MistakeId::DenominatorsMultipliedOnly, valuesOf({{a + s * c, b * d}})});
    mistakes.push_back({MistakeId::FactorsSwapped, valuesOf({{a * (m / d) + s * c * (m / b), m}})});
    return mistakes;
}

std::vector<MistakenValues> productMistakes(const Task& task) {
    const auto [a, b, c, d] = termsOf(task);
    std::vector<MistakenValues> mistakes{
        {MistakeId::OneFractionInverted, valuesOf({{a * d, b * c}, {b * c, a * d}})},
        {MistakeId::DenominatorsAdded, valuesOf({{a * c, b + d}})},
    };
    if (b == d) {
        mistakes.push_back({MistakeId::CommonDenominatorKept, valuesOf({{a * c, b}})});
    }
    return mistakes;
}

std::vector<MistakenValues> quotientMistakes(const Task& task) {
    const auto [a, b, c, d] = termsOf(task);
    return {{MistakeId::NotInverted, valuesOf({{a * c, b * d}})},
            {MistakeId::FirstInverted, valuesOf({{b * c, a * d}})}};
}

// Either term divided by a common divisor, the other left as it was.
std::vector<MistakenValues> simplificationMistakes(const Task& task) {
    const auto [n, d, unusedN, unusedD] = termsOf(task);
    std::vector<core::Fraction> values;
    const Int g = std::gcd(n, d);
    for (Int k = 2; k <= g; ++k) {
        if (g % k == 0) {
            values.push_back(fractionOf(n / k, d));
            values.push_back(fractionOf(n, d / k));
        }
    }
    return {{MistakeId::OneTermDivided, values}};
}

constexpr int maxCutPlaces = 12;

// The repeating decimal of n over d cut, or rounded, after 1 to 12 places.
std::vector<core::Fraction> cutDecimals(Int n, Int d) {
    std::vector<core::Fraction> values;
    const Int sign = (n < 0) != (d < 0) ? -1 : 1;
    Int power = 1;
    for (int places = 1; places <= maxCutPlaces; ++places) {
        power *= 10;
        const Int scaled = std::abs(n) * power;
        const Int cut = scaled / std::abs(d);
        const Int up = 2 * (scaled % std::abs(d)) >= std::abs(d) ? 1 : 0;
        values.push_back(fractionOf(sign * cut, power));
        values.push_back(fractionOf(sign * (cut + up), power));
    }
    return values;
}

std::vector<MistakenValues> toDecimalMistakes(const Task& task) {
    const auto [n, d, unusedN, unusedD] = termsOf(task);
    std::vector<MistakenValues> mistakes{
        {MistakeId::DenominatorOverNumerator, valuesOf({{d, n}})},
    };
    if (task.answer.text.find('(') != std::string::npos) {
        mistakes.push_back({MistakeId::PeriodNotMarked, cutDecimals(n, d)});
    }
    const std::string termsJoined = std::to_string(n) + "." + std::to_string(std::abs(d));
    mistakes.push_back({MistakeId::TermsAsDecimal, {*core::readDecimal(termsJoined)}});
    return mistakes;
}

std::vector<MistakenValues> toFractionMistakes(const Task& task) {
    const auto expansion = *core::expandDecimal(task.fractions.front(), maxDecimalPlaces);
    const std::string sign = expansion.negative ? "-" : "";
    const std::string whole = sign + expansion.whole;
    std::vector<MistakenValues> mistakes;
    if (!expansion.period.empty()) {
        mistakes.push_back(
            {MistakeId::RepeatingReadAsFinite,
             {*core::readDecimal(whole + "." + expansion.fixed + expansion.period)}});
    }
    if (!expansion.period.empty() && !expansion.fixed.empty()) {
        mistakes.push_back(
            {MistakeId::DecimalsAsPeriod,
             {*core::readDecimal(whole + ".(" + expansion.fixed + expansion.period + ")")}});
    }
    if (expansion.period.empty() && !expansion.fixed.empty()) {
        // All the digits over a power of ten other than the one the places give.
        const Int digits = std::stoll(whole + expansion.fixed);
        std::vector<core::Fraction> values;
        Int power = 1;
        for (std::size_t places = 0; places <= expansion.places() + 2; ++places) {
            if (places != expansion.places()) {
                values.push_back(fractionOf(digits, power));
            }
            power *= 10;
        }
        mistakes.push_back({MistakeId::PlacesMiscounted, values});
    }
    return mistakes;
}

}  // namespace

std::vector<MistakenValues> mistakenValues(const Task& task) {
    switch (task.kind) {
        case Kind::Addition:
            return sumMistakes(task, 1);
        case Kind::Subtraction:
            return sumMistakes(task, -1);
        case Kind::Multiplication:
            return productMistakes(task);
        case Kind::Division:
            return quotientMistakes(task);
        case Kind::Simplification:
            return simplificationMistakes(task);
        case Kind::ToDecimal:
            return toDecimalMistakes(task);
        case Kind::ToFraction:
            return toFractionMistakes(task);
        case Kind::Comparison:
            break;
    }
    return {};
}

std::vector<MistakenRelation> mistakenRelations(const Task& task) {
    if (task.kind != Kind::Comparison) {
        return {};
    }
    const auto [a, b, c, d] = termsOf(task);
    return {{MistakeId::NumeratorsOnly, relationOf(a <=> c)},
            // The larger denominator taken for the larger fraction.
            {MistakeId::LargerDenominator, relationOf(b <=> d)},
            {MistakeId::SignReversed, reversed(task.answer.relation)}};
}

}  // namespace talvera::exercises
