#include "operations/to_fraction_task.h"

#include <algorithm>

#include "core/decimal_fraction.h"
#include "core/decimal_notation.h"
#include "core/finite_decimal.h"
#include "core/fixed_width.h"
#include "core/number_reading.h"
#include "kit/checked_divisor.h"
#include "kit/clearing.h"
#include "kit/described.h"
#include "kit/failure_trap.h"
#include "operations/operations_texts.h"
#include "words/decimal_text.h"
#include "words/sentences.h"

namespace talvera::operations {

namespace {

std::string without(std::string_view text, char mark) {
    std::string result;
    std::ranges::copy_if(text, std::back_inserter(result), [mark](char c) { return c != mark; });
    return result;
}

std::size_t count(std::string_view text, char mark) {
    return static_cast<std::size_t>(std::ranges::count(text, mark));
}

}  // namespace

ToFractionTask::ToFractionTask(ToFractionControls controls, const kit::Messenger& messenger)
    : controls_(controls),
      messenger_(messenger),
      sketch_{.kind = picture::Kind::ToFraction, .terms = {&controls_.input}} {
    messenger_.sketcher().add({controls_.convert.container()}, sketch_);
    kit::wireClearing({&controls_.input}, controls_.clearResult, controls_.clearAll,
                      [this] { clearResults(); });
    controls_.convert.onClick([this] { convert(); });
}

void ToFractionTask::clearResults() {
    controls_.numerator.setDescription("");
    controls_.denominator.setDescription("");
    messenger_.narrator().forget(*controls_.convert.container());
    sketch_.stage = 0;
    messenger_.sketcher().worked(sketch_);
    controls_.numerator.setText("");
    controls_.denominator.setText("");
}

std::string ToFractionTask::normalizeInput() const {
    // Each rewrite of the box is an edit, which clears the results.
    std::string text = controls_.input.text();
    std::ranges::replace(text, ',', '.');
    controls_.input.setText(text);
    controls_.input.setText(without(controls_.input.text(), ' '));
    return controls_.input.text();
}

void ToFractionTask::writeScratch(const std::string& input) const {
    controls_.withoutPoints.setText(without(input, '.'));
    controls_.withoutOpenings.setText(without(input, '('));
    controls_.withoutClosings.setText(without(input, ')'));
}

bool ToFractionTask::checkMarks(const std::string& input) const {
    // Lengths are 16-bit counts.
    core::toInt16(static_cast<double>(input.size()));
    const auto lengthWithout = [&input](const ui::Control& scratch) {
        return input.size() - scratch.text().size();
    };
    // The ellipsis character is refused as its three points are.
    if (lengthWithout(controls_.withoutPoints) >= 2 ||
        input.find(texts::ellipsis) != std::string::npos) {
        messenger_.inform(texts::tooManyPoints);
        return false;
    }
    const std::size_t openings = lengthWithout(controls_.withoutOpenings);
    if (openings >= 2) {
        messenger_.inform(std::string(texts::tooManyPrefix) + std::to_string(openings) +
                          std::string(texts::tooManyOpenings));
        return false;
    }
    const std::size_t closings = lengthWithout(controls_.withoutClosings);
    if (closings >= 2) {
        messenger_.inform(std::string(texts::tooManyPrefix) + std::to_string(closings) +
                          std::string(texts::tooManyClosings));
        return false;
    }
    if (count(input, ')') > 0 && input.back() != ')') {
        messenger_.inform(texts::afterPeriod);
        return false;
    }
    return true;
}

void ToFractionTask::convert() {
    kit::runTrapped(messenger_, [this] {
        std::string input = normalizeInput();
        writeScratch(input);
        if (count(input, '.') == 0) {
            messenger_.inform(texts::noDecimalPart);
            return;
        }
        if (input.front() == '.') {
            messenger_.inform(texts::noIntegerPart);
            input.insert(0, "0");
            controls_.input.setText(input);
            writeScratch(input);
        }
        if (!checkMarks(input)) {
            return;
        }
        if (!core::isDecimalNotation(input)) {
            messenger_.inform(texts::notDecimalNotation);
            return;
        }
        const core::Fraction fraction = core::decimalToFraction(input);
        const core::Decimal divisor =
            kit::checkedDivisor(messenger_, fraction.numerator, fraction.denominator);
        const core::Fraction reduced{fraction.numerator / divisor, fraction.denominator / divisor};
        const std::string said = kit::resultWordsOf(reduced);
        kit::writeDescribed(controls_.numerator, reduced.numerator.toString(), said);
        kit::writeDescribed(controls_.denominator, reduced.denominator.toString(), said);
        messenger_.narrator().tell(
            controls_.convert.form(), {controls_.convert.container()},
            words::capitalized(words::decimalText(input) + " é igual a " + said + "."));
        sketch_.stage = picture::allStages;
        messenger_.sketcher().worked(sketch_);
    });
}

}  // namespace talvera::operations
