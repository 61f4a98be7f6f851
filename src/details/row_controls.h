#pragma once

#include <optional>
#include <vector>

#include "ui/control.h"

// The controls of the four rows of the Details page, bound by the role they play.
namespace talvera::details {

// A place for a control, in twips inside its container.
struct Spot {
    int left = 0;
    int top = 0;
};

struct FractionBoxes {
    FractionBoxes(ui::Control& numeratorBox, ui::Control& denominatorBox)
        : numerator(numeratorBox), denominator(denominatorBox) {}
    ui::Control& numerator;
    ui::Control& denominator;
};

// The three borderless panels that can hold a row's final result.
struct ResultPanels {
    ui::Control& reduced;
    FractionBoxes reducedBoxes;
    ui::Control& negative;  // carries its own "-" before the fraction
    FractionBoxes negativeBoxes;
    ui::Control& whole;
    ui::Control& wholeBox;
};

// What every row has, whatever its operation.
struct RowControls {
    ui::Control& detail;                      // the frame that holds the row's working
    std::vector<ui::Control*> terms;          // N1, D1, N2, D2: the order they are read in
    std::vector<ui::Control*> emptyingOrder;  // the order "Apagar tudo" empties them in
    ui::Control& equals;
    ui::Control& clearResult;
    ui::Control& clearAll;
    ui::Control& stepMode;
    std::vector<ui::Control*> steps;  // "1º", "2º", ...
    ResultPanels panels;
    // Clearing the results empties these boxes, then hides these lines and panels.
    std::vector<ui::Control*> clearedBoxes;
    std::vector<ui::Control*> hiddenLines;
};

// Addition and subtraction: the m.m.c. line, the expansion factors and three fractions.
struct SumRowControls {
    RowControls row;
    ui::Control& multipleCaption;  // "m.m.c."
    ui::Control& multipleLine;     // ( b , d ) = m
    ui::Control& firstFactor;      // ( m/b ), under the first fraction
    ui::Control& secondFactor;     // ( m/d ), under the second fraction
    FractionBoxes firstExpanded;
    FractionBoxes secondExpanded;
    FractionBoxes combined;  // the sum or difference over the common denominator
};

// The division's first line: the first fraction again, times the second one inverted.
struct InvertedLine {
    FractionBoxes first;
    FractionBoxes inverted;
};

// Multiplication and division: the unreduced product, and for division the inverted line.
struct ProductRowControls {
    RowControls row;
    std::optional<InvertedLine> inverted;
    FractionBoxes product;
};

struct DetailsControls {
    SumRowControls addition;
    SumRowControls subtraction;
    ProductRowControls multiplication;
    ProductRowControls division;
};

}  // namespace talvera::details
