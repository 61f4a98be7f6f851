#include "operations/comparison_task.h"

#include <numeric>
#include <tuple>

#include "core/fixed_width.h"
#include "core/fraction_order.h"
#include "core/number_reading.h"
#include "kit/clearing.h"
#include "kit/described.h"
#include "kit/failure_trap.h"
#include "kit/messages.h"
#include "kit/term_reader.h"
#include "operations/operations_texts.h"
#include "words/fractions.h"
#include "words/sentences.h"

namespace talvera::operations {

namespace {

const char* signOf(std::strong_ordering order) {
    if (order == std::strong_ordering::less) {
        return "<";
    }
    return order == std::strong_ordering::greater ? ">" : "=";
}

}  // namespace

ComparisonTask::ComparisonTask(ComparisonControls controls, const kit::Messenger& messenger)
    : controls_(std::move(controls)),
      messenger_(messenger),
      sketch_{.kind = picture::Kind::Comparison, .terms = controls_.terms} {
    messenger_.sketcher().add({controls_.compare.container()}, sketch_);
    kit::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                      [this] { clearResults(); });
    controls_.compare.onClick([this] { compare(); });
}

void ComparisonTask::clearResults() {
    controls_.compare.setCaption(std::string(texts::undecided));
    controls_.compare.setDescription(std::string(texts::notCompared));
    controls_.sign.setCaption(std::string(texts::undecided));
    controls_.sign.setDescription("");
    for (ui::Control* box : {&controls_.numerator1, &controls_.denominator1, &controls_.numerator2,
                             &controls_.denominator2}) {
        box->setDescription("");
    }
    messenger_.narrator().forget(*controls_.compare.container());
    sketch_.stage = 0;
    messenger_.sketcher().worked(sketch_);
    controls_.numerator1.setText("");
    controls_.numerator2.setText("");
    controls_.denominator1.setText("");
    controls_.denominator2.setText("");
}

void ComparisonTask::compare() {
    kit::runTrapped(messenger_, [this] {
        const auto values = kit::readTerms(controls_.terms, texts::comparison, messenger_);
        if (!values) {
            return;
        }
        const auto& [n1, d1, n2, d2] =
            std::tie((*values)[0], (*values)[1], (*values)[2], (*values)[3]);

        // Decided on the exact cross products: rounded quotients can tie for unequal fractions.
        const std::strong_ordering order = core::compareFractions(n1, d1, n2, d2);
        // The button keeps its name; the relation is said in words for whoever cannot see it.
        const std::string relation = words::relationSentence({n1, d1}, order, {n2, d2});
        controls_.compare.setCaption(signOf(order));
        controls_.compare.setDescription(relation);
        controls_.sign.setCaption(signOf(order));
        controls_.sign.setDescription(relation);

        // The common denominator is a 16-bit value: 1/30000 and 1/20000 go beyond it.
        const int a = core::toInt16(core::leadingNumber(controls_.terms[1]->text()));
        const int b = core::toInt16(core::leadingNumber(controls_.terms[3]->text()));
        const std::int16_t common = core::toInt16(static_cast<double>(std::lcm(a, b)));
        const core::Decimal l = core::Decimal::fromInteger(common);
        const core::Fraction first{l / d1 * n1, l};
        const core::Fraction second{l / d2 * n2, l};
        kit::writeDescribed(controls_.denominator1, l.toString(), kit::wordsOf(first));
        kit::writeDescribed(controls_.denominator2, l.toString(), kit::wordsOf(second));
        kit::writeDescribed(controls_.numerator1, first.numerator.toString(), kit::wordsOf(first));
        kit::writeDescribed(controls_.numerator2, second.numerator.toString(),
                            kit::wordsOf(second));
        messenger_.narrator().tell(controls_.compare.form(), {controls_.compare.container()},
                                   relation);
        sketch_.stage = picture::allStages;
        messenger_.sketcher().worked(sketch_);
    });
}

}  // namespace talvera::operations
