#include "details/details_texts.h"
#include "details/row_builders.h"

namespace talvera::details::layout {

namespace {

// Addition and subtraction share one shape; only names and a few places differ.
struct SumDesign {
    RowDesign row;
    SignDesign expandedSign;                  // between the two expanded fractions
    SignDesign combinedSign;                  // the "=" before the sum or difference
    std::array<FractionDesign, 3> fractions;  // first expanded, second expanded, combined
    // The m.m.c. caption, the m.m.c. line and the factors under the first and second fraction.
    std::array<std::string_view, 4> workingNames;
    int multipleCaptionLeft = 0;
};

// The working lines are drawn wider than their first captions, so that long numbers still show.
constexpr int workingTop = 1800;
constexpr int workingHeight = 195;
constexpr int captionWidth = 570;
constexpr int captionGap = 660;
constexpr int multipleLineWidth = 5900;
constexpr std::array<int, 2> factorLefts{360, 1920};
constexpr int factorWidth = 1500;
constexpr std::string_view firstExpanded = "primeira fracção sobre o denominador comum";
constexpr std::string_view secondExpanded = "segunda fracção sobre o denominador comum";

const SumDesign addition{
    .row = {.word = "Adição",
            .noun = "adição",
            .detailFrame = "FrameAdição",
            .detailCaption = texts::additionDetail,
            .stepFrame = "Frame2",
            .stepCaption = texts::additionSteps,
            .stepMode = "PassoAdição",
            .top = 1140,
            .defaults = {"1", "4", "15", "6"},
            .termSpots = {{{180, 600}, {180, 1260}, {1680, 600}, {1680, 1260}}},
            .sign = {"Label16", {1290, 900, 180, 360}, "+"},
            .equalsLeft = 2880,
            .clearResult = "Command1",
            .clearAll = "Command2",
            .emptyingOrder = {0, 2, 1, 3},  // both numerators first
            .stepCount = 5,
            .stepSpots = {{{600, 900}, {1470, 900}, {2340, 900}, {1020, 1440}, {1920, 1440}}},
            .panels = {.reduced = "Frame1A",
                       .reducedPlace = {9120, 900, 1695, 1455},
                       .reducedTerms = 6,
                       .negative = "Frame2A",
                       .negativePlace = {7560, 360, 1695, 1455},
                       .negativeTerms = 7,
                       .negativeBoxLeft = 660,
                       .whole = "Frame3A",
                       .wholePlace = {9180, 180, 1755, 1455},
                       .clearsNegativeBoxes = false}},
    .expandedSign = {"Label17", {4440, 900, 180, 360}, "+"},
    .combinedSign = {"Label20", {6000, 900, 195, 360}, "="},
    .fractions = {{{{3300, 600}, {3300, 1260}, 3240, 1080, firstExpanded},
                   {{4920, 600}, {4920, 1260}, 4740, 1080, secondExpanded},
                   {{6360, 600}, {6360, 1260}, 6300, 1080, "soma sobre o denominador comum"}}},
    .workingNames = {"Label21", "Label22", "Label23", "Label24"},
    .multipleCaptionLeft = 3600,
};

const SumDesign subtraction{
    .row = {.word = "Subtração",
            .noun = "subtração",
            .detailFrame = "Frame1",
            .detailCaption = texts::subtractionDetail,
            .stepFrame = "Frame3",
            .stepCaption = texts::subtractionSteps,
            .stepMode = "PassoSubtração",
            .top = 3540,
            .defaults = {"1", "4", "1", "2"},
            .termSpots = {{{180, 600}, {180, 1260}, {1680, 585}, {1680, 1260}}},
            .sign = {"Label6", {1327, 900, 180, 360}, "-"},
            .equalsLeft = 2880,
            .clearResult = "Command4",
            .clearAll = "Command3",
            .emptyingOrder = {0, 1, 2, 3},
            .stepCount = 5,
            .stepSpots = {{{600, 900}, {1470, 900}, {2340, 900}, {1020, 1500}, {1920, 1500}}},
            .panels = {.reduced = "Frame1B",
                       .reducedPlace = {7860, 840, 1695, 1455},
                       .reducedTerms = 6,
                       .negative = "Frame2B",
                       .negativePlace = {9360, 0, 1695, 1455},
                       .negativeTerms = 7,
                       .negativeBoxLeft = 600,
                       .whole = "Frame3B",
                       .wholePlace = {7800, 120, 1575, 1455},
                       .clearsNegativeBoxes = false}},
    .expandedSign = {"Label7", {4477, 900, 180, 360}, "-"},
    .combinedSign = {"Label8", {6000, 900, 195, 360}, "="},
    .fractions = {{{{3360, 585}, {3360, 1260}, 3240, 1080, firstExpanded},
                   {{4860, 585}, {4860, 1260}, 4740, 1080, secondExpanded},
                   {{6420, 585}, {6420, 1260}, 6300, 1080, "diferença sobre o denominador comum"}}},
    .workingNames = {"Label9", "Label10", "Label11", "Label12"},
    .multipleCaptionLeft = 3840,
};

SumRowControls sumRow(DetailsBuilder& page, const SumDesign& design) {
    RowControls row = page.row(design.row);
    const ui::Control& detail = row.detail;

    const FractionBoxes first = page.resultFraction(detail, design.row, 3, design.fractions[0]);
    page.sign(detail, design.expandedSign);
    const FractionBoxes second = page.resultFraction(detail, design.row, 4, design.fractions[1]);
    page.sign(detail, design.combinedSign);
    const FractionBoxes combined = page.resultFraction(detail, design.row, 5, design.fractions[2]);

    const int captionLeft = design.multipleCaptionLeft;
    ui::Control& caption = page.workingLine(detail, design.workingNames[0],
                                            {captionLeft, workingTop, captionWidth, workingHeight},
                                            texts::leastCommonMultiple);
    ui::Control& multiple = page.workingLine(
        detail, design.workingNames[1],
        {captionLeft + captionGap, workingTop, multipleLineWidth, workingHeight}, "");
    ui::Control& firstFactor =
        page.workingLine(detail, design.workingNames[2],
                         {factorLefts[0], workingTop, factorWidth, workingHeight}, "");
    ui::Control& secondFactor =
        page.workingLine(detail, design.workingNames[3],
                         {factorLefts[1], workingTop, factorWidth, workingHeight}, "");

    // The working is cleared before the panels, as it was written before them.
    row.clearedBoxes.insert(row.clearedBoxes.begin(),
                            {&first.numerator, &first.denominator, &second.numerator,
                             &second.denominator, &combined.numerator, &combined.denominator});
    row.hiddenLines.insert(row.hiddenLines.begin(),
                           {&caption, &multiple, &firstFactor, &secondFactor});
    return {
        .row = std::move(row),
        .multipleCaption = caption,
        .multipleLine = multiple,
        .firstFactor = firstFactor,
        .secondFactor = secondFactor,
        .firstExpanded = first,
        .secondExpanded = second,
        .combined = combined,
    };
}

}  // namespace

SumRowControls additionRow(DetailsBuilder& page) {
    return sumRow(page, addition);
}

SumRowControls subtractionRow(DetailsBuilder& page) {
    return sumRow(page, subtraction);
}

}  // namespace talvera::details::layout
