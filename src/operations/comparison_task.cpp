#include "operations/comparison_task.h"

#include <algorithm>
#include <numeric>

#include "common/clearing.h"
#include "common/failure_trap.h"
#include "core/fixed_width.h"
#include "core/fraction_order.h"
#include "core/messages.h"
#include "core/number_reading.h"
#include "operations/operations_texts.h"

namespace talvera::operations {

namespace {

const char* relationSign(std::strong_ordering order) {
    if (order == std::strong_ordering::less) {
        return "<";
    }
    return order == std::strong_ordering::greater ? ">" : "=";
}

}  // namespace

ComparisonTask::ComparisonTask(ComparisonControls controls, const common::Messenger& messenger)
    : controls_(std::move(controls)), messenger_(messenger) {
    common::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                         [this] { clearResults(); });
    controls_.compare.onClick([this] { compare(); });
}

void ComparisonTask::clearResults() const {
    controls_.compare.setCaption(std::string(texts::undecided));
    controls_.sign.setCaption(std::string(texts::undecided));
    controls_.numerator1.setText("");
    controls_.numerator2.setText("");
    controls_.denominator1.setText("");
    controls_.denominator2.setText("");
}

void ComparisonTask::compare() const {
    common::runTrapped(messenger_, [this] {
        const auto& boxes = controls_.terms;  // N1, D1, N2, D2
        std::vector<std::string_view> terms;
        terms.reserve(boxes.size());
        for (const ui::Control* box : boxes) {
            terms.push_back(core::termText(box->text()));
        }
        const auto& plural = core::messages::operationsPlural;
        if (std::ranges::any_of(terms, &std::string_view::empty)) {
            messenger_.inform(texts::fourTermsNeeded);
            return;
        }
        if (!std::ranges::all_of(terms, core::isNumeric)) {
            messenger_.inform(plural.notNumeric);
            return;
        }
        std::vector<core::Decimal> values;
        values.reserve(terms.size());
        for (const std::string_view term : terms) {
            values.push_back(*core::Decimal::parse(term));
        }
        const core::Decimal& n1 = values[0];
        const core::Decimal& d1 = values[1];
        const core::Decimal& n2 = values[2];
        const core::Decimal& d2 = values[3];
        if (d1.isNegative() || d2.isNegative()) {
            messenger_.inform(core::messages::negativeDenominators);
            return;
        }
        if (!std::ranges::all_of(values, &core::Decimal::isWhole)) {
            messenger_.inform(plural.notWhole);
            return;
        }
        const double zeroTest1 = core::leadingNumber(boxes[1]->text());
        const double zeroTest2 = core::leadingNumber(boxes[3]->text());
        // A denominator too small for the scaled decimal converts to 0, and is zero too.
        if (zeroTest1 == 0.0 || zeroTest2 == 0.0 || d1.isZero() || d2.isZero()) {
            messenger_.inform(plural.zeroDenominator);
            return;
        }

        // Decided on the exact cross products: rounded quotients can tie for unequal fractions.
        const char* sign = relationSign(core::compareFractions(n1, d1, n2, d2));
        controls_.compare.setCaption(sign);
        controls_.sign.setCaption(sign);

        // The common denominator is a 16-bit value: 1/30000 and 1/20000 go beyond it.
        const int a = core::toInt16(zeroTest1);
        const int b = core::toInt16(zeroTest2);
        const std::int16_t common = core::toInt16(static_cast<double>(std::lcm(a, b)));
        const core::Decimal l = core::Decimal::fromInteger(common);
        controls_.denominator1.setText(l.toString());
        controls_.denominator2.setText(l.toString());
        controls_.numerator1.setText((l / d1 * n1).toString());
        controls_.numerator2.setText((l / d2 * n2).toString());
    });
}

}  // namespace talvera::operations
