#include "shell/resolution_guide.h"

#include <array>
#include <string>
#include <vector>

#include "shell/program.h"
#include "ui/user.h"

namespace talvera::shell {

namespace {

using exercises::Kind;

// Where each kind is worked: the page, the name its boxes start with, and its "=".
struct Workplace {
    PageId page;
    std::string_view word;
    std::vector<std::string_view> boxes;  // after the word
    std::string_view equals;
};

Workplace workplaceOf(Kind kind) {
    switch (kind) {
        case Kind::Addition:
            return {PageId::Details, "Adição", {"N1", "D1", "N2", "D2"}, {}};
        case Kind::Subtraction:
            return {PageId::Details, "Subtração", {"N1", "D1", "N2", "D2"}, {}};
        case Kind::Multiplication:
            return {PageId::Details, "Multiplicação", {"N1", "D1", "N2", "D2"}, {}};
        case Kind::Division:
            return {PageId::Details, "Divisão", {"N1", "D1", "N2", "D2"}, {}};
        case Kind::Simplification:
            return {PageId::Operations, "Simplificação", {"N1", "D1"}, "Simplificação"};
        case Kind::Comparison:
            return {PageId::Operations, "Comparação", {"N1", "D1", "N2", "D2"}, "Comparação"};
        case Kind::ToDecimal:
            return {PageId::Operations, "Dízima", {"N", "D"}, "Dízima"};
        case Kind::ToFraction:
            break;
    }
    return {PageId::Operations, "Text6", {""}, "Conversão"};
}

}  // namespace

void ResolutionGuide::showResolution(const exercises::Task& task) {
    const Workplace place = workplaceOf(task.kind);
    program_.show(place.page);
    ui::Form* form = program_.form(place.page);
    if (form == nullptr) {
        return;
    }
    const std::string word(place.word);
    for (std::size_t i = 0; i < place.boxes.size(); ++i) {
        ui::user::type(form->control(word + std::string(place.boxes[i])), task.terms.at(i));
    }
    if (place.page == PageId::Operations) {
        ui::Control& equals = form->control(place.equals);
        ui::user::click(equals);
        equals.setFocus();
        return;
    }
    // Ticked afresh, the row starts again at its first step.
    ui::Control& steps = form->control("Passo" + word);
    if (steps.checked()) {
        ui::user::click(steps);
    }
    ui::user::click(steps);
    form->control(word + "Passo1").setFocus();
}

}  // namespace talvera::shell
