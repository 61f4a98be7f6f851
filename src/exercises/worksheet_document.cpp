#include "exercises/worksheet_document.h"

namespace talvera::exercises {

namespace {

namespace print = ui::printout;

std::string numbered(int number) {
    return std::to_string(number) + ".";
}

// A fraction of the task, from its terms in box order.
print::Fraction termsAt(const PrintedExercise& exercise, std::size_t at) {
    return {exercise.terms.at(at), exercise.terms.at(at + 1)};
}

print::Piece answerBox(AnswerForm form) {
    switch (form) {
        case AnswerForm::Decimal:
            return print::Blank{12};
        case AnswerForm::Relation:
            return print::Blank{2};
        case AnswerForm::Fraction:
            break;
    }
    return print::Fraction{};
}

print::Cell exerciseCell(const PrintedExercise& exercise) {
    print::Line line{print::Words{numbered(exercise.number)}};
    if (exercise.kind == Kind::ToFraction) {
        line.emplace_back(print::Words{exercise.terms.at(0)});
    } else {
        line.emplace_back(termsAt(exercise, 0));
    }
    if (exercise.boxes == AnswerForm::Relation) {
        line.push_back(answerBox(exercise.boxes));
        line.emplace_back(termsAt(exercise, 2));
        return {{line}};
    }
    if (exercise.terms.size() == 4) {
        line.emplace_back(print::Words{exercise.sign});
        line.emplace_back(termsAt(exercise, 2));
        line.emplace_back(print::Words{"="});
    } else {
        line.emplace_back(print::Words{exercise.sign});
    }
    line.push_back(answerBox(exercise.boxes));
    return {{line}};
}

print::Cell solutionCell(const Solution& solution) {
    print::Cell cell{{{print::Words{numbered(solution.number)}, print::Words{solution.answer}}}};
    for (const WorkingLine& line : solution.working) {
        cell.lines.push_back({print::Words{line.text}});
    }
    return cell;
}

print::Paragraph paragraph(print::Style style, const std::string& text) {
    return {style, text};
}

}  // namespace

print::Document worksheetDocument(const Worksheet& sheet) {
    print::Columns exercises;
    for (const PrintedExercise& exercise : sheet.exercises) {
        exercises.cells.push_back(exerciseCell(exercise));
    }
    print::Columns solutions;
    for (const Solution& solution : sheet.solutions) {
        solutions.cells.push_back(solutionCell(solution));
    }
    using print::Style;
    print::Page front{{paragraph(Style::Plain, sheet.header), paragraph(Style::Title, sheet.title),
                       paragraph(Style::Subtitle, sheet.subject),
                       paragraph(Style::Subtitle, sheet.numberLine), std::move(exercises)}};
    print::Page back{{paragraph(Style::Title, sheet.solutionsTitle),
                      paragraph(Style::Subtitle, sheet.subject),
                      paragraph(Style::Subtitle, sheet.numberLine), std::move(solutions)}};
    return {.title = sheet.title + " — " + sheet.numberLine,
            .pages = {std::move(front), std::move(back)}};
}

}  // namespace talvera::exercises
