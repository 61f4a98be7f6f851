#include "details/details_builder.h"

#include "details/details_texts.h"
#include "kit/spoken_names.h"
#include "kit/styles.h"

namespace talvera::details::layout {

namespace {

using kit::layout::Clearing;
using ui::Control;
using ui::ControlKind;
namespace spoken = kit::spoken;

constexpr int detailLeft = 180;
constexpr int detailWidth = 11355;
constexpr int stepLeft = 11880;
constexpr int stepWidth = 3135;
constexpr int rowHeight = 2175;
constexpr int buttonSide = 315;
constexpr int equalsTop = 900;
// The two fraction bars of the terms, and the height at which every bar of a row runs.
constexpr std::array<int, 2> termBarLefts{60, 1620};
constexpr int barLength = 1080;
constexpr int barHeight = 1080;
constexpr int panelBar = 720;  // the height of the bar inside a result panel
constexpr int barPixels = 3;
// The two clearing buttons, side by side at the bottom right of a detail frame.
constexpr int clearResultLeft = 10440;
constexpr int clearAllLeft = 10860;
constexpr int clearTop = 1860;

const kit::layout::BoxStyle termStyle{kit::styles::detailBox, ui::Border::Sunken};
const kit::layout::BoxStyle resultStyle{kit::styles::detailBox, ui::Border::Flat};

std::string named(std::string_view word, std::string_view role, int number) {
    return std::string(word) + std::string(role) + std::to_string(number);
}

}  // namespace

void DetailsBuilder::title() {
    form_.add({.kind = ControlKind::Label,
               .name = "Label1",
               .place = {2040, 240, 11235, 600},
               .text = std::string(texts::title),
               .font = {"Comic Sans MS", 21.75, true},
               .foreground = ui::colors::red,
               .alignment = ui::Alignment::Center});
}

RowControls DetailsBuilder::row(const RowDesign& design) {
    using namespace kit::layout;
    Control& detail = titledFrame(form_, std::string(design.detailFrame), nullptr,
                                  {detailLeft, design.top, detailWidth, rowHeight},
                                  std::string(design.detailCaption));
    std::vector<Control*> terms = termFractions(detail, design);
    sign(detail, design.sign);
    Control& equals = tabbed(equalsButton(form_, std::string(design.word), design.noun, &detail,
                                          design.equalsLeft, equalsTop));
    pressOnEnter(terms, equals);
    Control& clearResult =
        clearing(clearButton(form_, std::string(design.clearResult), design.noun, &detail,
                             clearResultLeft, clearTop, Clearing::Result));
    Control& clearAll = clearing(clearButton(form_, std::string(design.clearAll), design.noun,
                                             &detail, clearAllLeft, clearTop, Clearing::All));

    Control& stepFrame =
        titledFrame(form_, std::string(design.stepFrame), nullptr,
                    {stepLeft, design.top, stepWidth, rowHeight}, std::string(design.stepCaption));
    Control& stepMode = tabbed(form_.add({.kind = ControlKind::CheckBox,
                                          .name = std::string(design.stepMode),
                                          .place = {600, 360, 2400, 255},
                                          .text = std::string(texts::stepMode),
                                          .container = &stepFrame,
                                          .font = kit::styles::frameCaption,
                                          .foreground = ui::colors::blue,
                                          .accessibleName = spoken::stepMode(design.noun)}));
    std::vector<Control*> steps = stepButtons(stepFrame, design);

    std::vector<Control*> emptyingOrder;
    for (const std::size_t term : design.emptyingOrder) {
        emptyingOrder.push_back(terms.at(term));
    }
    // Each panel comes to the front when it is shown, so it may be laid out before the working
    // it covers.
    const ResultPanels results = panels(detail, design);
    std::vector<Control*> clearedBoxes{&results.reducedBoxes.numerator,
                                       &results.reducedBoxes.denominator};
    if (design.panels.clearsNegativeBoxes) {
        clearedBoxes.insert(clearedBoxes.end(),
                            {&results.negativeBoxes.numerator, &results.negativeBoxes.denominator});
    }
    clearedBoxes.push_back(&results.wholeBox);
    return {.detail = detail,
            .terms = std::move(terms),
            .emptyingOrder = std::move(emptyingOrder),
            .equals = equals,
            .clearResult = clearResult,
            .clearAll = clearAll,
            .stepMode = stepMode,
            .steps = std::move(steps),
            .panels = results,
            .clearedBoxes = std::move(clearedBoxes),
            .hiddenLines = {&results.reduced, &results.negative, &results.whole}};
}

std::vector<Control*> DetailsBuilder::termFractions(const Control& detail,
                                                    const RowDesign& design) {
    std::vector<Control*> terms;
    for (std::size_t i = 0; i < design.termSpots.size(); ++i) {
        const bool isDenominator = i % 2 == 1;
        const Spot spot = design.termSpots[i];
        const auto fraction = static_cast<int>(i / 2) + 1;
        terms.push_back(&tabbed(kit::layout::termBox(
            form_,
            {named(design.word, isDenominator ? "D" : "N", fraction),
             spoken::term(design.noun, fraction, isDenominator)},
            &detail, spot.left, spot.top, std::string(design.defaults[i]), 0, termStyle)));
        if (!isDenominator) {
            const int barLeft = termBarLefts[i / 2];
            fractionBar(detail, barLeft, barLeft + barLength, barHeight);
        }
    }
    return terms;
}

std::vector<Control*> DetailsBuilder::stepButtons(const Control& stepFrame,
                                                  const RowDesign& design) {
    std::vector<Control*> steps;
    for (int k = 0; k < design.stepCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const Spot spot = design.stepSpots[index];
        steps.push_back(&tabbed(form_.add({.kind = ControlKind::Button,
                                           .name = named(design.word, "Passo", k + 1),
                                           .place = {spot.left, spot.top, buttonSide, buttonSide},
                                           .text = std::string(texts::stepCaptions[index]),
                                           .container = &stepFrame,
                                           .font = kit::styles::frameCaption,
                                           .tooltip = std::string(texts::stepTooltips[index]),
                                           .accessibleName = spoken::step(design.noun, k + 1)})));
    }
    return steps;
}

ResultPanels DetailsBuilder::panels(const Control& detail, const RowDesign& row) {
    using kit::layout::panel;
    const PanelDesign& design = row.panels;
    const SignDesign equalsSign{"", {60, 540, 240, 360}, "="};

    Control& reduced = panel(form_, std::string(design.reduced), &detail, design.reducedPlace);
    sign(reduced, equalsSign);
    const FractionBoxes reducedBoxes =
        resultFraction(reduced, row, design.reducedTerms,
                       {{420, 240}, {420, 900}, 360, panelBar, "resultado simplificado"});

    Control& negative = panel(form_, std::string(design.negative), &detail, design.negativePlace);
    sign(negative, equalsSign);
    sign(negative, {"", {300, 540, 240, 360}, "-"});
    const int boxLeft = design.negativeBoxLeft;
    const FractionBoxes negativeBoxes =
        resultFraction(negative, row, design.negativeTerms,
                       {{boxLeft, 240}, {boxLeft, 900}, 540, panelBar, "resultado negativo"});

    Control& whole = panel(form_, std::string(design.whole), &detail, design.wholePlace);
    sign(whole, equalsSign);
    Control& wholeBox = resultBox(
        whole, {std::string(row.word) + "Fim", spoken::box(row.noun, "resultado inteiro")},
        {420, 480});
    return {reduced, reducedBoxes, negative, negativeBoxes, whole, wholeBox};
}

FractionBoxes DetailsBuilder::resultFraction(const Control& container, const RowDesign& row,
                                             int terms, const FractionDesign& design) {
    Control& n =
        resultBox(container,
                  {named(row.word, "N", terms), spoken::fractionPart(row.noun, design.role, false)},
                  design.numerator);
    fractionBar(container, design.barLeft, design.barLeft + barLength, design.barTop);
    Control& d = resultBox(
        container, {named(row.word, "D", terms), spoken::fractionPart(row.noun, design.role, true)},
        design.denominator);
    return {n, d};
}

Control& DetailsBuilder::sign(const Control& container, const SignDesign& design) {
    const std::string name = design.name.empty() ? numberedLabel() : std::string(design.name);
    return kit::layout::signLabel(form_, name, &container, design.place, std::string(design.text));
}

Control& DetailsBuilder::workingLine(const Control& container, std::string_view name,
                                     ui::Rect place, std::string_view text) {
    return form_.add({.kind = ControlKind::Label,
                      .name = std::string(name),
                      .place = place,
                      .text = std::string(text),
                      .container = &container,
                      .font = kit::styles::frameCaption,
                      .foreground = ui::colors::blue,
                      .visible = false});
}

void DetailsBuilder::finishTabOrder() {
    tabs_.applyTo(form_);
}

Control& DetailsBuilder::fractionBar(const Control& container, int x1, int x2, int y) {
    return kit::layout::fractionBar(form_, "Line" + std::to_string(++lines_), &container, x1, x2, y,
                                    barPixels);
}

Control& DetailsBuilder::resultBox(const Control& container, kit::layout::Naming naming,
                                   Spot spot) {
    return kit::layout::resultBox(form_, std::move(naming), &container, spot.left, spot.top,
                                  resultStyle);
}

std::string DetailsBuilder::numberedLabel() {
    return "Label" + std::to_string(++labels_);
}

Control& DetailsBuilder::tabbed(Control& control) {
    return tabs_.tabbed(control);
}

Control& DetailsBuilder::clearing(Control& control) {
    return tabs_.clearing(control);
}

}  // namespace talvera::details::layout
