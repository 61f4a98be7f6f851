#include "exercises/worksheet.h"

#include <algorithm>

#include "exercises/exercise_texts.h"
#include "exercises/task_generator.h"

namespace talvera::exercises {

namespace {

std::vector<Kind> distinct(const std::vector<Kind>& kinds) {
    std::vector<Kind> kept;
    for (const Kind kind : kinds) {
        if (std::ranges::find(kept, kind) == kept.end()) {
            kept.push_back(kind);
        }
    }
    return kept;
}

std::size_t indexOf(Kind kind) {
    return static_cast<std::size_t>(kind);
}

std::string subjectOf(const std::vector<Kind>& kinds, Level level) {
    std::string subject;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (i == 0) {
            subject += texts::kindFirst[indexOf(kinds[i])];
            continue;
        }
        subject += i + 1 == kinds.size() ? texts::lastKind : texts::otherKind;
        subject += texts::kindLater[indexOf(kinds[i])];
    }
    return subject + std::string(texts::kindsAndLevel) + std::string(texts::levelWord) +
           std::to_string(static_cast<int>(level));
}

std::string signBefore(Kind kind) {
    if (kind == Kind::Comparison) {
        return {};
    }
    return takesTwoFractions(kind) ? operationSign(kind) : "=";
}

}  // namespace

Worksheet makeWorksheet(const SheetRequest& request) {
    const std::vector<Kind> kinds = distinct(request.kinds);
    Worksheet sheet{.title = std::string(texts::sheetTitle),
                    .subject = subjectOf(kinds, request.level),
                    .numberLine = std::string(texts::sheetNumber) + std::to_string(request.number),
                    .header = std::string(texts::sheetHeader),
                    .exercises = {},
                    .solutionsTitle = std::string(texts::solutionsTitle),
                    .solutions = {}};
    const auto length = static_cast<std::size_t>(request.length);
    TaskGenerator generator(request.number);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const std::size_t share = length / kinds.size() + (k < length % kinds.size() ? 1 : 0);
        for (std::size_t i = 0; i < share; ++i) {
            const Task task = generator.next(kinds[k], request.level);
            const int number = static_cast<int>(sheet.exercises.size()) + 1;
            sheet.exercises.push_back({.number = number,
                                       .kind = task.kind,
                                       .terms = task.terms,
                                       .sign = signBefore(task.kind),
                                       .boxes = answerFormOf(task.kind)});
            sheet.solutions.push_back(
                {.number = number, .answer = task.answer.text, .working = workingLines(task)});
        }
    }
    return sheet;
}

}  // namespace talvera::exercises
