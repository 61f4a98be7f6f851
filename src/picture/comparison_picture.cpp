#include <array>
#include <compare>
#include <vector>

#include "picture/number_line.h"
#include "picture/task_pictures.h"
#include "picture/term_figures.h"
#include "picture/wording.h"

namespace talvera::picture {

namespace {

enum Stage { Terms, Compared };

struct Relation {
    const char* sign;
    const char* words;
};

Relation relationOf(std::strong_ordering order) {
    if (order == std::strong_ordering::less) {
        return {"<", "a primeira fracção é menor do que a segunda."};
    }
    return order == std::strong_ordering::greater
               ? Relation{">", "a primeira fracção é maior do que a segunda."}
               : Relation{"=", "as duas fracções são iguais."};
}

}  // namespace

void drawComparison(Sketch& sketch, std::span<const std::string> texts) {
    const ReadFractions read = readTerms(sketch, texts, 2);
    drawTermBars(sketch, read, Terms);
    if (!read.complete() || !sketch.shows(Compared)) {
        return;
    }
    const std::array<Fraction, 2> fractions{*read.fractions[0], *read.fractions[1]};
    const Integer multiple = lcm(abs(fractions[0].denominator), abs(fractions[1].denominator));
    const Relation relation = relationOf(fractions[0].value().compare(fractions[1].value()) <=> 0);
    drawOverCommon(sketch, Compared, 0, fractions[0], multiple);
    sketch.add(ui::Label{ui::Series::Result, relation.sign});
    drawOverCommon(sketch, Compared, 1, fractions[1], multiple);
    // The numerators over the common denominator, which is what the pupil compares.
    std::array<Rational, 2> counts;
    for (std::size_t i = 0; i < 2; ++i) {
        counts.at(i) = fractions.at(i).value() * multiple;
    }
    sketch.say(Compared, "Com " + multiple.str() + " partes em cada barra, compara-se " +
                             words::spoken(counts[0]) + " com " + words::spoken(counts[1]) + ": " +
                             relation.words);
    const Scale scale = Scale::fitting(valuesOf(read));
    sketch.add(termLine(sketch, read, scale, Compared));
    sketch.settle(relation.sign);
}

}  // namespace talvera::picture
