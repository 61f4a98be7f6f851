#include "monkey.h"

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include "details/details_layout.h"
#include "details/details_texts.h"
#include "exercises/exercise_texts.h"
#include "monkey/expected.h"
#include "shell/program.h"
#include "ui/user.h"

namespace talvera::monkey {

namespace {

using shell::PageId;
using ui::Control;

// Mostly small whole numbers for a term and decimals for the conversion; at times an edge or junk.
std::string typed(const std::function<std::size_t(std::size_t)>& pick, bool decimal) {
    static constexpr std::array<std::string_view, 24> odd{
        "",       " ",      "x",      "1e3",        "2E-1", "1,5",
        "--1",    " 7 ",    "3.0",    "-0",         "1.5",  "ç",
        "😀",      "١٢",     "0.(",    "…",          "1 2",  "1e30",
        "-1e-30", "1e-400", "-1e400", "2147483648", "0.0",  "99999999999999999999999999999"};
    std::string text = pick(4) == 0 ? "-" : "";
    const auto digits = [&pick, &text](std::size_t most) {
        for (std::size_t n = pick(most + 1); n > 0; --n) {
            text.push_back(static_cast<char>('0' + pick(10)));
        }
    };
    const std::size_t kind = pick(decimal ? 4 : 10);
    for (std::size_t n = kind == 0 ? pick(12) : 0; n > 0; --n) {  // any bytes, or marks
        text.push_back(static_cast<char>(decimal ? ".,()-+ e0"[pick(9)] : pick(256)));
    }
    if (kind == 1 && !decimal) {
        return std::string(odd[pick(odd.size())]);
    }
    if (kind > 0 && kind < 4) {
        digits(kind == 1 ? 30 : 5);
        text += ".";
        digits(kind == 1 ? 40 : 4);
        if (kind > 1 && (decimal || pick(2) == 0)) {
            text += "(";
            digits(5);
            text += pick(4) == 0 ? "" : ")";
        }
    }
    digits(kind == 4 ? 16 : 0);
    return text + (kind > 4 ? (kind == 5 ? "0" : std::to_string(1 + pick(30))) : "");
}

// The message boxes shown, one by one and as one text, marked where the title is not ours.
class CollectingDialogs : public ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view title, ui::MessageIcon /*icon*/) override {
        texts.push_back((title == kit::messages::appTitle ? "" : "(untitled) ") +
                        std::string(text));
        all += " \"" + texts.back() + "\"";
    }
    std::vector<std::string> texts;
    std::string all;
};

enum class Press { Other, Exact, Step, Exercise };

// What the Exercises page may say: its verdicts, in its line, and the messages that refuse an
// answer, all from its own table of texts.
bool isVerdict(const std::string& line) {
    namespace texts = exercises::texts;
    const auto with = [](std::string_view message, std::string_view hint) {
        return std::string(message) + "\n" + std::string(hint);
    };
    return line.empty() || line == texts::right || line == texts::wrong ||
           line == with(texts::notLowestTerms, texts::notLowestTermsHint) ||
           std::ranges::any_of(texts::mistakes, [&](const texts::MistakeText& mistake) {
               return line == with(mistake.message, mistake.hint);
           });
}

bool isRefusal(const std::string& message) {
    namespace texts = exercises::texts;
    const bool parentheses =
        message.starts_with(texts::tooManyPrefix) &&
        (message.ends_with(texts::tooManyOpenings) || message.ends_with(texts::tooManyClosings));
    return parentheses || message == texts::notNumeric || message == texts::notWhole ||
           message == texts::zeroDenominator || message == texts::capacity ||
           message == texts::noDecimalPart || message == texts::tooManyPoints ||
           message == texts::notDecimalNotation || message == texts::afterPeriod ||
           message == texts::noRelation;
}

}  // namespace

struct Monkey::State {
    ui::Form operationsLayout{"", "", {}};
    ui::Form detailsLayout{"", "", {}};
    operations::OperationsControls operations = operations::layOutOperationsPage(operationsLayout);
    details::DetailsControls details = details::layOutDetailsPage(detailsLayout);
    CollectingDialogs dialogs;
    std::unique_ptr<shell::Program> program;

    // Every "=" is checked exactly; a step, which reads back what a teacher may edit, by messages.
    Press expect(Expected& r, PageId page, const std::string& name) const {
        if (page == PageId::Exercises) {
            return Press::Exercise;
        }
        const auto& o = operations;
        const auto& d = details;
        const std::array<std::pair<const Control*, std::function<void()>>, 12> presses{{
            {&o.addition.equals, [&] { r.fraction(o.addition, '+'); }},
            {&o.subtraction.equals, [&] { r.fraction(o.subtraction, '-'); }},
            {&o.multiplication.equals, [&] { r.fraction(o.multiplication, '*'); }},
            {&o.division.equals, [&] { r.fraction(o.division, ':'); }},
            {&o.simplification.equals, [&] { r.fraction(o.simplification, 's'); }},
            {&o.comparison.compare, [&] { r.comparison(o.comparison); }},
            {&o.toDecimal.convert, [&] { r.toDecimal(o.toDecimal); }},
            {&o.toFraction.convert, [&] { r.toFraction(o.toFraction); }},
            {&d.addition.row.equals, [&] { r.sum(d.addition, '+'); }},
            {&d.subtraction.row.equals, [&] { r.sum(d.subtraction, '-'); }},
            {&d.multiplication.row.equals, [&] { r.product(d.multiplication, '*'); }},
            {&d.division.row.equals, [&] { r.product(d.division, ':'); }},
        }};
        // The scratch layouts tell which page a role is on.
        const ui::Form& layout = page == PageId::Operations ? operationsLayout : detailsLayout;
        for (const auto& [button, work] : presses) {
            if (&button->form() == &layout && button->name() == name) {
                work();
                return Press::Exact;
            }
        }
        for (const auto* row :
             {&d.addition.row, &d.subtraction.row, &d.multiplication.row, &d.division.row}) {
            if (page == PageId::Details &&
                std::ranges::any_of(row->steps, [&name](auto* s) { return s->name() == name; })) {
                return Press::Step;
            }
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

void Monkey::restart(std::uint64_t seed) {
    state_->program =
        std::make_unique<shell::Program>(shell::Services{.dialogs = state_->dialogs, .seed = seed});
    state_->program->start();
    state_->program->show(PageId::Operations);
    state_->program->show(PageId::Details);
    state_->program->show(PageId::Exercises);
    state_->program->setPictureShown(true);
}

const operations::OperationsControls& Monkey::operations() const {
    return state_->operations;
}

std::string Monkey::act(PageId page, std::string_view name,
                        const std::optional<std::string>& text) {
    Control& control = form(page).control(name);
    Expected expected(form(page));
    Press press = Press::Other;
    try {
        press = text && page != PageId::Exercises ? Press::Other
                                                  : state_->expect(expected, page, control.name());
    } catch (const Beyond&) {
        press = Press::Exact;
        expected.say(kit::messages::capacity);
    }
    CollectingDialogs& shown = state_->dialogs;
    shown = {};
    std::string fault = form(page).name() + ": " +
                        (text ? "typing \"" + *text + "\" into " : "clicking ") + control.name();
    try {
        if (!text) {
            ui::user::click(control);
        } else if (control.kind() == ui::ControlKind::ComboBox) {
            ui::user::choose(control, *text);
        } else {
            ui::user::type(control, *text);
        }
    } catch (const std::exception& error) {
        return fault + " threw " + error.what();
    }
    const std::size_t clean = fault.size();
    checked_ += press == Press::Exact ? 1 : 0;
    // A step may show any message of the Details rows, any number of them.
    const auto stepMessage = [](const std::string& m) {
        const kit::TermSentences& s = details::texts::sum.sentences;
        return m == s.notNumeric || m == s.notWhole || m == s.zeroDenominator ||
               m == s.negativeDenominator || m == kit::messages::capacity ||
               m == kit::messages::divisorArgument || m == kit::messages::divisionByZero;
    };
    if (press == Press::Exercise) {
        if (!std::ranges::all_of(shown.texts, isRefusal) ||
            !isVerdict(form(page).control("Verificação").caption())) {
            fault += "; the Exercises page said [" + shown.all + " ] and \"" +
                     form(page).control("Verificação").caption() + "\"";
        }
    } else if (press == Press::Step ? !std::ranges::all_of(shown.texts, stepMessage)
                                    : shown.all != expected.messages) {
        fault += "; showed [" + shown.all + " ], not [" + expected.messages + " ]";
    }
    // The picture follows every press, and says the exact result of one worked out.
    const std::string& heading = form(PageId::Picture).control("Imagem").drawing().heading;
    if (press == Press::Exact && expected.messages.empty() && !expected.pictured.empty() &&
        !heading.ends_with(expected.pictured)) {
        fault += "; the picture says \"" + heading + "\", not \"" + expected.pictured + "\"";
    }
    for (const auto& other : form(page).controls()) {
        const std::string seen = look(*other);
        const std::string& wanted = expected.looks[other->name()];
        if (press == Press::Exact && seen != wanted) {
            fault.append("; " + other->name())
                .append(" is \"" + seen)
                .append("\", not \"" + wanted + "\"");
        }
    }
    return fault.size() == clean ? "" : fault;
}

std::string Monkey::run(const Bytes& bytes, std::size_t actions) {
    bool dry = false;
    const auto pick = [&bytes, &dry](std::size_t choices) -> std::size_t {
        const auto byte = bytes();
        dry = dry || !byte;
        return byte.value_or(0) % choices;
    };
    // The exercises come from the bytes too, so that a sequence can be run again.
    restart(pick(256));
    constexpr std::array pages{PageId::Operations, PageId::Details, PageId::Exercises};
    for (std::size_t i = 0; i < actions && !dry; ++i) {
        const PageId page = pages.at(pick(pages.size()));
        bool typing = pick(5) < 3;
        std::vector<const Control*> controls;  // boxes to type into or lists, or buttons
        for (const bool typed : {typing, false}) {
            for (const auto& control : form(page).controls()) {
                using enum ui::ControlKind;
                const ui::ControlKind kind = control->kind();
                const bool box =
                    (kind == TextBox && !control->design().readOnly) || kind == ComboBox;
                if (control->reachable() && (typed ? box : kind == Button || kind == CheckBox)) {
                    controls.push_back(control.get());
                }
            }
            // A page whose boxes are all out of reach still has a button.
            if (!controls.empty()) {
                typing = typed;
                break;
            }
        }
        const Control& chosen = *controls[pick(controls.size())];
        const std::string& name = chosen.name();
        const bool decimal =
            name == state_->operations.toFraction.input.name() || name == "RespostaDízima";
        std::optional<std::string> text;
        if (chosen.kind() == ui::ControlKind::ComboBox) {
            text = chosen.items().at(pick(chosen.items().size()));
        } else if (typing) {
            text = typed(pick, decimal);
        }
        std::string fault = act(page, name, text);
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

}  // namespace talvera::monkey
