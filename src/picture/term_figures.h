#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "picture/exact.h"
#include "picture/number_line.h"
#include "picture/sketch.h"
#include "picture/term_reading.h"

// Figures that most tasks share.
namespace talvera::picture {

inline ui::Series seriesOf(std::size_t index) {
    return static_cast<ui::Series>(index);
}

// Reads the task's fractions and puts a note under the picture for every term not read.
ReadFractions readTerms(Sketch& sketch, std::span<const std::string> texts, int count);

// Each fraction read as its bar, said at the given stage; factors, when given, stand beside them.
void drawTermBars(Sketch& sketch, const ReadFractions& read, int stage,
                  std::span<const std::string> factors = {});

// The index-th fraction re-cut over a common denominator that its own divides, labelled
// "1/4 = 3/12" and said at the given stage.
void drawOverCommon(Sketch& sketch, int stage, std::size_t index, const Fraction& fraction,
                    const Integer& multiple);

// The values of the fractions read, in order.
std::vector<Rational> valuesOf(const ReadFractions& read);

// A number line on the scale with each fraction read marked, said at the given stage.
ui::NumberLine termLine(Sketch& sketch, const ReadFractions& read, const Scale& scale, int stage);

// At the given stage, the result in lowest terms under the unreduced one: its bar in larger parts
// where the parts differ, else a sentence that it is already irreducible. Settles the heading.
void drawReduced(Sketch& sketch, int stage, const Fraction& unreduced, std::string_view role);

}  // namespace talvera::picture
