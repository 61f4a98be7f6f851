#include "operations/fraction_task.h"

#include "common/clearing.h"
#include "common/failure_trap.h"
#include "common/messages.h"
#include "common/term_reader.h"
#include "core/divisors.h"

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
    .messages = &common::messages::operationsPlural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) + second(t); },
    .style = ResultStyle::AlwaysWrite,
};

const FractionTaskRules subtraction{
    .messages = &common::messages::operationsPlural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) - second(t); },
    .style = ResultStyle::AlwaysWrite,
};

const FractionTaskRules multiplication{
    .messages = &common::messages::operationsPlural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) * second(t); },
    .style = ResultStyle::PositiveWrite,
};

// Multiplies by the inverted second fraction, which needs a numerator other than 0.
const FractionTaskRules division{
    .messages = &common::messages::operationsPlural,
    .combine = [](std::span<const core::Decimal> t) { return first(t) / second(t); },
    .style = ResultStyle::PositiveWrite,
    .refusesZeroSecondNumerator = true,
};

const FractionTaskRules simplification{
    .messages = &common::messages::operationsSingular,
    .combine = first,
    .style = ResultStyle::PositiveWrite,
};

}  // namespace rules

FractionTask::FractionTask(FractionTaskControls controls, const FractionTaskRules& rules,
                           const common::Messenger& messenger)
    : controls_(std::move(controls)), rules_(rules), messenger_(messenger) {
    common::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                         [this] { clearResult(controls_.result); });
    controls_.equals.onClick([this] { calculate(); });
}

void FractionTask::calculate() const {
    common::runTrapped(messenger_, [this] {
        const auto terms = common::readTerms(controls_.terms, *rules_.messages, messenger_);
        if (!terms) {
            return;
        }
        if (rules_.refusesZeroSecondNumerator && (*terms)[2].isZero()) {
            messenger_.inform(common::messages::divisionByZero);
            return;
        }
        const core::Fraction combined = rules_.combine(*terms);
        const core::Fraction reduced = core::reduce(combined.numerator, combined.denominator);
        showResult(controls_.result, rules_.style, reduced);
    });
}

}  // namespace talvera::operations
