#pragma once

#include <array>
#include <cstdint>

#include "picture/kind.h"

namespace talvera::exercises {

// The eight calculators of the Operations page, each a kind of exercise and of picture.
using Kind = picture::Kind;

inline constexpr std::array allKinds{Kind::Addition,  Kind::Subtraction,    Kind::Multiplication,
                                     Kind::Division,  Kind::Simplification, Kind::Comparison,
                                     Kind::ToDecimal, Kind::ToFraction};

enum class Level : std::uint8_t { One = 1, Two = 2, Three = 3 };

inline constexpr std::array allLevels{Level::One, Level::Two, Level::Three};

// What a level allows in the fractions a task shows.
struct LevelRules {
    int maxTerm = 10;                  // every numerator and denominator is at most this
    bool improper = false;             // fractions greater than 1 too
    bool negativeDifferences = false;  // a subtraction may end below zero
};

constexpr LevelRules rulesOf(Level level) {
    switch (level) {
        case Level::One:
            return {.maxTerm = 10, .improper = false, .negativeDifferences = false};
        case Level::Two:
            return {.maxTerm = 20, .improper = true, .negativeDifferences = false};
        case Level::Three:
            break;
    }
    return {.maxTerm = 100, .improper = true, .negativeDifferences = true};
}

// How the pupil answers: the two boxes of a fraction, one box for a decimal, or a relation sign.
enum class AnswerForm : std::uint8_t { Fraction, Decimal, Relation };

constexpr AnswerForm answerFormOf(Kind kind) {
    if (kind == Kind::ToDecimal) {
        return AnswerForm::Decimal;
    }
    return kind == Kind::Comparison ? AnswerForm::Relation : AnswerForm::Fraction;
}

// Whether the task shows two fractions with an operation or relation between them.
constexpr bool takesTwoFractions(Kind kind) {
    return kind <= Kind::Division || kind == Kind::Comparison;
}

}  // namespace talvera::exercises
