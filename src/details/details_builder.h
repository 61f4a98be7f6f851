#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "details/row_controls.h"
#include "kit/layout.h"
#include "ui/form.h"

// The building blocks of the Details page's layout. Positions are in twips, relative to the
// container, as the page is designed.
namespace talvera::details::layout {

// A fraction of result boxes: the numerator, the denominator, and the bar between them, which
// runs one box width and a little more from barLeft at the height barTop.
struct FractionDesign {
    Spot numerator;
    Spot denominator;
    int barLeft = 0;
    int barTop = 1080;
    std::string_view role;  // what a screen reader calls the fraction in its row
};

// A sign between two fractions: "+", "-", "x", ":" or "=".
struct SignDesign {
    std::string_view name;  // empty for the signs that nothing refers to
    ui::Rect place;
    std::string_view text;
};

// The three result panels of a row, as designed; the row moves them when it shows them.
struct PanelDesign {
    std::string_view reduced;
    ui::Rect reducedPlace;
    // The reduced panel holds word + "N" + reducedTerms over word + "D" + reducedTerms.
    int reducedTerms = 0;
    std::string_view negative;
    ui::Rect negativePlace;
    int negativeTerms = 0;
    int negativeBoxLeft = 0;
    std::string_view whole;
    ui::Rect wholePlace;
    // Whether clearing the results empties the negative panel's boxes too; addition and
    // subtraction leave them, hidden, until they are overwritten.
    bool clearsNegativeBoxes = true;
};

// The parts every row shares: its two frames, the terms, the sign between them, the "=", the
// clearing buttons, the step frame and the result panels.
struct RowDesign {
    std::string_view word;  // the boxes are word + "N1", ...; the "=" is word itself
    std::string_view noun;  // what a screen reader calls the operation
    std::string_view detailFrame;
    std::string_view detailCaption;
    std::string_view stepFrame;
    std::string_view stepCaption;
    std::string_view stepMode;
    int top = 0;
    std::array<std::string_view, 4> defaults;  // N1, D1, N2, D2
    std::array<Spot, 4> termSpots;             // N1, D1, N2, D2
    SignDesign sign;
    int equalsLeft = 0;
    std::string_view clearResult;
    std::string_view clearAll;
    // The order "Apagar tudo" empties N1, D1, N2, D2 (0 to 3) in.
    std::array<std::size_t, 4> emptyingOrder;
    int stepCount = 0;
    std::array<Spot, 5> stepSpots;
    PanelDesign panels;
};

// Builds the controls of the page and keeps its tab order: terms, "=" and step controls row by
// row, then the clearing buttons. Controls that nothing refers to get numbered names.
class DetailsBuilder {
  public:
    explicit DetailsBuilder(ui::Form& form) : form_(form) {}

    void title();
    // The parts every row shares; the row's own working is laid into its detail frame after.
    RowControls row(const RowDesign& design);

    // Result boxes word + "N" + terms over word + "D" + terms.
    FractionBoxes resultFraction(const ui::Control& container, const RowDesign& row, int terms,
                                 const FractionDesign& design);
    ui::Control& sign(const ui::Control& container, const SignDesign& design);
    // A small blue line of the working, such as the m.m.c. line; hidden until it is written.
    ui::Control& workingLine(const ui::Control& container, std::string_view name, ui::Rect place,
                             std::string_view text);

    void finishTabOrder();

  private:
    std::vector<ui::Control*> termFractions(const ui::Control& detail, const RowDesign& design);
    std::vector<ui::Control*> stepButtons(const ui::Control& stepFrame, const RowDesign& design);
    ResultPanels panels(const ui::Control& detail, const RowDesign& row);
    ui::Control& fractionBar(const ui::Control& container, int x1, int x2, int y);
    ui::Control& resultBox(const ui::Control& container, kit::layout::Naming naming, Spot spot);
    std::string numberedLabel();
    ui::Control& tabbed(ui::Control& control);
    ui::Control& clearing(ui::Control& control);

    ui::Form& form_;
    int lines_ = 0;
    int labels_ = 24;  // the page's own labels are numbered up to 24
    kit::layout::TabOrder tabs_;
};

}  // namespace talvera::details::layout
