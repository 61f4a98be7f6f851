#include "picture/task_pictures.h"
#include "picture/term_figures.h"

namespace talvera::picture {

void drawSimplification(Sketch& sketch, std::span<const std::string> texts) {
    enum Stage { Terms, Reduced };
    const ReadFractions read = readTerms(sketch, texts, 1);
    drawTermBars(sketch, read, Terms);
    if (read.complete()) {
        drawReduced(sketch, Reduced, *read.fractions[0], "fracção simplificada");
    }
}

}  // namespace talvera::picture
