#include "operations/fraction_task.h"

#include "core/divisors.h"
#include "kit/clearing.h"
#include "kit/failure_trap.h"
#include "kit/messages.h"
#include "kit/term_reader.h"
#include "operations/operations_texts.h"
#include "words/fractions.h"

namespace talvera::operations {

namespace rules {

namespace {
// Terms in box order: N1, D1, N2, D2.
core::Fraction first(std::span<const core::Decimal> t) {
    return {t[0], t[1]};
}
core::Fraction second(std::span<const core::Decimal> t) {
    return {t[2], t[3]};
}
}  // namespace

// The common denominator is always the product of the two; the reduction does the rest.
const FractionTaskRules addition{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) + second(t); },
    .style = ResultStyle::AlwaysWrite,
    .operation = words::Operation::Addition,
    .picture = picture::Kind::Addition,
};

const FractionTaskRules subtraction{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) - second(t); },
    .style = ResultStyle::AlwaysWrite,
    .operation = words::Operation::Subtraction,
    .picture = picture::Kind::Subtraction,
};

const FractionTaskRules multiplication{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) * second(t); },
    .style = ResultStyle::PositiveWrite,
    .operation = words::Operation::Multiplication,
    .picture = picture::Kind::Multiplication,
};

// Multiplies by the inverted second fraction, which needs a numerator other than 0.
const FractionTaskRules division{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) / second(t); },
    .style = ResultStyle::PositiveWrite,
    .refusesZeroSecondNumerator = true,
    .operation = words::Operation::Division,
    .picture = picture::Kind::Division,
};

const FractionTaskRules simplification{
    .validation = &texts::singular,
    .combine = first,
    .style = ResultStyle::PositiveWrite,
    .picture = picture::Kind::Simplification,
};

}  // namespace rules

FractionTask::FractionTask(FractionTaskControls controls, const FractionTaskRules& rules,
                           const kit::Messenger& messenger)
    : controls_(std::move(controls)),
      rules_(rules),
      messenger_(messenger),
      sketch_{.kind = rules.picture, .terms = controls_.terms} {
    messenger_.sketcher().add({controls_.equals.container()}, sketch_);
    kit::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                      [this] { clear(); });
    controls_.equals.onClick([this] { calculate(); });
}

void FractionTask::calculate() {
    kit::runTrapped(messenger_, [this] {
        const auto terms = kit::readTerms(controls_.terms, *rules_.validation, messenger_);
        if (!terms) {
            return;
        }
        if (rules_.refusesZeroSecondNumerator && (*terms)[2].isZero()) {
            messenger_.inform(kit::messages::divisionByZero);
            return;
        }
        const core::Fraction combined = rules_.combine(*terms);
        const core::Fraction reduced = core::reduce(combined.numerator, combined.denominator);
        showResult(controls_.result, rules_.style, reduced);
        messenger_.narrator().tell(controls_.equals.form(), {controls_.equals.container()},
                                   sentence(*terms, reduced));
        sketch_.stage = picture::allStages;
        messenger_.sketcher().worked(sketch_);
    });
}

void FractionTask::clear() {
    clearResult(controls_.result);
    messenger_.narrator().forget(*controls_.equals.container());
    sketch_.stage = 0;
    messenger_.sketcher().worked(sketch_);
}

std::string FractionTask::sentence(std::span<const core::Decimal> terms,
                                   const core::Fraction& result) const {
    const core::Fraction first{terms[0], terms[1]};
    if (rules_.operation) {
        return words::operationSentence(first, *rules_.operation, {terms[2], terms[3]}, result);
    }
    return words::capitalized(words::fraction(first) + " é igual a " + words::result(result) + ".");
}

}  // namespace talvera::operations
