#include <optional>

#include "core/capacity_error.h"
#include "picture/bars.h"
#include "picture/decimal_reading.h"
#include "picture/number_line.h"
#include "picture/task_pictures.h"
#include "picture/term_figures.h"
#include "picture/wording.h"

namespace talvera::picture {

namespace {

enum Stage { Terms, Converted };

// The decimal the page writes for n / d: the scaled decimal's quotient, rounded where it must be.
std::optional<core::Decimal> pageDecimal(const Fraction& fraction) {
    try {
        const auto numerator = core::Decimal::parse(fraction.numerator.str());
        const auto denominator = core::Decimal::parse(fraction.denominator.str());
        return *numerator / *denominator;
    } catch (const core::CapacityError&) {
        return std::nullopt;
    }
}

// Where the interval of the given width that holds a value starts.
Rational intervalStart(const Rational& value, const Rational& width) {
    return Rational{floorOf(value / width)} * width;
}

// "fica em 0.8", or "fica entre 0.8 e 0.9".
std::string placeWords(const Rational& value, const Rational& width) {
    const Rational below = intervalStart(value, width);
    if (below == value) {
        return "fica em " + words::spokenNumber(decimalText(value));
    }
    return "fica entre " + words::spokenNumber(decimalText(below)) + " e " +
           words::spokenNumber(decimalText(below + width));
}

ui::NumberLine markedLine(const Scale& scale, bool everyLabel, const Rational& value,
                          const std::string& label) {
    ui::NumberLine line = scale.line(everyLabel);
    line.marks.push_back(scale.mark(ui::Series::First, value, label));
    return line;
}

}  // namespace

void drawToDecimal(Sketch& sketch, std::span<const std::string> texts) {
    const ReadFractions read = readTerms(sketch, texts, 1);
    drawTermBars(sketch, read, Terms);
    if (!read.complete() || !sketch.shows(Converted)) {
        return;
    }
    const Fraction& fraction = *read.fractions[0];
    const Rational value = fraction.value();
    const std::string label = text(fraction);
    const std::string said = words::spoken(fraction);
    const Rational tenth{1, 10};
    const Rational hundredth{1, 100};
    const Scale tenths(intervalStart(value, 1), tenth, 10);
    const Scale hundredths(intervalStart(value, tenth), hundredth, 10);
    sketch.add(markedLine(tenths, true, value, label));
    sketch.add(markedLine(hundredths, false, value, label));
    sketch.say(Converted, "Na recta numérica, " + tenths.span() + ", dividida em décimas, " + said +
                              " " + placeWords(value, tenth) + ". A décima " + hundredths.span() +
                              ", dividida em centésimas, mostra que " + said + " " +
                              placeWords(value, hundredth) + ".");
    if (const std::optional<core::Decimal> decimal = pageDecimal(fraction)) {
        const bool exact = valueOf(*decimal) == value;
        const std::string written = decimal->toString();
        sketch.add(ui::Label{ui::Series::Result, label + (exact ? " = " : " ≈ ") + written});
        sketch.say(Converted, said + (exact ? " é igual a " : " é aproximadamente ") +
                                  words::spokenNumber(written) + ".");
        sketch.settle((exact ? "= " : "≈ ") + written);
    }
}

void drawToFraction(Sketch& sketch, std::span<const std::string> texts) {
    const ReadDecimal read = readDecimal(texts.empty() ? std::string_view() : texts.front());
    if (!read.value) {
        sketch.problem(read.problem);
        return;
    }
    const Rational& value = *read.value;
    const Scale scale = Scale::fitting({&value, 1});
    sketch.add(markedLine(scale, true, value, read.text));
    sketch.say(Terms,
               words::lineWords(scale.span(), {"a dízima " + words::spokenNumber(read.text)}));
    if (!sketch.shows(Converted)) {
        return;
    }
    const Fraction lowest = lowestTerms(value);
    sketch.add(ui::Label{ui::Series::Result, read.text + " = " + text(value)});
    const BarShape shape = shapeOf(lowest, ui::Series::Result);
    ui::Bar bar = cutBar(shape, sketch);
    if (value != 0) {
        bar.runs.push_back(run(ui::Series::Result, 0, shape.extent));
    }
    sketch.add(std::move(bar));
    sketch.say(Converted, words::spokenNumber(read.text) + " é igual a " + words::spoken(value) +
                              ". " + barWords("fracção", shape, abs(lowest.numerator)));
    sketch.settle("= " + text(value));
}

}  // namespace talvera::picture
