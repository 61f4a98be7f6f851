#include "exact_results.h"

#include <compare>
#include <functional>
#include <utility>
#include <vector>

#include "core/decimal.h"
#include "core/number_reading.h"

namespace talvera::monkey {

namespace {

using core::Decimal;
using core::UInt128;
using core::testing::Natural;

Rational exact(const Decimal& value) {
    return {value.isNegative(), Natural{value.magnitude()},
            Natural{core::testing::powerOfTen(value.scale())}};
}

Natural powerOfTen(std::size_t exponent) {
    Natural power{1};
    for (std::size_t i = 0; i < exponent; ++i) {
        power = power * Natural{10};
    }
    return power;
}

Natural naturalOf(std::string_view digits) {
    Natural value;
    for (const char c : digits) {
        value = value * Natural{10} + Natural{static_cast<UInt128>(c - '0')};
    }
    return value;
}

std::string_view takeDigits(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9') {
        ++length;
    }
    const std::string_view digits = text.substr(0, length);
    text.remove_prefix(length);
    return digits;
}

bool take(std::string_view& text, char mark) {
    if (text.starts_with(mark)) {
        text.remove_prefix(1);
        return true;
    }
    return false;
}

UInt128 gcd(UInt128 a, UInt128 b) {
    while (b != 0) {
        a = std::exchange(b, a % b);
    }
    return a;
}

// A whole number the program wrote into a box, in plain digits.
std::optional<Decimal> written(const ui::Form& form, std::string_view box) {
    const auto value = Decimal::parse(form.control(box).text());
    if (!value || !value->isWhole()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> checkFraction(const ui::Form& form, std::string_view numeratorBox,
                                         std::string_view denominatorBox, const Rational& expected,
                                         bool negated) {
    const auto n = written(form, numeratorBox);
    const auto d = written(form, denominatorBox);
    const std::string where = std::string(numeratorBox) + "/" + std::string(denominatorBox);
    if (!n || !d || d->isZero()) {
        return where + " is not a fraction";
    }
    Rational shown = exact(*n) / exact(*d);
    shown.negative = shown.negative != negated;
    if (std::is_neq(shown <=> expected)) {
        return where + " is not the exact result";
    }
    if (gcd(n->magnitude(), d->magnitude()) != 1) {
        return where + " is not in lowest terms";
    }
    return std::nullopt;
}

struct Task {
    std::string_view button;
    std::vector<std::string_view> terms;
    std::string_view numerator, denominator;
    std::string_view whole, wholeBox, negative, negativeNumerator, negativeDenominator;
    std::function<std::optional<Rational>(const std::vector<Rational>&)> combine;
};

std::optional<Rational> quotient(const Rational& a, const Rational& b) {
    if (b.numerator.isZero()) {
        return std::nullopt;
    }
    return a / b;
}

std::vector<Task> operationsTasks() {
    return {
        {"Adição",
         {"AdiçãoN1", "AdiçãoD1", "AdiçãoN2", "AdiçãoD2"},
         "AdiçãoN3",
         "AdiçãoD3",
         "Frame6",
         "Text1",
         "Frame13",
         "Text10",
         "Text9",
         [](const std::vector<Rational>& t) { return t[0] / t[1] + t[2] / t[3]; }},
        {"Subtracção",
         {"SubtracçãoN1", "SubtracçãoD1", "SubtracçãoN2", "SubtracçãoD2"},
         "SubtracçãoN3",
         "SubtracçãoD3",
         "Frame7",
         "Text2",
         "Frame14",
         "Text12",
         "Text11",
         [](const std::vector<Rational>& t) { return t[0] / t[1] - t[2] / t[3]; }},
        {"Multiplicação",
         {"MultiplicaçãoN1", "MultiplicaçãoD1", "MultiplicaçãoN2", "MultiplicaçãoD2"},
         "MultiplicaçãoN3",
         "MultiplicaçãoD3",
         "Frame8",
         "Text3",
         "Frame15",
         "Text14",
         "Text13",
         [](const std::vector<Rational>& t) { return (t[0] / t[1]) * (t[2] / t[3]); }},
        {"Divisão",
         {"DivisãoN1", "DivisãoD1", "DivisãoN2", "DivisãoD2"},
         "DivisãoN3",
         "DivisãoD3",
         "Frame9",
         "Text4",
         "Frame16",
         "Text16",
         "Text15",
         [](const std::vector<Rational>& t) { return quotient(t[0] / t[1], t[2] / t[3]); }},
        {"Simplificação",
         {"SimplificaçãoN1", "SimplificaçãoD1"},
         "SimplificaçãoN2",
         "SimplificaçãoD2",
         "Frame10",
         "Text5",
         "Frame12",
         "Text8",
         "Text7",
         [](const std::vector<Rational>& t) { return t[0] / t[1]; }},
    };
}

std::optional<std::string> checkTask(const ui::Form& form, const Task& task) {
    std::vector<Rational> terms;
    for (const std::string_view box : task.terms) {
        const auto value = termValue(form.control(box).text());
        if (!value || std::is_neq(value->denominator <=> Natural{1})) {
            return std::string(task.button) + " took a term that is not a whole number";
        }
        terms.push_back(*value);
    }
    if (terms[1].numerator.isZero() || (terms.size() > 3 && terms[3].numerator.isZero())) {
        return std::string(task.button) + " took a zero denominator";
    }
    const auto expected = task.combine(terms);
    if (!expected) {
        return std::string(task.button) + " divided by zero";
    }
    bool shown = false;
    if (!form.control(task.numerator).text().empty()) {
        shown = true;
        if (auto fault = checkFraction(form, task.numerator, task.denominator, *expected, false)) {
            return fault;
        }
    }
    if (form.control(task.whole).visible()) {
        shown = true;
        const auto whole = written(form, task.wholeBox);
        if (!whole || std::is_neq(exact(*whole) <=> *expected)) {
            return std::string(task.button) + " shows a wrong whole number";
        }
    }
    if (form.control(task.negative).visible()) {
        shown = true;
        if (auto fault = checkFraction(form, task.negativeNumerator, task.negativeDenominator,
                                       *expected, true)) {
            return fault;
        }
    }
    if (!shown) {
        return std::string(task.button) + " showed nothing";
    }
    return std::nullopt;
}

std::optional<std::string> checkConversion(const ui::Form& form) {
    if (form.control("ConversãoN1").text().empty()) {
        return std::nullopt;
    }
    const auto expected = decimalValue(form.control("Text6").text());
    if (!expected) {
        return "Conversão answered a text that is not a decimal";
    }
    return checkFraction(form, "ConversãoN1", "ConversãoD1", *expected, false);
}

// A row of the Details page computed at once: its final fraction before reduction, and the
// three panels that can show it reduced, as a negative magnitude, or as a whole number.
struct DetailsRow {
    std::string_view button, stepMode;
    std::vector<std::string_view> terms;
    std::string_view numerator, denominator;
    std::string_view reduced, reducedNumerator, reducedDenominator;
    std::string_view negative, negativeNumerator, negativeDenominator;
    std::string_view whole, wholeBox;
    std::function<std::optional<Rational>(const std::vector<Rational>&)> combine;
};

std::vector<DetailsRow> detailsRows() {
    return {
        {"Adição",
         "PassoAdição",
         {"AdiçãoN1", "AdiçãoD1", "AdiçãoN2", "AdiçãoD2"},
         "AdiçãoN5",
         "AdiçãoD5",
         "Frame1A",
         "AdiçãoN6",
         "AdiçãoD6",
         "Frame2A",
         "AdiçãoN7",
         "AdiçãoD7",
         "Frame3A",
         "AdiçãoFim",
         [](const std::vector<Rational>& t) { return t[0] / t[1] + t[2] / t[3]; }},
        {"Subtração",
         "PassoSubtração",
         {"SubtraçãoN1", "SubtraçãoD1", "SubtraçãoN2", "SubtraçãoD2"},
         "SubtraçãoN5",
         "SubtraçãoD5",
         "Frame1B",
         "SubtraçãoN6",
         "SubtraçãoD6",
         "Frame2B",
         "SubtraçãoN7",
         "SubtraçãoD7",
         "Frame3B",
         "SubtraçãoFim",
         [](const std::vector<Rational>& t) { return t[0] / t[1] - t[2] / t[3]; }},
        {"Multiplicação",
         "PassoMultiplicação",
         {"MultiplicaçãoN1", "MultiplicaçãoD1", "MultiplicaçãoN2", "MultiplicaçãoD2"},
         "MultiplicaçãoN3",
         "MultiplicaçãoD3",
         "Frame1C",
         "MultiplicaçãoN4",
         "MultiplicaçãoD4",
         "Frame2C",
         "MultiplicaçãoN5",
         "MultiplicaçãoD5",
         "Frame3C",
         "MultiplicaçãoFim",
         [](const std::vector<Rational>& t) { return (t[0] / t[1]) * (t[2] / t[3]); }},
        {"Divisão",
         "PassoDivisão",
         {"DivisãoN1", "DivisãoD1", "DivisãoN2", "DivisãoD2"},
         "DivisãoN5",
         "DivisãoD5",
         "Frame1D",
         "DivisãoN6",
         "DivisãoD6",
         "Frame2D",
         "DivisãoN7",
         "DivisãoD7",
         "Frame3D",
         "DivisãoFim",
         [](const std::vector<Rational>& t) { return quotient(t[0] / t[1], t[2] / t[3]); }},
    };
}

std::optional<std::string> checkDetailsRow(const ui::Form& form, const DetailsRow& row) {
    std::vector<Rational> terms;
    for (const std::string_view box : row.terms) {
        const auto value = termValue(form.control(box).text());
        if (!value || std::is_neq(value->denominator <=> Natural{1})) {
            return std::string(row.button) + " took a term that is not a whole number";
        }
        terms.push_back(*value);
    }
    if (terms[1].numerator.isZero() || terms[3].numerator.isZero()) {
        return std::string(row.button) + " took a zero denominator";
    }
    const auto expected = row.combine(terms);
    if (!expected) {
        return std::string(row.button) + " divided by zero";
    }
    // The working line keeps the signs and factors as computed; only its value must be right.
    const auto n = written(form, row.numerator);
    const auto d = written(form, row.denominator);
    if (!n || !d || d->isZero() || std::is_neq(exact(*n) / exact(*d) <=> *expected)) {
        return std::string(row.button) + " wrote a working fraction of another value";
    }
    const bool reduced = form.control(row.reduced).visible();
    const bool negative = form.control(row.negative).visible();
    const bool whole = form.control(row.whole).visible();
    if (reduced && negative) {
        return std::string(row.button) + " shows both a reduced and a negative panel";
    }
    if (reduced) {
        if (auto fault = checkFraction(form, row.reducedNumerator, row.reducedDenominator,
                                       *expected, false)) {
            return fault;
        }
    }
    if (negative) {
        if (auto fault = checkFraction(form, row.negativeNumerator, row.negativeDenominator,
                                       *expected, true)) {
            return fault;
        }
    }
    if (whole) {
        const auto value = written(form, row.wholeBox);
        if (!value || std::is_neq(exact(*value) <=> *expected)) {
            return std::string(row.button) + " shows a wrong whole number";
        }
    }
    // A fraction in lowest terms may stand as the result, with its sign wherever it came.
    if (!reduced && !negative && !whole && gcd(n->magnitude(), d->magnitude()) != 1) {
        return std::string(row.button) + " left a fraction that is not in lowest terms";
    }
    return std::nullopt;
}

}  // namespace

std::optional<Rational> termValue(std::string_view text) {
    const auto value = Decimal::parse(core::termText(text));
    if (!value) {
        return std::nullopt;
    }
    return exact(*value);
}

std::optional<Rational> decimalValue(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (!take(text, '+')) {
        take(text, '-');
    }
    const std::string_view integer = takeDigits(text);
    if (!take(text, '.')) {
        return std::nullopt;
    }
    const std::string_view fixed = takeDigits(text);
    Rational value = Rational{false, naturalOf(integer), Natural{1}} +
                     Rational{false, naturalOf(fixed), powerOfTen(fixed.size())};
    if (take(text, '(')) {
        const std::string_view period = takeDigits(text);
        take(text, ')');
        if (period.empty()) {
            return std::nullopt;
        }
        const Natural nines = powerOfTen(period.size()) - Natural{1};
        value = value + Rational{false, naturalOf(period), powerOfTen(fixed.size()) * nines};
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    value.negative = negative;
    return value;
}

std::optional<std::string> checkOperationsResult(const ui::Form& form, std::string_view button) {
    if (button == "Conversão") {
        return checkConversion(form);
    }
    for (const Task& task : operationsTasks()) {
        if (task.button == button) {
            return checkTask(form, task);
        }
    }
    return std::nullopt;
}

std::optional<std::string> checkDetailsResult(const ui::Form& form, std::string_view button) {
    for (const DetailsRow& row : detailsRows()) {
        if (row.button == button && !form.control(row.stepMode).checked()) {
            return checkDetailsRow(form, row);
        }
    }
    return std::nullopt;
}

}  // namespace talvera::monkey
