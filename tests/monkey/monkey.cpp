#include "monkey.h"

#include <algorithm>
#include <array>
#include <exception>
#include <map>
#include <regex>
#include <utility>

#include "core/reference.h"
#include "details/details_layout.h"
#include "details/details_texts.h"
#include "operations/operations_texts.h"
#include "shell/program.h"
#include "ui/user.h"

namespace talvera::monkey {

namespace {

using reference::Integer;
using reference::Rational;
using shell::PageId;
using ui::Control;
namespace mp = reference::mp;
namespace texts = operations::texts;

// An intermediate beyond what the program holds: the press ends with the capacity message.
struct Beyond {};

Integer fit(const Integer& value) {
    return abs(value) > reference::bound ? throw Beyond{} : value;
}

// A fraction as the pages form it from N1, D1, N2, D2, before any reduction: a sum or difference
// over the product of the denominators, a product term by term, a quotient by the inverse.
std::pair<Integer, Integer> combined(char operation, const std::vector<Integer>& x) {
    if (operation == '+' || operation == '-') {
        const Integer cross = fit(x[2] * x[1]);
        return {fit(fit(x[0] * x[3]) + (operation == '+' ? cross : Integer(-cross))),
                fit(x[1] * x[3])};
    }
    const std::size_t second = operation == ':' ? 3 : 2;
    return {fit(x[0] * x[second]), fit(x[1] * x[5 - second])};
}

// Whether n over d is whole as the pages test it: equal terms are 1, any others are tested on
// 32-bit remainder integers.
bool whole(const Integer& n, const Integer& d) {
    const Integer limit = Integer(1) << 31U;
    if (n != d && (n < -limit || n >= limit || d < -limit || d >= limit)) {
        throw Beyond{};
    }
    return n == d || n % d == 0;
}

// What the checks read of a control: whether it is shown, a panel being nothing more; a box's
// text or a caption; a button's caption and what it says to a screen reader.
std::string look(const Control& control) {
    using enum ui::ControlKind;
    if (!control.visible() || control.kind() == Frame) {
        return control.visible() ? "shown" : "hidden";
    }
    return control.text() + (control.kind() == Button ? " / " + control.description() : "");
}

// What a person might type: mostly small whole numbers for a term and decimals for the
// conversion; now and then a text at the edge of a check, or any bytes at all.
std::string typed(const std::function<std::size_t(std::size_t)>& pick, bool decimal) {
    static constexpr std::array<std::string_view, 30> odd{
        "",     " ",      "-",      "+",      ".",   "x",
        "1e3",  "2E-1",   "0x10",   "1,5",    "--1", " 7 ",
        "3.0",  "-0",     "1.5",    "2.5",    "ç",   "😀",
        "١٢",   "(",      ")",      "0.(",    "…",   "1 2",
        "1e30", "-1e-30", "1e-400", "-1e400", "0.0", "99999999999999999999999999999"};
    const auto digits = [&pick](std::size_t most) {
        std::string text;
        for (std::size_t n = pick(most + 1); n > 0; --n) {
            text.push_back(static_cast<char>('0' + pick(10)));
        }
        return text;
    };
    const std::string sign = pick(4) == 0 ? "-" : "";
    std::string text = sign + digits(5) + "." + digits(4);
    switch (pick(decimal ? 4 : 20)) {
        case 0:
            for (std::size_t n = pick(12); n > 0; --n) {
                text.push_back(static_cast<char>(decimal ? ".,()-+ e0"[pick(9)] : pick(256)));
            }
            return text;
        case 1:
            return decimal ? sign + digits(30) + "." + digits(40) : std::string(odd[pick(30)]);
        case 2:
        case 3:
            return decimal || pick(2) == 0 ? text + "(" + digits(5) + (pick(4) == 0 ? "" : ")")
                                           : text;
        case 4:
            return sign + digits(16);
        case 5:
            return "0";
        default:
            return sign + std::to_string(1 + pick(30));
    }
}

// The checks a task runs besides those of every page: none for the operations and products, a
// negative denominator as typed for the Details sums, empty boxes and a negative denominator by
// its value for the comparison.
enum class Checks { Plain, Sum, Comparison };

// What a press must show, worked out from the boxes of the live page as each handler is meant
// to: its checks in order, then every intermediate exactly; one beyond the scaled decimal's bound
// or a fixed-width integer ends the press with the capacity message, leaving what was written.
// The roles are those of a scratch layout of the page, found on the live page by name.
class Reference {
  public:
    explicit Reference(const ui::Form& live) : live_(live) {
        for (const auto& control : live.controls()) {
            looks[control->name()] = look(*control);
        }
    }

    std::vector<std::string> messages;
    std::map<std::string, std::string> looks;  // every control of the page, as it must be after

    void say(std::string_view message) { messages.emplace_back(message); }

    void fraction(const operations::FractionTaskControls& c, char operation) {
        const operations::ResultView& view = c.result;
        const auto t = terms(c.terms, operation == 's' ? texts::singular : texts::plural);
        if (!t || refusesZero(operation == ':', *t)) {
            return;
        }
        auto [n, d] = operation == 's' ? std::pair{(*t)[0], (*t)[1]} : combined(operation, *t);
        const Integer g = gcd(n, d);
        n /= g;
        d /= g;
        // Sums always write the reduced terms; the others only a positive fraction's magnitudes.
        const bool sum = operation == '+' || operation == '-';
        if (sum) {
            write(view.numerator, view.denominator, n, d);
        }
        if (whole(n, d)) {
            write(view.panels.wholeBox, n / d, &view.panels.whole);
        } else if ((n < 0) != (d < 0)) {
            write(view.panels.negativeNumerator, view.panels.negativeDenominator, abs(n), abs(d),
                  &view.panels.negative);
        } else if (!sum) {
            write(view.numerator, view.denominator, abs(n), abs(d));
        }
    }

    void comparison(const operations::ComparisonControls& c) {
        const auto t = terms(c.terms, texts::comparison, Checks::Comparison);
        if (!t) {
            return;
        }
        const std::vector<Integer>& x = *t;
        const int order = Rational(x[0], x[1]).compare(Rational(x[2], x[3]));
        const std::string sign = order < 0 ? "<" : (order > 0 ? ">" : "=");
        looks[c.sign.name()] = sign;
        looks[c.compare.name()] =
            sign + " / " +
            std::string(order < 0 ? texts::firstIsLess
                                  : (order > 0 ? texts::firstIsGreater : texts::bothEqual));
        // The common denominator is a 16-bit integer, and so is each denominator it comes from.
        const Integer common = lcm(x[1], x[3]);
        if (x[1] > 32767 || x[3] > 32767 || common > 32767) {
            throw Beyond{};
        }
        write(c.denominator1, c.denominator2, common, common);
        write(c.numerator1, fit(common / x[1] * x[0]));
        write(c.numerator2, fit(common / x[3] * x[2]));
    }

    void toDecimal(const operations::ToDecimalControls& c) {
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

    void toFraction(const operations::ToFractionControls& c) {
        std::string input = live_.control(c.input.name()).text();
        std::ranges::replace(input, ',', '.');
        std::erase(input, ' ');
        // A rewrite of the box is an edit, which empties the results.
        if (input != live_.control(c.input.name()).text()) {
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
        if (count('.') > 1 || input.find(texts::ellipsis) != std::string::npos) {
            return say(texts::tooManyPoints);
        }
        for (const auto& [mark, ending] :
             {std::pair{'(', texts::tooManyOpenings}, std::pair{')', texts::tooManyClosings}}) {
            if (count(mark) > 1) {
                return say(std::string(texts::tooManyPrefix) + std::to_string(count(mark)) +
                           std::string(ending));
            }
        }
        if (count(')') > 0 && input.back() != ')') {
            return say(texts::afterPeriod);
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
            // A period has its own capacity: a 16-bit integer part and difference AP - A, then
            // the unreduced terms; an empty period makes 0 over 0.
            const Integer integer = reference::digits(part[2].str());
            const Integer difference = reference::digits(fixed + period) - reference::digits(fixed);
            if (integer > (part[1] == "-" ? 32768 : 32767) || difference > 32767 ||
                fixed.size() > 28 || period.size() > 28 || period.empty()) {
                throw Beyond{};
            }
            const Integer denominator =
                fit(reference::tenTo(fixed.size()) * (reference::tenTo(period.size()) - 1));
            value = Rational(fit(fit(integer * denominator) + difference), denominator);
        }
        const Integer n = part[1] == "-" ? Integer(-mp::numerator(value)) : mp::numerator(value);
        write(c.numerator, c.denominator, fit(n), fit(mp::denominator(value)));
    }

    void sum(const details::SumRowControls& c, char operation) {
        const details::ResultPanels& p = c.row.panels;
        const auto t = terms(c.row.terms, details::texts::sum, Checks::Sum);
        if (!t) {
            return;
        }
        const auto& [a, b, n, d] = std::tie((*t)[0], (*t)[1], (*t)[2], (*t)[3]);
        const auto [u, w] = combined(operation, *t);
        const Integer m = fit(b / gcd(b, d) * d);
        looks[c.multipleCaption.name()] = details::texts::leastCommonMultiple;
        looks[c.multipleLine.name()] = "( " + b.str() + " , " + d.str() + " ) = " + m.str();
        looks[c.firstFactor.name()] = "( " + Integer(m / b).str() + " )";
        looks[c.secondFactor.name()] = "( " + Integer(m / d).str() + " )";
        write(c.firstExpanded.numerator, fit(a * m) / b);
        write(c.secondExpanded.numerator, fit(n * m) / d);
        write(c.firstExpanded.denominator, c.secondExpanded.denominator, m, m);
        const Integer x = combined(operation, {a * m / b, 1, n * m / d, 1}).first;
        write(c.combined.numerator, c.combined.denominator, x, m);
        // The panels follow the working fraction: reduced where it reduces, its magnitude where
        // it is negative; whether it is whole follows the result in lowest terms.
        const Integer h = gcd(x, m);
        if (x > 0 && h > 1) {
            write(p.reducedBoxes.numerator, p.reducedBoxes.denominator, x / h, m / h, &p.reduced);
        } else if (x < 0) {
            write(p.negativeBoxes.numerator, p.negativeBoxes.denominator, -x / h, m / h,
                  &p.negative);
        }
        const Integer g = gcd(u, w);
        if (whole(u / g, w / g)) {
            write(p.wholeBox, u / w, &p.whole);
        }
    }

    void product(const details::ProductRowControls& c, char operation) {
        const details::ResultPanels& p = c.row.panels;
        const auto t = terms(c.row.terms, details::texts::product);
        if (!t || refusesZero(operation == ':', *t)) {
            return;
        }
        if (c.inverted) {
            const auto& [first, inverted] = *c.inverted;
            write(first.numerator, first.denominator, (*t)[0], (*t)[1]);
            write(inverted.numerator, inverted.denominator, (*t)[3], (*t)[2]);
        }
        const auto [n, d] = combined(operation, *t);
        write(c.product.numerator, c.product.denominator, n, d);
        // Reduced, the signs stay where they fell; a negative result shows its magnitude.
        const Integer g = gcd(n, d);
        const bool negative = (n < 0) != (d < 0);
        if (g != 1 && n != 0) {
            const details::FractionBoxes& boxes = negative ? p.negativeBoxes : p.reducedBoxes;
            write(boxes.numerator, boxes.denominator, negative ? Integer(abs(n / g)) : n / g,
                  negative ? Integer(abs(d / g)) : d / g, negative ? &p.negative : &p.reduced);
        }
        if (whole(n / g, d / g)) {
            write(p.wholeBox, n / d, &p.whole);
        }
    }

  private:
    std::string_view term(const Control& box) const {
        std::string_view text = live_.control(box.name()).text();
        text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }

    // The term validation: the empty check, the numeric check, a denominator negative as typed,
    // the conversion, a denominator negative by its value, the decimal check and the zero check,
    // each over every box in turn.
    std::optional<std::vector<Integer>> terms(const std::vector<Control*>& boxes,
                                              const kit::TermValidation& validation,
                                              Checks checks = Checks::Plain) {
        const kit::TermSentences& words = validation.sentences;
        std::vector<std::optional<Rational>> values;
        for (const Control* box : boxes) {
            if (checks == Checks::Comparison && term(*box).empty()) {
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
        if (checks == Checks::Sum && denominator([](const Rational& value) {
                return reference::beyondDouble(value)
                           ? throw Beyond{}
                           : value < 0 && !reference::zeroAsDouble(value);
            })) {
            return refuse(words.negativeDenominator);
        }
        for (auto& value : values) {
            value = reference::nearest(*value);
            value = value ? value : throw Beyond{};
        }
        if (checks == Checks::Comparison && denominator([](const Rational& v) { return v < 0; })) {
            return refuse(words.negativeDenominator);
        }
        if (std::ranges::any_of(values, [](const auto& v) { return mp::denominator(*v) != 1; })) {
            return refuse(words.notWhole);
        }
        if (denominator([](const Rational& value) { return value == 0; })) {
            return refuse(words.zeroDenominator);
        }
        std::vector<Integer> whole;
        for (const auto& value : values) {
            whole.push_back(mp::numerator(*value));
        }
        return whole;
    }

    std::nullopt_t refuse(std::string_view message) {
        say(message);
        return std::nullopt;
    }

    // Division refuses a second fraction whose numerator is 0.
    bool refusesZero(bool division, const std::vector<Integer>& terms) {
        const bool refused = division && terms[2] == 0;
        if (refused) {
            say(kit::messages::divisionByZero);
        }
        return refused;
    }

    // A whole number written into a box, and the panel it stands in shown.
    void write(const Control& box, const Integer& value, const Control* panel = nullptr) {
        looks[box.name()] = value.str();
        if (panel != nullptr) {
            looks[panel->name()] = "shown";
        }
    }

    void write(const Control& top, const Control& bottom, const Integer& n, const Integer& d,
               const Control* panel = nullptr) {
        write(top, n, panel);
        write(bottom, d);
    }

    const ui::Form& live_;
};

class CollectingDialogs : public ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view title, ui::MessageIcon /*icon*/) override {
        texts.push_back((title == kit::messages::appTitle ? "" : "(untitled) ") +
                        std::string(text));
    }
    std::vector<std::string> texts;
};

std::string listed(const std::vector<std::string>& messages) {
    std::string list;
    for (const std::string& message : messages) {
        list += " \"" + message + "\"";
    }
    return "[" + list + " ]";
}

enum class Press { Other, Exact, Step };

}  // namespace

struct Monkey::State {
    ui::Form operationsLayout{"", "", {}};
    ui::Form detailsLayout{"", "", {}};
    operations::OperationsControls operations = operations::layOutOperationsPage(operationsLayout);
    details::DetailsControls details = details::layOutDetailsPage(detailsLayout);
    CollectingDialogs dialogs;
    std::unique_ptr<shell::Program> program;

    // Works out what a press on the page must show: every "=" exactly; a step of a Details row,
    // whose later steps read back what the teacher may have edited, by its messages only.
    Press expect(Reference& r, PageId page, const std::string& name) const {
        const auto& o = operations;
        const auto& d = details;
        if (page == PageId::Operations) {
            for (const auto& [task, operation] :
                 {std::pair{&o.addition, '+'}, std::pair{&o.subtraction, '-'},
                  std::pair{&o.multiplication, '*'}, std::pair{&o.division, ':'},
                  std::pair{&o.simplification, 's'}}) {
                if (name == task->equals.name()) {
                    r.fraction(*task, operation);
                    return Press::Exact;
                }
            }
            if (name == o.comparison.compare.name()) {
                r.comparison(o.comparison);
            } else if (name == o.toDecimal.convert.name()) {
                r.toDecimal(o.toDecimal);
            } else if (name == o.toFraction.convert.name()) {
                r.toFraction(o.toFraction);
            } else {
                return Press::Other;
            }
            return Press::Exact;
        }
        for (const auto& [row, operation] :
             {std::pair{&d.addition.row, '+'}, std::pair{&d.subtraction.row, '-'},
              std::pair{&d.multiplication.row, '*'}, std::pair{&d.division.row, ':'}}) {
            if (std::ranges::any_of(row->steps, [&name](auto* s) { return s->name() == name; })) {
                return Press::Step;
            }
            if (name != row->equals.name()) {
                continue;
            }
            // A row in step mode refuses its "=".
            if (program->form(page)->control(row->stepMode.name()).checked()) {
                r.say(details::texts::stepModeRefusal);
            } else if (operation == '+' || operation == '-') {
                r.sum(operation == '+' ? d.addition : d.subtraction, operation);
            } else {
                r.product(operation == '*' ? d.multiplication : d.division, operation);
            }
            return Press::Exact;
        }
        return Press::Other;
    }
};

Monkey::Monkey() : state_(std::make_unique<State>()) {
    restart();
}

Monkey::~Monkey() = default;

ui::Form& Monkey::form(PageId page) const {
    return *state_->program->form(page);
}

void Monkey::restart() {
    state_->program.reset();
    state_->program = std::make_unique<shell::Program>(state_->dialogs);
    state_->program->start();
    state_->program->show(PageId::Operations);
    state_->program->show(PageId::Details);
}

const operations::OperationsControls& Monkey::operations() const {
    return state_->operations;
}

std::string Monkey::act(PageId page, std::string_view name,
                        const std::optional<std::string>& text) {
    Control& control = form(page).control(name);
    Reference expected(form(page));
    Press press = Press::Other;
    try {
        press = text ? Press::Other : state_->expect(expected, page, control.name());
    } catch (const Beyond&) {
        press = Press::Exact;
        expected.say(kit::messages::capacity);
    }
    std::vector<std::string>& shown = state_->dialogs.texts;
    shown.clear();
    const std::string action = form(page).name() + ": " +
                               (text ? "typing \"" + *text + "\" into " : "clicking ") +
                               control.name();
    try {
        text ? ui::user::type(control, *text) : ui::user::click(control);
    } catch (const std::exception& error) {
        return action + " threw " + error.what();
    }
    messages_ += shown.size();
    checked_ += press == Press::Exact ? 1 : 0;
    // A step may show any message of the Details rows.
    const kit::TermSentences& sum = details::texts::sum.sentences;
    const std::array<std::string_view, 7> stepMessages{sum.notNumeric,
                                                       sum.notWhole,
                                                       sum.zeroDenominator,
                                                       sum.negativeDenominator,
                                                       kit::messages::capacity,
                                                       kit::messages::divisorArgument,
                                                       kit::messages::divisionByZero};
    std::string fault;
    if (press == Press::Step
            ? std::ranges::any_of(shown,
                                  [&stepMessages](const std::string& message) {
                                      return std::ranges::find(stepMessages, message) ==
                                             stepMessages.end();
                                  })
            : shown != expected.messages) {
        fault += "; showed " + listed(shown) + ", not " + listed(expected.messages);
    }
    for (const auto& other : form(page).controls()) {
        const std::string seen = look(*other);
        const std::string& wanted = expected.looks[other->name()];
        fault += press != Press::Exact || seen == wanted
                     ? ""
                     : "; " + other->name() + " is \"" + seen + "\", not \"" + wanted + "\"";
    }
    return fault.empty() ? fault : action + fault;
}

std::string Monkey::run(const Bytes& bytes, std::size_t actions) {
    restart();
    bool dry = false;
    const auto pick = [&bytes, &dry](std::size_t choices) -> std::size_t {
        const auto byte = bytes();
        dry = dry || !byte;
        return byte.value_or(0) % choices;
    };
    for (std::size_t i = 0; i < actions && !dry; ++i) {
        const PageId page = pick(2) == 0 ? PageId::Operations : PageId::Details;
        std::vector<const Control*> boxes;
        std::vector<const Control*> buttons;
        for (const auto& control : form(page).controls()) {
            using enum ui::ControlKind;
            const bool box = control->kind() == TextBox && !control->design().readOnly;
            const bool button = control->kind() == Button || control->kind() == CheckBox;
            if (control->reachable() && (box || button)) {
                (box ? boxes : buttons).push_back(control.get());
            }
        }
        // Both pages always have boxes to type into and buttons to press.
        const bool typing = pick(5) < 3;
        const auto& controls = typing ? boxes : buttons;
        const std::string& name = controls[pick(controls.size())]->name();
        const bool decimal = name == state_->operations.toFraction.input.name();
        const std::string fault =
            act(page, name, typing ? std::optional(typed(pick, decimal)) : std::nullopt);
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

}  // namespace talvera::monkey
