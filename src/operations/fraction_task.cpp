#include "operations/fraction_task.h"

#include "common/clearing.h"
#include "common/failure_trap.h"
#include "core/messages.h"

namespace talvera::operations {

namespace rules {

namespace {
// Terms in box order: N1, D1, N2, D2.
enum Term { n1, d1, n2, d2 };
}  // namespace

// The common denominator is always the product of the two; the reduction does the rest.
const FractionTaskRules addition{
    &core::messages::operationsPlural,
    [](std::span<const core::Decimal> t) {
        return core::Fraction{t[n1] * t[d2] + t[n2] * t[d1], t[d1] * t[d2]};
    },
    ResultStyle::AlwaysWrite,
};

const FractionTaskRules subtraction{
    &core::messages::operationsPlural,
    [](std::span<const core::Decimal> t) {
        return core::Fraction{t[n1] * t[d2] - t[n2] * t[d1], t[d1] * t[d2]};
    },
    ResultStyle::AlwaysWrite,
};

const FractionTaskRules multiplication{
    &core::messages::operationsPlural,
    [](std::span<const core::Decimal> t) {
        return core::Fraction{t[n1] * t[n2], t[d1] * t[d2]};
    },
    ResultStyle::PositiveWrite,
};

// Multiplies by the inverted second fraction; its numerator is not checked for zero.
const FractionTaskRules division{
    &core::messages::operationsPlural,
    [](std::span<const core::Decimal> t) {
        return core::Fraction{t[n1] * t[d2], t[d1] * t[n2]};
    },
    ResultStyle::PositiveWrite,
};

const FractionTaskRules simplification{
    &core::messages::operationsSingular,
    [](std::span<const core::Decimal> t) {
        return core::Fraction{t[n1], t[d1]};
    },
    ResultStyle::PositiveWrite,
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
        std::vector<core::TermBox> boxes;
        for (std::size_t i = 0; i < controls_.terms.size(); ++i) {
            // Terms alternate numerator, denominator.
            boxes.push_back({controls_.terms[i]->text(), i % 2 == 1});
        }
        const core::ValidatedTerms validated = core::validateTerms(boxes, *rules_.messages);
        if (!validated.ok()) {
            messenger_.inform(validated.message);
            return;
        }
        const core::Fraction combined = rules_.combine(validated.terms);
        const core::Fraction reduced = core::reduce(combined.numerator, combined.denominator);
        showResult(controls_.result, rules_.style, reduced.numerator, reduced.denominator);
    });
}

}  // namespace talvera::operations
