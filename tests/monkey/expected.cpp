#include "monkey/expected.h"

#include <algorithm>
#include <array>
#include <regex>
#include <utility>

#include "details/details_texts.h"
#include "kit/messages.h"
#include "operations/operations_texts.h"
#include "words/sentences.h"

namespace talvera::monkey {

namespace {

using reference::Integer;
using reference::Rational;
using ui::Control;
using Terms = std::vector<Integer>;
namespace mp = reference::mp;
namespace texts = operations::texts;

Integer fit(const Integer& value) {
    return abs(value) > reference::bound ? throw Beyond{} : value;
}

// A fraction as the pages form it from N1, D1, N2, D2, unreduced; a quotient by the inverse.
std::pair<Integer, Integer> combined(char operation, const Terms& x) {
    if (operation == '+' || operation == '-') {
        const Integer cross = fit(x[2] * x[1]);
        return {fit(fit(x[0] * x[3]) + (operation == '+' ? cross : Integer(-cross))),
                fit(x[1] * x[3])};
    }
    const std::size_t second = operation == ':' ? 3 : 2;
    return {fit(x[0] * x[second]), fit(x[1] * x[5 - second])};
}

// Whether n over d is whole as the pages test it: 1 if equal, else on 32-bit remainder integers.
bool whole(const Integer& n, const Integer& d) {
    const Integer limit = Integer(1) << 31U;
    const bool fits = n >= -limit && n < limit && d >= -limit && d < limit;
    return n == d || (fits ? n % d == 0 : throw Beyond{});
}

}  // namespace

std::string look(const Control& control) {
    using enum ui::ControlKind;
    const bool button = control.kind() == Button;
    const std::string text = control.text() + (button ? " / " + control.description() : "");
    return !control.visible() ? "hidden" : (control.kind() == Frame ? "shown" : text);
}

Expected::Expected(const ui::Form& live) : live_(live) {
    for (const auto& control : live.controls()) {
        looks[control->name()] = look(*control);
    }
}

void Expected::say(std::string_view message) {
    messages += " \"" + std::string(message) + "\"";
}

// "= 11/4", "= -1/4", "= 2": the exact result, in lowest terms, as the picture writes it.
void Expected::picture(const Integer& n, const Integer& d) {
    const Integer g = gcd(n, d);
    const bool negative = (n < 0) != (d < 0) && n != 0;
    pictured = "= " + std::string(negative ? "-" : "") + Integer(abs(n / g)).str() +
               (abs(d / g) == 1 ? "" : "/" + Integer(abs(d / g)).str());
}

void Expected::fraction(const operations::FractionTaskControls& c, char operation) {
    const operations::OverlayPanels& p = c.result.panels;
    const auto t =
        terms(c.terms, operation == 's' ? texts::singular : texts::plural, operation == ':');
    if (!t) {
        return;
    }
    auto [n, d] = operation == 's' ? std::pair{(*t)[0], (*t)[1]} : combined(operation, *t);
    picture(n, d);
    const Integer g = gcd(n, d);
    n /= g;
    d /= g;
    // Sums always write the reduced terms; the others only a positive fraction's magnitudes.
    const bool sum = operation == '+' || operation == '-';
    if (sum) {
        write(c.result.numerator, c.result.denominator, n, d);
    }
    if (whole(n, d)) {
        write(p.wholeBox, p.wholeBox, n / d, n / d, &p.whole);
    } else if ((n < 0) != (d < 0)) {
        write(p.negativeNumerator, p.negativeDenominator, abs(n), abs(d), &p.negative);
    } else if (!sum) {
        write(c.result.numerator, c.result.denominator, abs(n), abs(d));
    }
}

void Expected::comparison(const operations::ComparisonControls& c) {
    const auto t = terms(c.terms, texts::comparison);
    if (!t) {
        return;
    }
    const Terms& x = *t;
    const int order = Rational(x[0], x[1]).compare(Rational(x[2], x[3]));
    looks[c.sign.name()] = std::string(1, order < 0 ? '<' : (order > 0 ? '>' : '='));
    // The relation in words, as the words module says it of the order found here.
    const auto fraction = [&x](std::size_t at) {
        return core::Fraction{*core::Decimal::parse(x[at].str()),
                              *core::Decimal::parse(x[at + 1].str())};
    };
    looks[c.compare.name()] = looks[c.sign.name()] + " / " +
                              words::relationSentence(fraction(0), order <=> 0, fraction(2));
    // The common denominator is a 16-bit integer, and so is each denominator it comes from.
    const Integer common = lcm(x[1], x[3]);
    if (x[1] > 32767 || x[3] > 32767 || common > 32767) {
        throw Beyond{};
    }
    write(c.denominator1, c.denominator2, common, common);
    write(c.numerator1, c.numerator1, 0, fit(common / x[1] * x[0]));
    write(c.numerator2, c.numerator2, 0, fit(common / x[3] * x[2]));
}

void Expected::toDecimal(const operations::ToDecimalControls& c) {
    const auto n = reference::number(term(*c.terms[0]));
    const auto d = reference::number(term(*c.terms[1]));
    if (!n || !d) {
        return say(texts::decimalNotNumeric);
    }
    // The zero check reads the denominator as a double.
    if (!reference::beyondDouble(*d) && reference::zeroAsDouble(*d)) {
        return say(texts::decimalZeroDenominator);
    }
    const auto a = reference::nearest(*n);
    const auto b = reference::beyondDouble(*d) ? std::nullopt : reference::nearest(*d);
    const auto quotient = a && b && *b != 0 ? reference::nearest(*a / *b) : std::nullopt;
    looks[c.result.name()] = quotient ? reference::text(*quotient) : throw Beyond{};
}

void Expected::toFraction(const operations::ToFractionControls& c) {
    const std::string& typedText = live_.control(c.input.name()).text();
    std::string input = typedText;
    std::ranges::replace(input, ',', '.');
    std::erase(input, ' ');
    if (input != typedText) {  // a rewrite of the box is an edit, which empties the results
        looks[c.numerator.name()] = looks[c.denominator.name()] = "";
    }
    looks[c.input.name()] = input;
    const auto count = [&input](char mark) { return std::ranges::count(input, mark); };
    if (count('.') == 0) {
        return say(texts::noDecimalPart);
    }
    if (input.front() == '.') {
        say(texts::noIntegerPart);
        looks[c.input.name()] = input.insert(0, "0");
    }
    if (input.size() > 32767) {
        throw Beyond{};  // its length is a 16-bit count
    }
    const auto tooMany = [&count](char mark, std::string_view ending) {
        return std::string(texts::tooManyPrefix) + std::to_string(count(mark)) +
               std::string(ending);
    };
    for (const auto& [refused, message] : std::array<std::pair<bool, std::string>, 4>{
             {{count('.') > 1 || input.find(texts::ellipsis) != std::string::npos,
               std::string(texts::tooManyPoints)},
              {count('(') > 1, tooMany('(', texts::tooManyOpenings)},
              {count(')') > 1, tooMany(')', texts::tooManyClosings)},
              {count(')') > 0 && input.back() != ')', std::string(texts::afterPeriod)}}}) {
        if (refused) {
            return say(message);
        }
    }
    static const std::regex notation(R"(([+-]?)([0-9]*)\.([0-9]*)(\(([0-9]*)\)?)?)");
    std::smatch part;
    if (!std::regex_match(input, part, notation)) {
        return say(texts::notDecimalNotation);
    }
    const std::string fixed = part[3].str();
    const std::string period = part[5].str();
    Rational value(reference::digits(part[2].str() + fixed), reference::tenTo(fixed.size()));
    if (part[4].matched) {
        // 16-bit integer part and difference AP - A; an empty period makes 0 over 0.
        const Integer integer = reference::digits(part[2].str());
        const Integer difference = reference::digits(fixed + period) - reference::digits(fixed);
        if (integer > (part[1] == "-" ? 32768 : 32767) || difference > 32767 || fixed.size() > 28 ||
            period.size() > 28 || period.empty()) {
            throw Beyond{};
        }
        const Integer denominator =
            fit(reference::tenTo(fixed.size()) * (reference::tenTo(period.size()) - 1));
        value = Rational(fit(fit(integer * denominator) + difference), denominator);
    }
    const Integer n = part[1] == "-" ? Integer(-mp::numerator(value)) : mp::numerator(value);
    write(c.numerator, c.denominator, fit(n), fit(mp::denominator(value)));
}

void Expected::sum(const details::SumRowControls& c, char operation) {
    const details::ResultPanels& p = c.row.panels;
    const auto t = atOnce(c.row) ? terms(c.row.terms, details::texts::sum) : std::nullopt;
    if (!t) {
        return;
    }
    const auto& [a, b, n, d] = std::tie((*t)[0], (*t)[1], (*t)[2], (*t)[3]);
    const auto [u, w] = combined(operation, *t);
    picture(u, w);
    const Integer m = fit(b / gcd(b, d) * d);
    looks[c.multipleCaption.name()] = details::texts::leastCommonMultiple;
    looks[c.multipleLine.name()] = "( " + b.str() + " , " + d.str() + " ) = " + m.str();
    looks[c.firstFactor.name()] = "( " + Integer(m / b).str() + " )";
    looks[c.secondFactor.name()] = "( " + Integer(m / d).str() + " )";
    write(c.firstExpanded.numerator, c.firstExpanded.numerator, 0, fit(a * m) / b);
    write(c.secondExpanded.numerator, c.secondExpanded.numerator, 0, fit(n * m) / d);
    write(c.firstExpanded.denominator, c.secondExpanded.denominator, m, m);
    const Integer x = combined(operation, {a * m / b, 1, n * m / d, 1}).first;
    write(c.combined.numerator, c.combined.denominator, x, m);
    // The panels follow the working fraction; the whole test, the result in lowest terms.
    const Integer h = gcd(x, m);
    if (x != 0 && (x < 0 || h > 1)) {
        const details::FractionBoxes& boxes = x < 0 ? p.negativeBoxes : p.reducedBoxes;
        write(boxes.numerator, boxes.denominator, abs(x) / h, m / h,
              x < 0 ? &p.negative : &p.reduced);
    }
    const Integer g = gcd(u, w);
    if (whole(u / g, w / g)) {
        write(p.wholeBox, p.wholeBox, u / w, u / w, &p.whole);
    }
}

void Expected::product(const details::ProductRowControls& c, char operation) {
    const details::ResultPanels& p = c.row.panels;
    const auto t = atOnce(c.row) ? terms(c.row.terms, details::texts::product, operation == ':')
                                 : std::nullopt;
    if (!t) {
        return;
    }
    if (c.inverted) {
        write(c.inverted->first.numerator, c.inverted->first.denominator, (*t)[0], (*t)[1]);
        write(c.inverted->inverted.numerator, c.inverted->inverted.denominator, (*t)[3], (*t)[2]);
    }
    const auto [n, d] = combined(operation, *t);
    picture(n, d);
    write(c.product.numerator, c.product.denominator, n, d);
    // Reduced, the signs stay where they fell; a negative result shows its magnitude.
    const Integer g = gcd(n, d);
    if (g != 1 && n != 0) {
        const bool negative = (n < 0) != (d < 0);
        const details::FractionBoxes& boxes = negative ? p.negativeBoxes : p.reducedBoxes;
        write(boxes.numerator, boxes.denominator, negative ? Integer(abs(n / g)) : n / g,
              negative ? Integer(abs(d / g)) : d / g, negative ? &p.negative : &p.reduced);
    }
    if (whole(n / g, d / g)) {
        write(p.wholeBox, p.wholeBox, n / d, n / d, &p.whole);
    }
}

std::string_view Expected::term(const Control& box) const {
    std::string_view text = live_.control(box.name()).text();
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The term validation: empty (comparison), numeric, negative as typed (Details sums),
// conversion, negative by value (comparison), decimal, zero; each check over every box.
// Division then refuses a second fraction whose numerator is 0.
std::optional<Terms> Expected::terms(const std::vector<Control*>& boxes,
                                     const kit::TermValidation& validation, bool division) {
    const bool comparison = &validation == &texts::comparison;
    const kit::TermSentences& words = validation.sentences;
    std::vector<std::optional<Rational>> values;
    for (const Control* box : boxes) {
        if (comparison && term(*box).empty()) {
            return refuse(words.emptyTerm);
        }
        values.push_back(reference::number(term(*box)));
    }
    const auto denominator = [&values](auto test) {
        return test(*values[1]) || (values.size() > 3 && test(*values[3]));
    };
    if (std::ranges::any_of(values, [](const auto& value) { return !value; })) {
        return refuse(words.notNumeric);
    }
    // The check on the text reads a denominator as a double.
    if (&validation == &details::texts::sum && denominator([](const Rational& value) {
            return reference::beyondDouble(value) ? throw Beyond{}
                                                  : value < 0 && !reference::zeroAsDouble(value);
        })) {
        return refuse(words.negativeDenominator);
    }
    for (auto& value : values) {
        value = reference::nearest(*value);
        value = value ? value : throw Beyond{};
    }
    if (comparison && denominator([](const Rational& value) { return value < 0; })) {
        return refuse(words.negativeDenominator);
    }
    if (std::ranges::any_of(values, [](const auto& v) { return mp::denominator(*v) != 1; })) {
        return refuse(words.notWhole);
    }
    if (denominator([](const Rational& value) { return value == 0; })) {
        return refuse(words.zeroDenominator);
    }
    Terms whole(values.size());
    std::ranges::transform(values, whole.begin(), [](const auto& v) { return mp::numerator(*v); });
    return division && whole[2] == 0 ? refuse(kit::messages::divisionByZero) : std::optional(whole);
}

std::nullopt_t Expected::refuse(std::string_view message) {
    say(message);
    return std::nullopt;
}

// A row in step mode refuses its "=".
bool Expected::atOnce(const details::RowControls& row) {
    if (live_.control(row.stepMode.name()).checked()) {
        say(details::texts::stepModeRefusal);
    }
    return !live_.control(row.stepMode.name()).checked();
}

// Two boxes written (the second wins if they are one), and the panel they are in shown.
void Expected::write(const Control& top, const Control& bottom, const Integer& n, const Integer& d,
                     const Control* panel) {
    looks[top.name()] = n.str();
    looks[bottom.name()] = d.str();
    if (panel != nullptr) {
        looks[panel->name()] = "shown";
    }
}

}  // namespace talvera::monkey
