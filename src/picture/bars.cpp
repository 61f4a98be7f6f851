#include "picture/bars.h"

#include <algorithm>

#include "picture/wording.h"

namespace talvera::picture {

namespace {

Integer unitsOf(const Rational& extent) {
    return std::max(Integer{1}, ceilOf(extent));
}

}  // namespace

ui::Bar cutBar(const BarShape& shape, Sketch& sketch) {
    const Integer units = unitsOf(shape.extent);
    ui::Bar bar{.series = shape.series,
                .label = shape.label,
                .length = toDouble(Rational{units}),
                .units = drawable(units, mostUnits),
                .parts = drawable(shape.parts, mostParts)};
    if (bar.units == 0) {
        // Parts of bars that are not outlined would have nothing to stand in.
        bar.parts = 0;
        sketch.crowded(Crowding::Units);
    } else if (bar.parts == 0) {
        sketch.crowded(Crowding::Parts);
    }
    return bar;
}

ui::Run run(ui::Series series, const Rational& start, const Rational& length, bool takenAway) {
    return {series, toDouble(start), toDouble(length), takenAway};
}

BarShape shapeOf(const Fraction& fraction, ui::Series series) {
    return {series, words::spoken(fraction), abs(fraction.denominator), abs(fraction.value())};
}

ui::Bar fractionBar(const Fraction& fraction, ui::Series series, Sketch& sketch) {
    const BarShape shape = shapeOf(fraction, series);
    ui::Bar bar = cutBar(shape, sketch);
    if (fraction.numerator != 0) {
        bar.runs.push_back(run(series, 0, shape.extent));
    }
    return bar;
}

std::string barWords(std::string_view role, const BarShape& shape, const Integer& shaded) {
    const Integer units = unitsOf(shape.extent);
    std::string bars;
    if (shape.parts == 1) {
        bars = words::counted(units, "barra inteira", "barras inteiras") + ", " + shaded.str() +
               (shaded == 1 ? " pintada" : " pintadas");
    } else {
        bars = words::counted(units, "barra dividida", "barras divididas") + " em " +
               shape.parts.str() + (units == 1 ? " partes iguais, " : " partes iguais cada uma, ") +
               words::counted(shaded, "parte pintada", "partes pintadas");
    }
    return words::capitalized(role) + ", " + shape.label + ": " + bars + ".";
}

}  // namespace talvera::picture
