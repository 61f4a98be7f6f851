#include "picture/term_figures.h"

#include "picture/bars.h"
#include "picture/wording.h"

namespace talvera::picture {

ReadFractions readTerms(Sketch& sketch, std::span<const std::string> texts, int count) {
    ReadFractions read = readFractions(texts, count);
    for (const std::string& problem : read.problems) {
        sketch.problem(problem);
    }
    return read;
}

void drawTermBars(Sketch& sketch, const ReadFractions& read, int stage,
                  std::span<const std::string> factors) {
    const auto count = static_cast<int>(read.fractions.size());
    for (std::size_t i = 0; i < read.fractions.size(); ++i) {
        if (!read.fractions[i]) {
            continue;
        }
        const Fraction& fraction = *read.fractions[i];
        ui::Bar bar = fractionBar(fraction, seriesOf(i), sketch);
        if (i < factors.size()) {
            bar.factor = factors[i];
        }
        sketch.add(std::move(bar));
        sketch.say(stage, barWords(words::role(static_cast<int>(i), count),
                                   shapeOf(fraction, seriesOf(i)), abs(fraction.numerator)));
    }
}

void drawOverCommon(Sketch& sketch, int stage, std::size_t index, const Fraction& fraction,
                    const Integer& multiple) {
    const Fraction expanded{fraction.numerator * (multiple / fraction.denominator), multiple};
    const BarShape shape{seriesOf(index), words::spoken(fraction) + " = " + words::spoken(expanded),
                         multiple, abs(fraction.value())};
    ui::Bar bar = cutBar(shape, sketch);
    if (fraction.numerator != 0) {
        bar.runs.push_back(run(shape.series, 0, shape.extent));
    }
    sketch.add(std::move(bar));
    const std::string role =
        std::string(words::role(static_cast<int>(index), 2)) + " sobre o denominador comum";
    sketch.say(stage, barWords(role, shape, abs(expanded.numerator)));
}

std::vector<Rational> valuesOf(const ReadFractions& read) {
    std::vector<Rational> values;
    for (const auto& fraction : read.fractions) {
        if (fraction) {
            values.push_back(fraction->value());
        }
    }
    return values;
}

ui::NumberLine termLine(Sketch& sketch, const ReadFractions& read, const Scale& scale, int stage) {
    ui::NumberLine line = scale.line(true);
    std::vector<std::string> marked;
    const auto count = static_cast<int>(read.fractions.size());
    for (std::size_t i = 0; i < read.fractions.size(); ++i) {
        if (const auto& fraction = read.fractions[i]) {
            line.marks.push_back(scale.mark(seriesOf(i), fraction->value(), text(*fraction)));
            marked.push_back("a " + std::string(words::role(static_cast<int>(i), count)) + ", " +
                             words::spoken(*fraction));
        }
    }
    sketch.say(stage, words::lineWords(scale.span(), marked));
    return line;
}

void drawReduced(Sketch& sketch, int stage, const Fraction& unreduced, std::string_view role) {
    if (!sketch.shows(stage)) {
        return;
    }
    const Rational value = unreduced.value();
    const Fraction lowest = lowestTerms(value);
    if (lowest.denominator == abs(unreduced.denominator)) {
        sketch.say(stage, "A fracção " + words::spoken(unreduced) + " já é irredutível.");
    } else {
        const BarShape shape{ui::Series::Result, words::spoken(value), lowest.denominator,
                             abs(value)};
        ui::Bar bar = cutBar(shape, sketch);
        if (value != 0) {
            bar.runs.push_back(run(ui::Series::Result, 0, shape.extent));
        }
        sketch.add(std::move(bar));
        sketch.say(stage, barWords(role, shape, abs(lowest.numerator)) +
                              " O mesmo comprimento, em partes maiores.");
    }
    sketch.settle("= " + text(value));
}

}  // namespace talvera::picture
