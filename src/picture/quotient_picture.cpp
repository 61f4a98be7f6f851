#include <vector>

#include "picture/number_line.h"
#include "picture/task_pictures.h"
#include "picture/term_figures.h"
#include "picture/wording.h"

namespace talvera::picture {

namespace {

enum Stage { Terms, Rewrite, Product, Reduced };

// Whole jumps beyond this are drawn as one long jump.
constexpr int mostJumps = 12;

// How often a divisor fits, in one rule: a whole count, then what is left of one more as a
// fraction: "cabe 2 vezes", "cabe 2 vezes e 1/2", "cabe 3/4 de uma vez".
std::string fitsWords(const Integer& whole, const Rational& rest) {
    if (rest == 0) {
        return "cabe " + words::counted(whole, "vez", "vezes");
    }
    if (whole == 0) {
        return "cabe " + text(rest) + " de uma vez";
    }
    return "cabe " + words::counted(whole, "vez", "vezes") + " e " + text(rest);
}

// The divisor laid end to end from 0 toward the dividend: one jump per whole time, then the
// part of one more that reaches the dividend.
void layJumps(Sketch& sketch, ui::NumberLine& line, const Scale& scale, const Rational& dividend,
              const Rational& divisor, const Integer& whole, const Rational& rest) {
    const Rational step = dividend.sign() < 0 ? Rational{-abs(divisor)} : abs(divisor);
    const int count = drawable(whole, mostJumps);
    if (count == whole) {
        for (int i = 1; i <= count; ++i) {
            line.jumps.push_back({ui::Series::Second, scale.at(step * (i - 1)), scale.at(step * i),
                                  std::to_string(i)});
        }
    } else {
        line.jumps.push_back({ui::Series::Second, scale.at(0), scale.at(step * whole),
                              words::counted(whole, "vez", "vezes")});
        sketch.crowded(Crowding::Jumps);
    }
    if (rest != 0) {
        line.jumps.push_back(
            {ui::Series::Second, scale.at(step * whole), scale.at(dividend), text(rest)});
    }
}

}  // namespace

void drawQuotient(Sketch& sketch, std::span<const std::string> texts) {
    const ReadFractions read = readTerms(sketch, texts, 2);
    const std::vector<Rational> values = valuesOf(read);
    if (values.empty()) {
        return;
    }
    const Scale scale = Scale::fitting(values);
    ui::NumberLine line = termLine(sketch, read, scale, Terms);
    const bool divides = read.complete() && read.fractions[1]->numerator != 0;
    if (read.complete() && !divides) {
        sketch.problem("A segunda fracção vale zero, e não se pode dividir por zero.");
    }
    if (!divides || !sketch.shows(Rewrite)) {
        sketch.add(std::move(line));
        return;
    }
    const Fraction& first = *read.fractions[0];
    const Fraction& second = *read.fractions[1];
    const Fraction inverse{second.denominator, second.numerator};
    const Fraction product{first.numerator * second.denominator,
                           first.denominator * second.numerator};
    const Rational times = abs(first.value()) / abs(second.value());
    const Integer whole = floorOf(times);
    const Rational rest = times - whole;
    const std::string fits = text(abs(second.value())) + " " + fitsWords(whole, rest) + " em " +
                             text(abs(first.value()));
    if (sketch.shows(Product)) {
        layJumps(sketch, line, scale, first.value(), second.value(), whole, rest);
    }
    sketch.add(std::move(line));
    sketch.add(ui::Label{ui::Series::Result, text(first) + " : " + text(second) + " = " +
                                                 text(first) + " × " + text(inverse)});
    sketch.say(Rewrite, "Dividir por " + words::spoken(second) + " é multiplicar pelo inverso, " +
                            words::spoken(inverse) + ": " + words::spoken(first) + " vezes " +
                            words::spoken(inverse) + ".");
    if (!sketch.shows(Product)) {
        return;
    }
    sketch.add(
        ui::Label{ui::Series::Result, text(first) + " × " + text(inverse) + " = " + text(product)});
    sketch.add(ui::Label{ui::Series::Second, fits});
    sketch.say(Product,
               "O produto é " + words::spoken(product) +
                   ". Na recta numérica, em saltos a partir de 0, " + fits + "." +
                   (product.negative() ? " Com sinais contrários, o quociente é negativo." : ""));
    if (!sketch.shows(Reduced)) {
        return;
    }
    const Rational quotient = product.value();
    if (lowestTerms(quotient).denominator == abs(product.denominator)) {
        sketch.say(Reduced, "A fracção " + words::spoken(product) + " já é irredutível.");
    } else {
        sketch.add(ui::Label{ui::Series::Result, text(product) + " = " + text(quotient)});
        sketch.say(Reduced, "Simplificado, " + words::spoken(product) + " é " +
                                words::spoken(quotient) + ".");
    }
    sketch.settle("= " + text(quotient));
}

}  // namespace talvera::picture
