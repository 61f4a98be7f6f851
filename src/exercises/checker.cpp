#include "exercises/checker.h"

#include "exercises/answer_reading.h"
#include "exercises/exercise_texts.h"
#include "exercises/fraction_forms.h"
#include "exercises/mistakes.h"

namespace talvera::exercises {

namespace {

Verdict said(Outcome outcome, std::string_view message, std::string_view hint = {}) {
    return {.outcome = outcome,
            .mistake = {},
            .message = std::string(message),
            .hint = std::string(hint)};
}

Verdict named(MistakeId id) {
    const texts::MistakeText& text = texts::mistakeText(id);
    return {.outcome = Outcome::Mistake,
            .mistake = id,
            .message = std::string(text.message),
            .hint = std::string(text.hint)};
}

Verdict checkRelation(const Task& task, std::string_view box) {
    const auto relation = readRelationBox(box);
    if (!relation) {
        return said(Outcome::Invalid, texts::noRelation);
    }
    if (*relation == task.answer.relation) {
        return said(Outcome::Right, texts::right);
    }
    for (const MistakenRelation& mistake : mistakenRelations(task)) {
        if (mistake.relation == *relation) {
            return named(mistake.id);
        }
    }
    return said(Outcome::Wrong, texts::wrong);
}

Verdict checkValue(const Task& task, const ReadAnswer& answer) {
    if (!answer.ok()) {
        return said(Outcome::Invalid, answer.message);
    }
    if (sameValue(answer.value, task.answer.value)) {
        return answer.lowestTerms ? said(Outcome::Right, texts::right)
                                  : said(Outcome::NotLowestTerms, texts::notLowestTerms,
                                         texts::notLowestTermsHint);
    }
    for (const MistakenValues& mistake : mistakenValues(task)) {
        for (const core::Fraction& value : mistake.values) {
            if (sameValue(answer.value, value)) {
                return named(mistake.id);
            }
        }
    }
    return said(Outcome::Wrong, texts::wrong);
}

}  // namespace

Verdict check(const Task& task, const std::vector<std::string>& boxes) {
    const std::string_view first = boxes.empty() ? std::string_view{} : boxes[0];
    const std::string_view second = boxes.size() < 2 ? std::string_view{} : boxes[1];
    switch (answerFormOf(task.kind)) {
        case AnswerForm::Relation:
            return checkRelation(task, first);
        case AnswerForm::Decimal:
            return checkValue(task, readDecimalBox(first));
        case AnswerForm::Fraction:
            break;
    }
    return checkValue(task, readFractionBoxes(first, second));
}

}  // namespace talvera::exercises
