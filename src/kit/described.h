#pragma once

#include <string>

#include "core/fraction.h"
#include "ui/control.h"
#include "words/fractions.h"

namespace talvera::kit {

// Writes a result into a box, and what it is in words into the box's description, where a
// screen reader finds it: "11" over "4" reads "onze quartos".
inline void writeDescribed(ui::Control& box, std::string text, std::string words) {
    box.setDescription(std::move(words));
    box.setText(std::move(text));
}

// A fraction in words, or nothing for one that has no words (a term that is not whole, a
// denominator 0): such a box is read as its digits alone.
inline bool hasWords(const core::Fraction& value) {
    return value.numerator.isWhole() && value.denominator.isWhole() && !value.denominator.isZero();
}

inline std::string wordsOf(const core::Fraction& value) {
    return hasWords(value) ? words::fraction(value) : std::string();
}

// A result: the fraction, then its mixed number where it has one.
inline std::string resultWordsOf(const core::Fraction& value) {
    return hasWords(value) ? words::result(value) : std::string();
}

}  // namespace talvera::kit
