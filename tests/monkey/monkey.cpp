#include "monkey.h"

#include <array>
#include <exception>
#include <vector>

#include "exact_results.h"
#include "shell/program.h"
#include "ui/user.h"

namespace talvera::monkey {

namespace {

using shell::PageId;
using ui::Control;
using ui::ControlKind;

class CollectingDialogs : public ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view title, ui::MessageIcon /*icon*/) override {
        texts.emplace_back(text);
        titles.emplace_back(title);
    }
    std::vector<std::string> texts;
    std::vector<std::string> titles;
};

struct Reachable {
    std::vector<Control*> boxes;
    std::vector<Control*> buttons;
    std::vector<Control*> lists;
};

Reachable reachable(const ui::Form& form) {
    Reachable found;
    for (const auto& control : form.controls()) {
        if (!control->reachable()) {
            continue;
        }
        if (control->kind() == ControlKind::TextBox && !control->design().readOnly) {
            found.boxes.push_back(control.get());
        } else if (control->kind() == ControlKind::Button ||
                   control->kind() == ControlKind::CheckBox) {
            found.buttons.push_back(control.get());
        } else if (control->kind() == ControlKind::ComboBox) {
            found.lists.push_back(control.get());
        }
    }
    return found;
}

}  // namespace

std::string Monkey::run(Chooser& chooser, std::size_t actions) {
    CollectingDialogs dialogs;
    // The exercises, too, come from the chooser, so that a sequence can be run again.
    shell::Program program({.dialogs = dialogs, .seed = chooser.pick(1U << 20U)});
    program.start();
    program.show(PageId::Operations);
    program.show(PageId::Details);
    program.show(PageId::Exercises);
    constexpr std::array pages{PageId::Operations, PageId::Details, PageId::Exercises};
    for (std::size_t i = 0; i < actions && chooser.more(); ++i) {
        const PageId page = pages.at(chooser.pick(pages.size()));
        ui::Form& form = *program.form(page);
        const Reachable controls = reachable(form);
        dialogs.texts.clear();
        dialogs.titles.clear();
        std::string action;
        Control* clicked = nullptr;
        try {
            if (!controls.lists.empty() && chooser.pick(6) == 0) {
                Control& list = *controls.lists[chooser.pick(controls.lists.size())];
                const std::string& item = list.items().at(chooser.pick(list.items().size()));
                action = "choosing \"" + item + "\" from " + list.name();
                ui::user::choose(list, item);
            } else if (!controls.boxes.empty() && chooser.pick(5) < 3) {
                Control& box = *controls.boxes[chooser.pick(controls.boxes.size())];
                const std::string text = chooser.text(box.name());
                action = "typing \"" + text + "\" into " + box.name();
                ui::user::type(box, text);
            } else if (!controls.buttons.empty()) {
                clicked = controls.buttons[chooser.pick(controls.buttons.size())];
                action = "clicking " + clicked->name();
                ui::user::click(*clicked);
            }
        } catch (const std::exception& error) {
            return form.name() + ": " + action + " threw " + error.what();
        }
        messages_ += dialogs.texts.size();
        for (std::size_t m = 0; m < dialogs.texts.size(); ++m) {
            if (!texts_.contains(dialogs.texts[m]) || dialogs.titles[m] != "TALVERA") {
                return form.name() + ": " + action + " showed \"" + dialogs.texts[m] + "\"";
            }
        }
        if (page == PageId::Exercises) {
            if (const std::string& verdict = form.control("Verificação").caption();
                !texts_.isVerdict(verdict)) {
                std::string fault = form.name() + ": " + action + " wrote the verdict \"";
                return fault.append(verdict).append("\"");
            }
        } else if (clicked != nullptr && dialogs.texts.empty()) {
            ++checked_;
            const auto fault = page == PageId::Operations
                                   ? checkOperationsResult(form, clicked->name())
                                   : checkDetailsResult(form, clicked->name());
            if (fault) {
                return form.name() + ": " + action + ": " + *fault;
            }
        }
    }
    return {};
}

}  // namespace talvera::monkey
