#include "operations/to_decimal_task.h"

#include "core/number_reading.h"
#include "kit/clearing.h"
#include "kit/described.h"
#include "kit/failure_trap.h"
#include "operations/operations_texts.h"
#include "words/decimal_text.h"
#include "words/sentences.h"

namespace talvera::operations {

ToDecimalTask::ToDecimalTask(ToDecimalControls controls, const kit::Messenger& messenger)
    : controls_(std::move(controls)),
      messenger_(messenger),
      sketch_{.kind = picture::Kind::ToDecimal, .terms = controls_.terms} {
    messenger_.sketcher().add({controls_.convert.container()}, sketch_);
    kit::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                      [this] { clear(); });
    controls_.convert.onClick([this] { convert(); });
}

void ToDecimalTask::clear() {
    controls_.result.setDescription("");
    controls_.result.setText("");
    messenger_.narrator().forget(*controls_.convert.container());
    sketch_.stage = 0;
    messenger_.sketcher().worked(sketch_);
}

void ToDecimalTask::convert() {
    kit::runTrapped(messenger_, [this] {
        const ui::Control& numeratorBox = *controls_.terms[0];
        const ui::Control& denominatorBox = *controls_.terms[1];
        const std::string_view numerator = core::termText(numeratorBox.text());
        const std::string_view denominator = core::termText(denominatorBox.text());
        if (!core::isNumeric(numerator) || !core::isNumeric(denominator)) {
            messenger_.inform(texts::decimalNotNumeric);
            return;
        }
        if (core::leadingNumber(denominatorBox.text()) == 0.0) {
            messenger_.inform(texts::decimalZeroDenominator);
            return;
        }
        // Signs and decimal terms are divided like any others; a denominator that is not 0 by
        // the zero test but is 0 as a scaled decimal (1e-30) fails the division.
        const core::Decimal top = *core::Decimal::parse(numerator);
        const core::Decimal bottom = *core::Decimal::parse(denominator);
        const std::string quotient = (top / bottom).toString();
        const std::string said = words::decimalText(quotient);
        kit::writeDescribed(controls_.result, quotient, said);
        // Terms with a decimal part are said as the division they are.
        const std::string terms = kit::hasWords({top, bottom})
                                      ? words::fraction({top, bottom})
                                      : words::decimalText(top.toString()) + " a dividir por " +
                                            words::decimalText(bottom.toString());
        messenger_.narrator().tell(controls_.convert.form(), {controls_.convert.container()},
                                   words::capitalized(terms + " é igual a " + said + "."));
        sketch_.stage = picture::allStages;
        messenger_.sketcher().worked(sketch_);
    });
}

}  // namespace talvera::operations
