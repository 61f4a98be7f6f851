#pragma once

#include <array>

#include "ui/form.h"

namespace talvera::exercises {

// The controls of the Exercises page, bound by role. Each shape of task and of answer sits on a
// panel of its own, and the page shows the panels its task needs.
// NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init): an aggregate of references
struct ExercisesControls {
    ui::Control& kind;
    ui::Control& level;
    ui::Control& newTask;
    ui::Control& exercise;  // the frame around the task and its answer
    ui::Control& twoFractions;
    std::array<ui::Control*, 4> pairTerms;  // N1, D1, N2, D2
    ui::Control& sign;                      // between them: the operation, or the comparison's
    ui::Control& oneFraction;
    std::array<ui::Control*, 2> singleTerms;  // N, D
    ui::Control& decimalPanel;
    ui::Control& decimal;
    ui::Control& equals;
    ui::Control& fractionAnswer;
    ui::Control& answerNumerator;
    ui::Control& answerDenominator;
    ui::Control& decimalAnswer;
    ui::Control& answerDecimal;
    ui::Control& relationAnswer;
    std::array<ui::Control*, 3> relations;  // <, =, >
    ui::Control& check;
    ui::Control& feedback;
    ui::Control& resolution;
    ui::Control& score;
};

// Lays out the whole Exercises page on the form, in its places, names and tab order.
ExercisesControls layOutExercisesPage(ui::Form& form);

}  // namespace talvera::exercises
