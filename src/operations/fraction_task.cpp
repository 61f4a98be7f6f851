#include "operations/fraction_task.h"

#include "core/divisors.h"
#include "kit/clearing.h"
#include "kit/failure_trap.h"
#include "kit/messages.h"
#include "kit/term_reader.h"
#include "operations/operations_texts.h"

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
};

const FractionTaskRules subtraction{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) - second(t); },
    .style = ResultStyle::AlwaysWrite,
};

const FractionTaskRules multiplication{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) * second(t); },
    .style = ResultStyle::PositiveWrite,
};

// Multiplies by the inverted second fraction, which needs a numerator other than 0.
const FractionTaskRules division{
    .validation = &texts::plural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) / second(t); },
    .style = ResultStyle::PositiveWrite,
    .refusesZeroSecondNumerator = true,
};

const FractionTaskRules simplification{
    .validation = &texts::singular,
    .combine = first,
    .style = ResultStyle::PositiveWrite,
};

}  // namespace rules

FractionTask::FractionTask(FractionTaskControls controls, const FractionTaskRules& rules,
                           const kit::Messenger& messenger)
    : controls_(std::move(controls)), rules_(rules), messenger_(messenger) {
    kit::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                      [this] { clearResult(controls_.result); });
    controls_.equals.onClick([this] { calculate(); });
}

void FractionTask::calculate() const {
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
    });
}

}  // namespace talvera::operations
