#include "operations/to_decimal_task.h"

#include "core/number_reading.h"
#include "kit/clearing.h"
#include "kit/failure_trap.h"
#include "operations/operations_texts.h"

namespace talvera::operations {

ToDecimalTask::ToDecimalTask(ToDecimalControls controls, const kit::Messenger& messenger)
    : controls_(std::move(controls)), messenger_(messenger) {
    kit::wireClearing(controls_.terms, controls_.clearResult, controls_.clearAll,
                      [this] { controls_.result.setText(""); });
    controls_.convert.onClick([this] { convert(); });
}

void ToDecimalTask::convert() const {
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
        const core::Decimal quotient =
            *core::Decimal::parse(numerator) / *core::Decimal::parse(denominator);
        controls_.result.setText(quotient.toString());
    });
}

}  // namespace talvera::operations
