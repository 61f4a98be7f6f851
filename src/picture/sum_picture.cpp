#include <array>
#include <optional>
#include <vector>

#include "picture/bars.h"
#include "picture/number_line.h"
#include "picture/task_pictures.h"
#include "picture/term_figures.h"
#include "picture/wording.h"

namespace talvera::picture {

namespace {

enum Stage { Terms = 1, Factors, Recut, Unreduced, Reduced };

// Both fractions over the m.m.c. of their denominators, and the result over it: each term's
// parts as a signed count, the second's already negated for a subtraction.
struct Working {
    std::array<Fraction, 2> terms;
    Integer multiple;
    std::array<Integer, 2> counts;
    bool subtract = false;

    Integer total() const { return counts[0] + counts[1]; }
    Fraction result() const { return {total(), multiple}; }
    Integer factor(std::size_t i) const { return multiple / abs(terms.at(i).denominator); }
    // The denominator divides the m.m.c. exactly, and carries its sign into the numerator.
    Fraction expanded(std::size_t i) const {
        return {terms.at(i).numerator * (multiple / terms.at(i).denominator), multiple};
    }
};

Working workOut(const Fraction& first, const Fraction& second, bool subtract) {
    Working work{
        {first, second}, lcm(abs(first.denominator), abs(second.denominator)), {}, subtract};
    for (std::size_t i = 0; i < 2; ++i) {
        work.counts.at(i) = work.expanded(i).numerator;
    }
    if (subtract) {
        work.counts[1] = -work.counts[1];
    }
    return work;
}

std::string factorWords(std::string_view role, const Integer& factor, const Integer& multiple) {
    if (factor == 1) {
        return "A " + std::string(role) + " já tem " + multiple.str() + " partes em cada barra.";
    }
    return "Cada parte da " + std::string(role) + " divide-se em " + factor.str() + ".";
}

void drawFactors(Sketch& sketch, const Working& work) {
    const std::string first = abs(work.terms[0].denominator).str();
    const std::string second = abs(work.terms[1].denominator).str();
    const std::string multiple = work.multiple.str();
    sketch.add(
        ui::Label{ui::Series::Result, "m.m.c. (" + first + ", " + second + ") = " + multiple});
    sketch.say(Factors, "O m.m.c. de " + first + " e " + second + " é " + multiple + ".");
    for (std::size_t i = 0; i < 2; ++i) {
        sketch.say(Factors,
                   factorWords(words::role(static_cast<int>(i), 2), work.factor(i), work.multiple));
    }
}

// Parts of the same sign are laid one after the other; of opposite signs, the fewer are taken
// away from the end of the more, and crossed out.
void drawUnreduced(Sketch& sketch, const Working& work) {
    const Fraction result = work.result();
    const Rational part{1, work.multiple};
    const std::array<Integer, 2> sizes{abs(work.counts[0]), abs(work.counts[1])};
    const bool joined = work.counts[0].sign() * work.counts[1].sign() >= 0;
    const std::size_t more = sizes[1] > sizes[0] ? 1 : 0;
    const Integer extent = joined ? sizes[0] + sizes[1] : sizes.at(more);
    const BarShape shape{ui::Series::Result, words::spoken(result), work.multiple, extent * part};
    ui::Bar bar = cutBar(shape, sketch);
    const std::array<std::string, 2> roles{"da primeira fracção", "da segunda fracção"};
    std::string how;
    if (joined) {
        Rational start = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            if (sizes.at(i) != 0) {
                bar.runs.push_back(run(seriesOf(i), start, sizes.at(i) * part));
                start += sizes.at(i) * part;
            }
        }
        how = words::counted(sizes[0], "parte", "partes") + " " + roles[0] + " mais " +
              words::counted(sizes[1], "parte", "partes") + " " + roles[1] + ".";
    } else {
        const std::size_t fewer = 1 - more;
        bar.runs.push_back(run(seriesOf(more), 0, sizes.at(more) * part));
        bar.runs.push_back(run(seriesOf(fewer), (sizes.at(more) - sizes.at(fewer)) * part,
                               sizes.at(fewer) * part, true));
        how = words::counted(sizes.at(more), "parte", "partes") + " " + roles.at(more) + " menos " +
              words::counted(sizes.at(fewer), "parte", "partes") + " " + roles.at(fewer) +
              ". As partes tiradas estão riscadas.";
    }
    sketch.add(std::move(bar));
    const std::string role =
        std::string(work.subtract ? "diferença" : "soma") + " sobre o denominador comum";
    sketch.say(Unreduced, barWords(role, shape, abs(result.numerator)) + " " + how +
                              (result.negative() ? " O resultado é negativo." : ""));
}

void drawLine(Sketch& sketch, const ReadFractions& read, const std::optional<Working>& work) {
    std::vector<Rational> values = valuesOf(read);
    if (values.empty()) {
        return;
    }
    if (work) {
        values.push_back(work->result().value());
    }
    const Scale scale = Scale::fitting(values);
    ui::NumberLine line = termLine(sketch, read, scale, Terms);
    if (work && sketch.shows(Unreduced)) {
        const Fraction result = work->result();
        const std::string label = sketch.shows(Reduced) ? text(result.value()) : text(result);
        line.marks.push_back(scale.mark(ui::Series::Result, result.value(), label));
        sketch.say(Unreduced,
                   "Na recta numérica, marca-se o resultado, " + words::spoken(result) + ".");
    }
    sketch.add(std::move(line));
}

}  // namespace

void drawSum(Sketch& sketch, std::span<const std::string> texts, bool subtract) {
    const ReadFractions read = readTerms(sketch, texts, 2);
    std::optional<Working> work;
    if (read.complete()) {
        work = workOut(*read.fractions[0], *read.fractions[1], subtract);
    }
    std::vector<std::string> factors;
    if (work && sketch.shows(Factors)) {
        factors = {"× " + work->factor(0).str(), "× " + work->factor(1).str()};
    }
    drawTermBars(sketch, read, Terms, factors);
    if (work) {
        if (sketch.shows(Factors)) {
            drawFactors(sketch, *work);
        }
        for (std::size_t i = 0; i < 2 && sketch.shows(Recut); ++i) {
            drawOverCommon(sketch, Recut, i, work->terms.at(i), work->multiple);
        }
        if (sketch.shows(Unreduced)) {
            drawUnreduced(sketch, *work);
        }
        drawReduced(sketch, Reduced, work->result(), "resultado simplificado");
    }
    drawLine(sketch, read, work);
}

}  // namespace talvera::picture
