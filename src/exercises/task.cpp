#include "exercises/task.h"

#include "core/capacity_error.h"
#include "core/decimal_expansion.h"
#include "core/fraction_order.h"
#include "exercises/fraction_forms.h"

namespace talvera::exercises {

namespace {

core::DecimalExpansion expansionOf(const core::Fraction& fraction) {
    const auto expansion = core::expandDecimal(fraction, maxDecimalPlaces);
    if (!expansion) {
        throw core::CapacityError();
    }
    return *expansion;
}

Answer answerOf(const Task& task) {
    const core::Fraction& first = task.fractions.front();
    if (task.kind == Kind::Comparison) {
        const core::Fraction& second = task.fractions.back();
        const Relation relation = relationOf(core::compareFractions(
            first.numerator, first.denominator, second.numerator, second.denominator));
        return {.value = {}, .relation = relation, .text = std::string(signOf(relation))};
    }
    const core::Fraction value = lowestTerms(unreducedResult(task));
    const std::string text =
        task.kind == Kind::ToDecimal ? expansionOf(value).text() : fractionText(value);
    return {.value = value, .relation = Relation::Equal, .text = text};
}

}  // namespace

core::Fraction unreducedResult(const Task& task) {
    const core::Fraction& first = task.fractions.front();
    const core::Fraction& second = task.fractions.back();
    switch (task.kind) {
        case Kind::Addition:
            return first + second;
        case Kind::Subtraction:
            return first - second;
        case Kind::Multiplication:
            return first * second;
        case Kind::Division:
            return first / second;
        default:
            return first;
    }
}

Task makeTask(Kind kind, Level level, std::vector<core::Fraction> fractions) {
    Task task{
        .kind = kind, .level = level, .fractions = std::move(fractions), .terms = {}, .answer = {}};
    if (kind == Kind::ToFraction) {
        task.fractions.front() = lowestTerms(task.fractions.front());
        task.terms.push_back(expansionOf(task.fractions.front()).text());
    } else {
        for (const core::Fraction& fraction : task.fractions) {
            task.terms.push_back(fraction.numerator.toString());
            task.terms.push_back(fraction.denominator.toString());
        }
    }
    task.answer = answerOf(task);
    return task;
}

}  // namespace talvera::exercises
