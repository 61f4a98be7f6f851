// The monkey: random sequences of typing and clicking on the form model of both work pages,
// from a fixed seed. After every action it checks that nothing escaped a handler, that every
// message box says one of the program's own texts, and that every result the Operations page
// wrote is the exact result in lowest terms.
//
//   talvera-monkey [--seed N] [--count SEQUENCES]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/capacity_error.h"
#include "exact_results.h"
#include "program_texts.h"
#include "random_texts.h"
#include "shell/program.h"
#include "ui/user.h"

namespace {

using talvera::shell::PageId;
using talvera::ui::Control;
using talvera::ui::ControlKind;

class CollectingDialogs : public talvera::ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view title,
                talvera::ui::MessageIcon /*icon*/) override {
        texts.emplace_back(text);
        titles.emplace_back(title);
    }
    std::vector<std::string> texts;
    std::vector<std::string> titles;
};

struct Options {
    unsigned long seed = 20261207;
    unsigned long count = 2000;
    unsigned long actions = 40;  // per sequence
};

bool readOptions(int argc, char** argv, Options& options) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const unsigned long value = std::strtoul(std::string(args[i + 1]).c_str(), nullptr, 10);
        if (args[i] == "--seed") {
            options.seed = value;
        } else if (args[i] == "--count") {
            options.count = value;
        } else {
            return false;
        }
    }
    return true;
}

class Monkey {
  public:
    Monkey(std::mt19937_64& random, const talvera::monkey::ProgramTexts& texts)
        : random_(random), texts_(texts) {}

    // One sequence on a fresh program; returns the first fault found, or the empty text.
    std::string run(unsigned long actions) {
        CollectingDialogs dialogs;
        talvera::shell::Program program(dialogs);
        program.start();
        program.show(PageId::Operations);
        program.show(PageId::Details);
        for (unsigned long i = 0; i < actions; ++i) {
            const PageId page = pick(2) == 0 ? PageId::Operations : PageId::Details;
            talvera::ui::Form& form = *program.form(page);
            std::string fault = act(form, page, dialogs);
            if (!fault.empty()) {
                return form.name() + ": " + fault;
            }
        }
        return {};
    }

    // Clicks whose result was checked, and message boxes seen.
    unsigned long checked() const { return checked_; }
    unsigned long messages() const { return messages_; }

  private:
    std::size_t pick(std::size_t choices) {
        return std::uniform_int_distribution<std::size_t>(0, choices - 1)(random_);
    }

    std::string act(talvera::ui::Form& form, PageId page, CollectingDialogs& dialogs) {
        std::vector<Control*> boxes;
        std::vector<Control*> buttons;
        for (const auto& control : form.controls()) {
            if (!talvera::ui::user::canReach(*control)) {
                continue;
            }
            if (control->kind() == ControlKind::TextBox && !control->design().readOnly) {
                boxes.push_back(control.get());
            } else if (control->kind() == ControlKind::Button ||
                       control->kind() == ControlKind::CheckBox) {
                buttons.push_back(control.get());
            }
        }
        dialogs.texts.clear();
        dialogs.titles.clear();
        std::string description;
        Control* clicked = nullptr;
        try {
            if (!boxes.empty() && (buttons.empty() || pick(5) < 3)) {
                Control& box = *boxes[pick(boxes.size())];
                const std::string text = talvera::monkey::randomText(random_, box.name());
                description = "typing \"" + text + "\" into " + box.name();
                talvera::ui::user::type(box, text);
            } else if (!buttons.empty()) {
                clicked = buttons[pick(buttons.size())];
                description = "clicking " + clicked->name();
                talvera::ui::user::click(*clicked);
            }
        } catch (const std::exception& error) {
            return description + " threw " + error.what();
        }
        messages_ += dialogs.texts.size();
        for (std::size_t i = 0; i < dialogs.texts.size(); ++i) {
            if (!texts_.contains(dialogs.texts[i]) || dialogs.titles[i] != "TALVERA") {
                return description + " showed \"" + dialogs.texts[i] + "\"";
            }
        }
        if (clicked != nullptr && dialogs.texts.empty() && page == PageId::Operations) {
            ++checked_;
            if (const auto fault = talvera::monkey::checkOperationsResult(form, clicked->name())) {
                return description + ": " + *fault;
            }
        }
        return {};
    }

    std::mt19937_64& random_;
    const talvera::monkey::ProgramTexts& texts_;
    unsigned long checked_ = 0;
    unsigned long messages_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!readOptions(argc, argv, options)) {
        std::fputs("usage: talvera-monkey [--seed N] [--count SEQUENCES]\n", stderr);
        return 2;
    }
    std::mt19937_64 random(options.seed);
    const talvera::monkey::ProgramTexts texts;
    Monkey monkey(random, texts);
    for (unsigned long sequence = 0; sequence < options.count; ++sequence) {
        const std::string fault = monkey.run(options.actions);
        if (!fault.empty()) {
            std::fprintf(stderr, "seed %lu, sequence %lu: %s\n", options.seed, sequence,
                         fault.c_str());
            return 1;
        }
    }
    std::printf(
        "%lu sequences of %lu actions, seed %lu: no fault (%lu clicks checked, %lu "
        "messages)\n",
        options.count, options.actions, options.seed, monkey.checked(), monkey.messages());
    return 0;
}
