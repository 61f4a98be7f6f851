#include "details/details_texts.h"
#include "details/row_builders.h"

namespace talvera::details::layout {

namespace {

const RowDesign multiplication{
    .word = "Multiplicação",
    .noun = "multiplicação",
    .detailFrame = "Frame5",
    .detailCaption = texts::multiplicationDetail,
    .stepFrame = "Frame4",
    .stepCaption = texts::multiplicationSteps,
    .stepMode = "PassoMultiplicação",
    .top = 5940,
    .defaults = {"1", "4", "3", "6"},
    .termSpots = {{{180, 600}, {180, 1260}, {1740, 600}, {1680, 1260}}},
    .sign = {"", {1297, 900, 180, 360}, "x"},
    .equalsLeft = 2940,
    .clearResult = "Command6",
    .clearAll = "Command5",
    .emptyingOrder = {0, 1, 2, 3},
    .stepCount = 2,
    .stepSpots = {{{1140, 1200}, {1920, 1200}}},
    .panels = {.reduced = "Frame1C",
               .reducedPlace = {4620, 360, 1695, 1455},
               .reducedTerms = 4,
               .negative = "Frame2C",
               .negativePlace = {6120, 540, 1695, 1455},
               .negativeTerms = 5,
               .negativeBoxLeft = 600,
               .whole = "Frame3C",
               .wholePlace = {7680, 420, 1575, 1455}},
};

const RowDesign division{
    .word = "Divisão",
    .noun = "divisão",
    .detailFrame = "Frame9",
    .detailCaption = texts::divisionDetail,
    .stepFrame = "Frame6",
    .stepCaption = texts::divisionSteps,
    .stepMode = "PassoDivisão",
    .top = 8340,
    .defaults = {"1", "4", "3", "6"},
    .termSpots = {{{180, 600}, {180, 1260}, {1680, 585}, {1680, 1260}}},
    .sign = {"", {1260, 900, 105, 360}, ":"},
    .equalsLeft = 2820,
    .clearResult = "Command8",
    .clearAll = "Command7",
    .emptyingOrder = {0, 1, 2, 3},
    .stepCount = 3,
    .stepSpots = {{{600, 1140}, {1440, 1140}, {2280, 1140}}},
    .panels = {.reduced = "Frame1D",
               .reducedPlace = {7500, 360, 1695, 1455},
               .reducedTerms = 6,
               .negative = "Frame2D",
               .negativePlace = {7140, 60, 1695, 1455},
               .negativeTerms = 7,
               .negativeBoxLeft = 600,
               .whole = "Frame3D",
               .wholePlace = {8220, 720, 1575, 1455}},
};

constexpr std::string_view unreducedProduct = "produto por simplificar";

// The product's boxes, and division's inverted line, are cleared before the panels.
void clearedFirst(RowControls& row, std::initializer_list<const FractionBoxes*> fractions) {
    std::vector<ui::Control*> boxes;
    for (const FractionBoxes* fraction : fractions) {
        boxes.insert(boxes.end(), {&fraction->numerator, &fraction->denominator});
    }
    row.clearedBoxes.insert(row.clearedBoxes.begin(), boxes.begin(), boxes.end());
}

}  // namespace

ProductRowControls multiplicationRow(DetailsBuilder& page) {
    RowControls row = page.row(multiplication);
    const FractionBoxes product = page.resultFraction(
        row.detail, multiplication, 3, {{3540, 600}, {3540, 1260}, 3420, 1080, unreducedProduct});
    clearedFirst(row, {&product});
    return {.row = std::move(row), .inverted = std::nullopt, .product = product};
}

ProductRowControls divisionRow(DetailsBuilder& page) {
    RowControls row = page.row(division);
    const ui::Control& detail = row.detail;
    const FractionBoxes first = page.resultFraction(
        detail, division, 3,
        {{3360, 585}, {3360, 1260}, 3240, 1080, "primeira fracção na multiplicação"});
    page.sign(detail, {"", {4440, 900, 180, 360}, "x"});
    const FractionBoxes inverted = page.resultFraction(
        detail, division, 4, {{4860, 585}, {4860, 1260}, 4740, 1080, "segunda fracção invertida"});
    page.sign(detail, {"", {6000, 900, 195, 360}, "="});
    const FractionBoxes product = page.resultFraction(
        detail, division, 5, {{6420, 585}, {6420, 1260}, 6300, 1080, unreducedProduct});
    clearedFirst(row, {&first, &inverted, &product});
    return {.row = std::move(row), .inverted = InvertedLine{first, inverted}, .product = product};
}

}  // namespace talvera::details::layout
