#include "operations/comparison_task.h"

#include <numeric>
#include <tuple>

#include "core/fixed_width.h"
#include "core/fraction_order.h"
#include "core/number_reading.h"
#include "kit/clearing.h"
#include "kit/failure_trap.h"
#include "kit/messages.h"
#include "kit/term_reader.h"
#include "operations/operations_texts.h"

namespace talvera::operations {

namespace {

// The relation as the button shows it, and in words for those who cannot see the sign.
struct Relation {
    const char* sign;
    std::string_view words;
};

Relation relationOf(std::strong_ordering order) {
    if (order == std::strong_ordering::less) {
        return {"<", texts::firstIsLess};
    }
    return order == std::strong_ordering::greater ? Relation{">", texts::firstIsGreater}
                                                  : Relation{"=", texts::bothEqual};
}

}  // namespace

ComparisonTask::ComparisonTask(ComparisonControls controls, const kit::Messenger& messenger)
    : controls_(std::move(controls)), messenger_(messenger) {
    kit::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                      [this] { clearResults(); });
    controls_.compare.onClick([this] { compare(); });
}

void ComparisonTask::clearResults() const {
    controls_.compare.setCaption(std::string(texts::undecided));
    controls_.compare.setDescription(std::string(texts::notCompared));
    controls_.sign.setCaption(std::string(texts::undecided));
    controls_.numerator1.setText("");
    controls_.numerator2.setText("");
    controls_.denominator1.setText("");
    controls_.denominator2.setText("");
}

void ComparisonTask::compare() const {
    kit::runTrapped(messenger_, [this] {
        const auto values = kit::readTerms(controls_.terms, texts::comparison, messenger_);
        if (!values) {
            return;
        }
        const auto& [n1, d1, n2, d2] =
            std::tie((*values)[0], (*values)[1], (*values)[2], (*values)[3]);

        // Decided on the exact cross products: rounded quotients can tie for unequal fractions.
        const Relation relation = relationOf(core::compareFractions(n1, d1, n2, d2));
        controls_.compare.setCaption(relation.sign);
        controls_.compare.setDescription(std::string(relation.words));
        controls_.sign.setCaption(relation.sign);

        // The common denominator is a 16-bit value: 1/30000 and 1/20000 go beyond it.
        const int a = core::toInt16(core::leadingNumber(controls_.terms[1]->text()));
        const int b = core::toInt16(core::leadingNumber(controls_.terms[3]->text()));
        const std::int16_t common = core::toInt16(static_cast<double>(std::lcm(a, b)));
        const core::Decimal l = core::Decimal::fromInteger(common);
        controls_.denominator1.setText(l.toString());
        controls_.denominator2.setText(l.toString());
        controls_.numerator1.setText((l / d1 * n1).toString());
        controls_.numerator2.setText((l / d2 * n2).toString());
    });
}

}  // namespace talvera::operations
