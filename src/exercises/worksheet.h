#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exercises/kind.h"
#include "exercises/working_lines.h"

namespace talvera::exercises {

enum class SheetLength : std::uint8_t { Ten = 10, Twenty = 20, Thirty = 30 };

struct SheetRequest {
    std::vector<Kind> kinds;  // in the order the sheet takes them; a kind given twice counts once
    Level level = Level::One;
    SheetLength length = SheetLength::Ten;
    std::uint32_t number = 1;  // the sheet's number, which seeds its tasks
};

// One exercise as it is printed.
struct PrintedExercise {
    int number = 0;  // from 1
    Kind kind = Kind::Addition;
    // Numerators and denominators in box order, or the decimal to convert.
    std::vector<std::string> terms;
    // "+", "-", "x" or ":" between two fractions; "=" before the answer of one fraction or a
    // decimal; empty for the comparison, whose answer box stands between the fractions.
    std::string sign;
    AnswerForm boxes = AnswerForm::Fraction;
    friend bool operator==(const PrintedExercise&, const PrintedExercise&) = default;
};

struct Solution {
    int number = 0;
    std::string answer;                // in lowest terms, as Answer::text
    std::vector<WorkingLine> working;  // for + - x : only
    friend bool operator==(const Solution&, const Solution&) = default;
};

struct Worksheet {
    std::string title;
    std::string subject;     // the kinds and the level: "Adição e subtracção — nível 2"
    std::string numberLine;  // "Ficha n.º 17"
    std::string header;      // "Nome: ______  N.º: ___  Turma: ___  Data: ______"
    std::vector<PrintedExercise> exercises;
    std::string solutionsTitle;
    std::vector<Solution> solutions;  // one per exercise, in the same order
    friend bool operator==(const Worksheet&, const Worksheet&) = default;
};

// The sheet of a request: its exercises grouped by kind, in the request's order, shared out as
// evenly as the length allows (the first kinds take the rest). The same request always gives
// the same sheet.
Worksheet makeWorksheet(const SheetRequest& request);

}  // namespace talvera::exercises
