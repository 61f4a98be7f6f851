#include "operations/to_fraction_task.h"

#include <algorithm>

#include "common/checked_divisor.h"
#include "common/clearing.h"
#include "common/failure_trap.h"
#include "core/capacity_error.h"
#include "core/fixed_width.h"
#include "core/number_reading.h"
#include "operations/decimal_notation.h"
#include "operations/finite_decimal.h"
#include "operations/operations_texts.h"

namespace talvera::operations {

namespace {

std::string without(std::string_view text, char mark) {
    std::string result;
    std::ranges::copy_if(text, std::back_inserter(result), [mark](char c) { return c != mark; });
    return result;
}

// Beyond 10^28 this throws, as the value no longer fits the scaled decimal.
core::Decimal powerOfTen(std::size_t exponent) {
    const core::Decimal ten = core::Decimal::fromInteger(10);
    core::Decimal power = core::Decimal::fromInteger(1);
    for (std::size_t i = 0; i < exponent; ++i) {
        power = power * ten;
    }
    return power;
}

// integer part i, non-repeating digits A and period P: the value is
// ±(|i| + (AP - A) / (10^a * (10^p - 1))).
core::Fraction repeatingFraction(const std::string& input) {
    const std::size_t point = input.find('.');
    const std::string integerText = input.substr(0, point);
    const std::string decimals = input.substr(point + 1);
    const std::size_t opening = decimals.find('(');
    if (opening == std::string::npos) {
        // The "(" stands before the point, so no period follows it.
        throw core::CapacityError();
    }
    const std::string nonRepeating = decimals.substr(0, opening);
    const std::string period = without(without(decimals.substr(opening), '('), ')');

    // The program's stated capacity on this path: a 16-bit integer part and difference.
    const int integerPart = core::toInt16(core::leadingNumber(integerText));
    const int difference = core::toInt16(core::leadingNumber(nonRepeating + period) -
                                         core::leadingNumber(nonRepeating));

    const core::Decimal denominator = powerOfTen(nonRepeating.size()) *
                                      (powerOfTen(period.size()) - core::Decimal::fromInteger(1));
    const core::Decimal magnitude =
        core::Decimal::fromInteger(std::abs(integerPart)) * denominator +
        core::Decimal::fromInteger(difference);
    // The sign belongs to the whole value: -1.(3) is -4/3, and -0.(3) is -1/3.
    const bool negative = integerText.starts_with('-');
    return {negative ? -magnitude : magnitude, denominator};
}

std::size_t count(std::string_view text, char mark) {
    return static_cast<std::size_t>(std::ranges::count(text, mark));
}

}  // namespace

core::Fraction decimalToFraction(const std::string& input) {
    return input.find('(') == std::string::npos ? finiteDecimalFraction(input)
                                                : repeatingFraction(input);
}

ToFractionTask::ToFractionTask(ToFractionControls controls, const common::Messenger& messenger)
    : controls_(controls), messenger_(messenger) {
    common::wireClearing({&controls_.input}, controls_.clearResult, controls_.clearAll,
                         [this] { clearResults(); });
    controls_.convert.onClick([this] { convert(); });
}

void ToFractionTask::clearResults() const {
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

void ToFractionTask::convert() const {
    common::runTrapped(messenger_, [this] {
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
        if (!isDecimalNotation(input)) {
            messenger_.inform(texts::notDecimalNotation);
            return;
        }
        const core::Fraction fraction = decimalToFraction(input);
        const core::Decimal divisor =
            common::checkedDivisor(messenger_, fraction.numerator, fraction.denominator);
        controls_.numerator.setText((fraction.numerator / divisor).toString());
        controls_.denominator.setText((fraction.denominator / divisor).toString());
    });
}

}  // namespace talvera::operations
