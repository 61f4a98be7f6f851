#include "exercises/exercises_page.h"

#include <array>

#include "exercises/checker.h"
#include "exercises/exercise_texts.h"
#include "exercises/task_words.h"
#include "exercises/working_lines.h"
#include "kit/failure_trap.h"

namespace talvera::exercises {

namespace {

constexpr ui::Size pageSize{10560, 5460};

constexpr std::array relations{Relation::Less, Relation::Equal, Relation::Greater};

template <typename Choice, std::size_t count>
Choice chosen(const ui::Control& list, const std::array<Choice, count>& choices) {
    return choices.at(static_cast<std::size_t>(list.currentIndex()));
}

}  // namespace

ExercisesPage::ExercisesPage(const kit::PageContext& context, std::uint64_t seed,
                             Resolver& resolver)
    : Page("Form5", "EXERCÍCIOS", pageSize),
      messenger_(context),
      controls_(layOutExercisesPage(form())),
      generator_(seed),
      resolver_(resolver) {
    messenger_.sketcher().add({&controls_.exercise}, sketch_);
    controls_.newTask.onClick([this] { newTask(); });
    controls_.check.onClick([this] { checkAnswer(); });
    for (std::size_t i = 0; i < relations.size(); ++i) {
        controls_.relations.at(i)->onClick(
            [this, i] { judge({std::string(signOf(relations.at(i)))}); });
    }
    controls_.resolution.onClick([this] {
        if (task_) {
            resolver_.showResolution(*task_);
        }
    });
    // Nothing to answer until the first exercise.
    showShape(Kind::Addition);
    controls_.check.setEnabled(false);
    controls_.resolution.setEnabled(false);
    controls_.score.setCaption(score_.text());
    controls_.score.setDescription(score_.text());
}

Kind ExercisesPage::chosenKind() const {
    return chosen(controls_.kind, allKinds);
}

Level ExercisesPage::chosenLevel() const {
    return chosen(controls_.level, allLevels);
}

// Each kind shows its own panels: the task's fractions or decimal, and the boxes or signs it is
// answered with.
void ExercisesPage::showShape(Kind kind) {
    const AnswerForm answer = answerFormOf(kind);
    controls_.twoFractions.setVisible(takesTwoFractions(kind));
    controls_.oneFraction.setVisible(kind == Kind::Simplification || kind == Kind::ToDecimal);
    controls_.decimalPanel.setVisible(kind == Kind::ToFraction);
    controls_.sign.setCaption(kind == Kind::Comparison ? "?" : operationSign(kind));
    controls_.equals.setVisible(answer != AnswerForm::Relation);
    controls_.check.setVisible(answer != AnswerForm::Relation);
    controls_.fractionAnswer.setVisible(answer == AnswerForm::Fraction);
    controls_.decimalAnswer.setVisible(answer == AnswerForm::Decimal);
    controls_.relationAnswer.setVisible(answer == AnswerForm::Relation);
}

void ExercisesPage::writeTerms(const Task& task) {
    std::vector<ui::Control*> boxes;
    if (takesTwoFractions(task.kind)) {
        boxes.assign(controls_.pairTerms.begin(), controls_.pairTerms.end());
    } else if (task.kind == Kind::ToFraction) {
        boxes.push_back(&controls_.decimal);
    } else {
        boxes.assign(controls_.singleTerms.begin(), controls_.singleTerms.end());
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setText(task.terms.at(i));
    }
    sketch_ = {.kind = task.kind, .terms = std::move(boxes), .stage = 0};
    messenger_.sketcher().worked(sketch_);
}

void ExercisesPage::newTask() {
    kit::runTrapped(messenger_, [this] {
        Task task = generator_.next(chosenKind(), chosenLevel());
        score_.newTask();
        showShape(task.kind);
        writeTerms(task);
        for (ui::Control* box :
             {&controls_.answerNumerator, &controls_.answerDenominator, &controls_.answerDecimal}) {
            box->setText("");
        }
        controls_.feedback.setCaption("");
        controls_.feedback.setDescription("");
        controls_.check.setEnabled(true);
        controls_.relationAnswer.setEnabled(true);
        controls_.resolution.setEnabled(false);
        controls_.score.setCaption(score_.text());
        controls_.score.setDescription(score_.text());
        switch (answerFormOf(task.kind)) {
            case AnswerForm::Fraction:
                controls_.answerNumerator.setFocus();
                break;
            case AnswerForm::Decimal:
                controls_.answerDecimal.setFocus();
                break;
            case AnswerForm::Relation:
                controls_.relations.front()->setFocus();
                break;
        }
        task_ = std::move(task);
        tell(taskInWords(*task_));
    });
}

void ExercisesPage::checkAnswer() {
    if (!task_) {
        return;
    }
    if (answerFormOf(task_->kind) == AnswerForm::Decimal) {
        judge({controls_.answerDecimal.text()});
    } else {
        judge({controls_.answerNumerator.text(), controls_.answerDenominator.text()});
    }
}

// A box the page refuses gets its message box and counts for nothing; any other answer is
// counted, shown with its hint and said.
void ExercisesPage::judge(const std::vector<std::string>& boxes) {
    if (!task_ || score_.taskDone()) {
        return;
    }
    kit::runTrapped(messenger_, [this, &boxes] {
        const Verdict verdict = check(*task_, boxes);
        if (verdict.outcome == Outcome::Invalid) {
            messenger_.inform(verdict.message);
            return;
        }
        score_.record(verdict);
        const bool hinted = !verdict.hint.empty();
        controls_.feedback.setCaption(verdict.message + (hinted ? "\n" + verdict.hint : ""));
        controls_.feedback.setDescription(verdict.message + (hinted ? " " + verdict.hint : ""));
        controls_.score.setCaption(score_.text());
        controls_.score.setDescription(score_.text());
        controls_.resolution.setEnabled(score_.resolutionAvailable());
        if (score_.taskDone()) {
            finishTask();
        }
        tell(controls_.feedback.description());
    });
}

// The task is counted: it takes no more answers, and the focus goes on to the next one.
void ExercisesPage::finishTask() {
    if (task_->kind == Kind::Comparison) {
        controls_.sign.setCaption(std::string(signOf(task_->answer.relation)));
    }
    controls_.newTask.setFocus();
    controls_.check.setEnabled(false);
    controls_.relationAnswer.setEnabled(false);
    sketch_.stage = picture::allStages;
    messenger_.sketcher().worked(sketch_);
}

// Said again from wherever the focus is on the page: the exercise, or the controls around it.
void ExercisesPage::tell(std::string sentence) {
    messenger_.narrator().tell(form(),
                               {&controls_.exercise, &controls_.kind, &controls_.level,
                                &controls_.newTask, &controls_.resolution},
                               std::move(sentence));
}

}  // namespace talvera::exercises
