#include "exercises/working_lines.h"

#include "core/divisors.h"
#include "exercises/exercise_texts.h"
#include "exercises/fraction_forms.h"

namespace talvera::exercises {

namespace {

// Both terms, as the page's boxes show an unreduced fraction.
std::string termsText(const core::Fraction& fraction) {
    return fraction.numerator.toString() + "/" + fraction.denominator.toString();
}

std::string joined(const core::Fraction& first, Kind kind, const core::Fraction& second) {
    return termsText(first) + " " + operationSign(kind) + " " + termsText(second);
}

// As the Details page works it: the m.m.c., each fraction's factor, both fractions over the
// m.m.c., their sum or difference over it, then reduced.
std::vector<WorkingLine> sumLines(const Task& task) {
    const auto& [a, b] = task.fractions.front();
    const auto& [c, d] = task.fractions.back();
    const core::Decimal m = core::leastCommonMultiple(b, d);
    const core::Fraction first{a * m / b, m};
    const core::Fraction second{c * m / d, m};
    const core::Fraction unreduced{task.kind == Kind::Addition ? first.numerator + second.numerator
                                                               : first.numerator - second.numerator,
                                   m};
    return {
        {LineKind::CommonMultiple, std::string(texts::commonMultiple) + " ( " + b.toString() +
                                       " , " + d.toString() + " ) = " + m.toString()},
        {LineKind::Factors, std::string(texts::factorsWord) + (m / b).toString() +
                                std::string(texts::lastKind) + (m / d).toString()},
        {LineKind::Expanded, joined(first, task.kind, second)},
        {LineKind::Unreduced, termsText(unreduced)},
        {LineKind::Reduced, fractionText(lowestTerms(unreduced))},
    };
}

}  // namespace

std::string operationSign(Kind kind) {
    switch (kind) {
        case Kind::Addition:
            return "+";
        case Kind::Subtraction:
            return "-";
        case Kind::Multiplication:
            return "x";
        case Kind::Division:
            return ":";
        default:
            return {};
    }
}

std::vector<WorkingLine> workingLines(const Task& task) {
    const core::Fraction unreduced = unreducedResult(task);
    const WorkingLine product{LineKind::Unreduced, termsText(unreduced)};
    const WorkingLine reduced{LineKind::Reduced, fractionText(lowestTerms(unreduced))};
    switch (task.kind) {
        case Kind::Addition:
        case Kind::Subtraction:
            return sumLines(task);
        case Kind::Multiplication:
            return {product, reduced};
        case Kind::Division: {
            const auto& [c, d] = task.fractions.back();
            return {
                {LineKind::Inverted, joined(task.fractions.front(), Kind::Multiplication, {d, c})},
                product,
                reduced};
        }
        default:
            return {};
    }
}

}  // namespace talvera::exercises
