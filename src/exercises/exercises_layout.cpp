#include "exercises/exercises_layout.h"

#include <string>
#include <string_view>
#include <vector>

#include "exercises/exercise_texts.h"
#include "kit/layout.h"
#include "kit/styles.h"

namespace talvera::exercises {

namespace {

using kit::layout::boxHeight;
using kit::layout::boxWidth;
using ui::Control;
using ui::ControlKind;

// Numerator over denominator, with the bar between, as on the Operations page.
constexpr int numeratorTop = 120;
constexpr int denominatorTop = 780;
constexpr int barTop = 615;
// Every panel of a task or an answer stands at this height in the exercise frame.
constexpr ui::Rect taskPlace{120, 300, 2760, 1440};
constexpr int answerLeft = 3360;
constexpr int panelTop = 300;
constexpr int panelHeight = 1440;
constexpr int answerLength = 30;
constexpr std::array<std::string_view, 3> relationSigns{"<", "=", ">"};

std::string text(std::string_view words) {
    return std::string(words);
}

class PageBuilder {
  public:
    explicit PageBuilder(ui::Form& form) : form_(form) {}

    Control& label(std::string name, ui::Rect place, std::string_view caption) {
        return form_.add({.kind = ControlKind::Label,
                          .name = std::move(name),
                          .place = place,
                          .text = text(caption),
                          .font = kit::styles::small,
                          .wrap = true});
    }

    Control& list(std::string name, ui::Rect place, std::vector<std::string> items,
                  std::string accessibleName, std::string_view tooltip) {
        return tabbed(form_.add({.kind = ControlKind::ComboBox,
                                 .name = std::move(name),
                                 .place = place,
                                 .tooltip = text(tooltip),
                                 .accessibleName = std::move(accessibleName),
                                 .items = std::move(items)}));
    }

    Control& button(std::string name, const Control* container, ui::Rect place,
                    std::string_view caption, std::string accessibleName, std::string_view tooltip,
                    ui::Font font = {}) {
        return tabbed(form_.add({.kind = ControlKind::Button,
                                 .name = std::move(name),
                                 .place = place,
                                 .text = text(caption),
                                 .container = container,
                                 .font = std::move(font),
                                 .tooltip = text(tooltip),
                                 .accessibleName = std::move(accessibleName)}));
    }

    // A term of the task: read-only, but Tab stops on it, so that a screen reader reads the task.
    Control& term(std::string name, const Control& panel, int left, int top, std::string spoken,
                  int width = boxWidth) {
        return tabbed(form_.add({.kind = ControlKind::TextBox,
                                 .name = std::move(name),
                                 .place = {left, top, width, boxHeight},
                                 .container = &panel,
                                 .font = kit::styles::fixedBox,
                                 .tooltip = text(texts::termTip),
                                 .accessibleName = std::move(spoken),
                                 .border = ui::Border::Flat,
                                 .readOnly = true}));
    }

    Control& answer(std::string name, const Control& panel, int left, int top, std::string spoken,
                    std::string_view tooltip, int width = boxWidth) {
        Control& box = tabbed(form_.add({.kind = ControlKind::TextBox,
                                         .name = std::move(name),
                                         .place = {left, top, width, boxHeight},
                                         .container = &panel,
                                         .font = kit::styles::fixedBox,
                                         .tooltip = text(tooltip),
                                         .accessibleName = std::move(spoken),
                                         .border = ui::Border::Sunken,
                                         .maxLength = answerLength}));
        answers_.push_back(&box);
        return box;
    }

    Control& panel(std::string name, const Control& frame, ui::Rect place) {
        return kit::layout::panel(form_, std::move(name), &frame, place);
    }

    // Numerator and denominator boxes of the task at the left of the panel.
    std::array<Control*, 2> fraction(const Control& panel, std::string_view suffix, int left,
                                     std::string_view role) {
        const std::string spoken = "Exercício, " + text(role);
        Control& n =
            term("ExercícioN" + text(suffix), panel, left, numeratorTop, spoken + "numerador");
        kit::layout::fractionBar(form_, "BarraExercício" + text(suffix), &panel, left - 60,
                                 left + boxWidth + 60, barTop);
        Control& d =
            term("ExercícioD" + text(suffix), panel, left, denominatorTop, spoken + "denominador");
        return {&n, &d};
    }

    const std::vector<Control*>& answers() const { return answers_; }
    Control& tabbed(Control& control) { return tabs_.tabbed(control); }
    void finish() { tabs_.applyTo(form_); }

  private:
    ui::Form& form_;
    kit::layout::TabOrder tabs_;
    std::vector<Control*> answers_;
};

}  // namespace

ExercisesControls layOutExercisesPage(ui::Form& form) {
    PageBuilder page(form);
    form.add({.kind = ControlKind::Label,
              .name = "Título",
              .place = {120, 120, 10320, 600},
              .text = text(texts::pageTitle),
              .font = {"Comic Sans MS", 20, true},
              .foreground = ui::colors::red,
              .alignment = ui::Alignment::Center});

    std::vector<std::string> kinds(texts::kindFirst.begin(), texts::kindFirst.end());
    std::vector<std::string> levels(texts::levelItems.begin(), texts::levelItems.end());
    page.label("RótuloTipo", {240, 900, 1560, 255}, texts::kindCaption);
    Control& kind = page.list("TipoExercício", {1860, 840, 2640, 345}, std::move(kinds),
                              "Tipo de exercício", texts::kindTip);
    page.label("RótuloNível", {4740, 900, 600, 255}, texts::levelCaption);
    Control& level =
        page.list("Nível", {5400, 840, 1320, 345}, std::move(levels), "Nível", texts::levelTip);
    Control& newTask = page.button("Novo", nullptr, {7020, 795, 2160, 435}, texts::newTask,
                                   "Novo exercício", texts::newTaskTip);
    page.label("Orientação", {240, 1380, 10080, 690}, texts::guidance);

    Control& frame = kit::layout::titledFrame(form, "Exercício", nullptr, {120, 2160, 10320, 1800},
                                              text(texts::exerciseCaption));
    Control& two = page.panel("DuasFracções", frame, taskPlace);
    const auto first = page.fraction(two, "1", 120, "primeira fracção, ");
    Control& sign = kit::layout::signLabel(form, "Sinal", &two, {1080, 435, 480, 360}, "+");
    const auto second = page.fraction(two, "2", 1560, "segunda fracção, ");
    Control& one = page.panel("UmaFracção", frame, taskPlace);
    const auto single = page.fraction(one, "", 120, "fracção, ");
    Control& decimalPanel = page.panel("UmaDízima", frame, taskPlace);
    Control& decimal =
        page.term("ExercícioDízima", decimalPanel, 120, 450, "Exercício, dízima", 2520);
    Control& equals = kit::layout::signLabel(form, "Igual", &frame, {2940, 735, 360, 360}, "=");

    Control& fractionAnswer =
        page.panel("RespostaFracção", frame, {answerLeft, panelTop, 1200, panelHeight});
    Control& answerN = page.answer("RespostaN", fractionAnswer, 120, numeratorTop,
                                   "Resposta, numerador", texts::numeratorTip);
    kit::layout::fractionBar(form, "BarraResposta", &fractionAnswer, 60, 60 + boxWidth + 120,
                             barTop);
    Control& answerD = page.answer("RespostaD", fractionAnswer, 120, denominatorTop,
                                   "Resposta, denominador", texts::denominatorTip);
    Control& decimalAnswer =
        page.panel("RespostaDecimal", frame, {answerLeft, panelTop, 4680, panelHeight});
    Control& answerDecimal = page.answer("RespostaDízima", decimalAnswer, 120, 450,
                                         "Resposta, dízima", texts::decimalTip, 4440);
    Control& relationAnswer =
        page.panel("RespostaRelação", frame, {answerLeft, panelTop, 2040, panelHeight});
    std::array<Control*, 3> relations{};
    const std::array<std::pair<const char*, const char*>, 3> relationNames{
        {{"Menor", "A primeira é menor"},
         {"Iguais", "São iguais"},
         {"Maior", "A primeira é maior"}}};
    for (std::size_t i = 0; i < relations.size(); ++i) {
        relations[i] = &page.button(relationNames[i].first, &relationAnswer,
                                    {120 + static_cast<int>(i) * 600, 375, 480, 480},
                                    relationSigns[i], relationNames[i].second,
                                    texts::relationTips[i], kit::styles::equalsButton);
    }
    Control& check = page.button("Verificar", &frame, {8280, 698, 1800, 435}, texts::checkCaption,
                                 "Verificar a resposta", texts::checkTip);
    kit::layout::pressOnEnter(page.answers(), check);

    Control& feedback = form.add({.kind = ControlKind::Label,
                                  .name = "Verificação",
                                  .place = {240, 4020, 10080, 780},
                                  .font = {"MS Sans Serif", 9, true},
                                  .foreground = ui::colors::blue,
                                  .accessibleName = "Verificação",
                                  .wrap = true});
    Control& resolution =
        page.button("Resolução", nullptr, {240, 4860, 2400, 435}, texts::resolutionCaption,
                    "Ver a resolução", texts::resolutionTip);
    Control& score = form.add({.kind = ControlKind::Label,
                               .name = "Pontuação",
                               .place = {5400, 4935, 4920, 285},
                               .font = {"MS Sans Serif", 8.25, true},
                               .accessibleName = "Pontuação",
                               .alignment = ui::Alignment::Right});
    page.finish();
    return {kind,           level,         newTask,
            frame,          two,           {first[0], first[1], second[0], second[1]},
            sign,           one,           single,
            decimalPanel,   decimal,       equals,
            fractionAnswer, answerN,       answerD,
            decimalAnswer,  answerDecimal, relationAnswer,
            relations,      check,         feedback,
            resolution,     score};
}

}  // namespace talvera::exercises
