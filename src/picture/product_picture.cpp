#include "picture/bars.h"
#include "picture/task_pictures.h"
#include "picture/term_figures.h"
#include "picture/wording.h"

namespace talvera::picture {

namespace {

enum Stage { Terms, Product, Reduced };

// Squares side by side or one under another, beyond which they are not outlined one by one.
constexpr int mostSquares = 6;

std::string squaresWords(const Integer& across, const Integer& down) {
    if (across * down == 1) {
        return "1 quadrado dividido";
    }
    return Integer{across * down}.str() + " quadrados, " + across.str() + " por " + down.str() +
           ", cada um dividido";
}

void drawGrid(Sketch& sketch, const Fraction& first, const Fraction& second) {
    const Rational width = abs(first.value());
    const Rational height = abs(second.value());
    const Integer across = std::max(Integer{1}, ceilOf(width));
    const Integer down = std::max(Integer{1}, ceilOf(height));
    const Integer columns = abs(first.denominator);
    const Integer rows = abs(second.denominator);
    const Fraction product{first.numerator * second.numerator,
                           first.denominator * second.denominator};
    const Integer shaded = abs(product.numerator);
    const Integer parts = abs(product.denominator);
    std::string label = shaded <= parts
                            ? shaded.str() + " de " + parts.str() + " partes"
                            : shaded.str() + " partes, " + parts.str() + " em cada quadrado";
    ui::Grid grid{.label = product.negative() ? "menos " + label : label,
                  .across = toDouble(Rational{across}),
                  .down = toDouble(Rational{down}),
                  .squaresAcross = drawable(across, mostSquares),
                  .squaresDown = drawable(down, mostSquares),
                  .columns = drawable(columns, mostParts),
                  .rows = drawable(rows, mostParts),
                  .width = toDouble(width),
                  .height = toDouble(height)};
    if (grid.squaresAcross == 0 || grid.squaresDown == 0) {
        grid = {grid.series, grid.label, grid.across, grid.down,  0,
                0,           0,          0,           grid.width, grid.height};
        sketch.crowded(Crowding::Units);
    } else if (grid.columns == 0 || grid.rows == 0) {
        sketch.crowded(Crowding::Parts);
    }
    sketch.add(std::move(grid));
    const std::string equation = text(first) + " × " + text(second) + " = " + text(product);
    sketch.add(ui::Label{ui::Series::Result, equation});
    sketch.say(Product, squaresWords(across, down) + " em " +
                            words::counted(columns, "coluna", "colunas") + " e " +
                            words::counted(rows, "linha", "linhas") + ": " +
                            words::counted(parts, "parte igual", "partes iguais") +
                            " em cada quadrado. " + "A primeira fracção, " + words::spoken(first) +
                            ", pinta " + words::counted(abs(first.numerator), "coluna", "colunas") +
                            "; a segunda, " + words::spoken(second) + ", pinta " +
                            words::counted(abs(second.numerator), "linha", "linhas") +
                            ". A parte comum tem " + words::counted(shaded, "parte", "partes") +
                            ": " + words::spoken(first) + " vezes " + words::spoken(second) +
                            " é " + words::spoken(product) + "." +
                            (product.negative() ? " O produto é negativo." : ""));
}

}  // namespace

void drawProduct(Sketch& sketch, std::span<const std::string> texts) {
    const ReadFractions read = readTerms(sketch, texts, 2);
    drawTermBars(sketch, read, Terms);
    if (!read.complete() || !sketch.shows(Product)) {
        return;
    }
    const Fraction& first = *read.fractions[0];
    const Fraction& second = *read.fractions[1];
    drawGrid(sketch, first, second);
    drawReduced(sketch, Reduced,
                {first.numerator * second.numerator, first.denominator * second.denominator},
                "resultado simplificado");
}

}  // namespace talvera::picture
