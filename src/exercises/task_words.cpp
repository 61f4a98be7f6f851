#include "exercises/task_words.h"

#include "exercises/exercise_texts.h"
#include "words/decimal_text.h"
#include "words/fractions.h"

namespace talvera::exercises {

namespace {

std::string said(const core::Fraction& fraction) {
    return words::fraction(fraction);
}

std::string request(const Task& task) {
    const std::vector<core::Fraction>& f = task.fractions;
    switch (task.kind) {
        case Kind::Simplification:
            return std::string(texts::simplify) + said(f[0]);
        case Kind::Comparison:
            return std::string(texts::compare) + said(f[0]) + std::string(texts::compareWith) +
                   said(f[1]);
        case Kind::ToDecimal:
            return std::string(texts::write) + said(f[0]) + std::string(texts::asDecimal);
        case Kind::ToFraction:
            return std::string(texts::write) + words::decimalText(task.terms[0]) +
                   std::string(texts::asFraction);
        case Kind::Addition:
        case Kind::Subtraction:
        case Kind::Multiplication:
        case Kind::Division:
            break;
    }
    return said(f[0]) + std::string(texts::operationWords[static_cast<std::size_t>(task.kind)]) +
           said(f[1]);
}

}  // namespace

std::string taskInWords(const Task& task) {
    return std::string(texts::taskIntro) + request(task) + ".";
}

}  // namespace talvera::exercises
