#pragma once

#include <string>
#include <string_view>

#include "picture/exact.h"
#include "picture/sketch.h"
#include "ui/drawing.h"

namespace talvera::picture {

// Beyond these a bar is drawn at its exact length without the lines between its pieces.
inline constexpr int mostParts = 24;  // parts of one unit bar
inline constexpr int mostUnits = 10;  // unit bars in one bar

// Unit bars cut into equal parts, as many as extent (in unit bars) needs, at least one.
struct BarShape {
    ui::Series series = ui::Series::First;
    std::string label;
    Integer parts;
    Rational extent;
};

// The bar without runs; a count too large to draw is left out and noted on the sketch.
ui::Bar cutBar(const BarShape& shape, Sketch& sketch);

ui::Run run(ui::Series series, const Rational& start, const Rational& length,
            bool takenAway = false);

// A fraction as typed: its denominator's parts, its numerator's shaded from the left.
BarShape shapeOf(const Fraction& fraction, ui::Series series);
ui::Bar fractionBar(const Fraction& fraction, ui::Series series, Sketch& sketch);

// "Segunda fracção, 15/6: 3 barras divididas em 6 partes iguais cada uma, 15 partes pintadas."
std::string barWords(std::string_view role, const BarShape& shape, const Integer& shaded);

}  // namespace talvera::picture
