#include "operations/operations_layout.h"

#include <array>
#include <string>
#include <string_view>

#include "kit/layout.h"
#include "kit/spoken_names.h"
#include "kit/styles.h"
#include "operations/operations_texts.h"

namespace talvera::operations {

namespace {

using kit::layout::Clearing;
using ui::Control;
using ui::Form;

const kit::layout::BoxStyle termStyle{kit::styles::fixedBox, ui::Border::Sunken};
const kit::layout::BoxStyle resultStyle{kit::styles::fixedBox, ui::Border::Sunken};

// Names of the two panels over a result fraction.
struct PanelNames {
    const char* whole = nullptr;
    const char* wholeBox = nullptr;
    const char* negative = nullptr;
    const char* sign = nullptr;
    const char* numerator = nullptr;
    const char* denominator = nullptr;
    const char* bar = nullptr;
};

// Names and texts of the four operation frames, which share one shape.
struct OperationFrame {
    const char* word = nullptr;  // the boxes are word + "N1", word + "D1", ...; the "=" is word
    const char* noun = nullptr;  // what a screen reader calls the task
    const char* frame = nullptr;
    const char* caption = nullptr;
    ui::Rect place{};
    const char* signLabel = nullptr;
    const char* sign = nullptr;
    std::array<const char*, 4> defaults{};  // N1, D1, N2, D2
    int maxLength = 0;
    std::array<const char*, 3> bars{};  // under the first, the second and the result fraction
    PanelNames panels{};
    const char* clearResult = nullptr;
    const char* clearAll = nullptr;
};

const std::array<OperationFrame, 4> operationFrames{{
    {.word = "Adição",
     .noun = "adição",
     .frame = "Frame1",
     .caption = "Adição de frações",
     .place = {120, 1560, 4995, 3015},
     .signLabel = "Label2",
     .sign = "+",
     .defaults = {"1", "4", "15", "6"},
     .maxLength = 0,
     .bars = {"Line1", "Line2", "Line3"},
     .panels = {.whole = "Frame6",
                .wholeBox = "Text1",
                .negative = "Frame13",
                .sign = "Label11",
                .numerator = "Text10",
                .denominator = "Text9",
                .bar = "Line14"},
     .clearResult = "Command1",
     .clearAll = "Command2"},
    {.word = "Subtracção",
     .noun = "subtracção",
     .frame = "Frame2",
     .caption = "Subtracção de frações",
     .place = {5700, 1560, 4995, 3015},
     .signLabel = "Label1",
     .sign = "-",
     .defaults = {"1", "4", "1", "2"},
     .maxLength = 28,
     .bars = {"Line4", "Line5", "Line6"},
     .panels = {.whole = "Frame7",
                .wholeBox = "Text2",
                .negative = "Frame14",
                .sign = "Label12",
                .numerator = "Text12",
                .denominator = "Text11",
                .bar = "Line15"},
     .clearResult = "Command4",
     .clearAll = "Command3"},
    {.word = "Multiplicação",
     .noun = "multiplicação",
     .frame = "Frame3",
     .caption = "Multiplicação de frações",
     .place = {120, 4980, 4995, 3015},
     .signLabel = "Label3",
     .sign = "x",
     .defaults = {"5", "12", "18", "7"},
     .maxLength = 30,
     .bars = {"Line7", "Line8", "Line9"},
     .panels = {.whole = "Frame8",
                .wholeBox = "Text3",
                .negative = "Frame15",
                .sign = "Label13",
                .numerator = "Text14",
                .denominator = "Text13",
                .bar = "Line16"},
     .clearResult = "Command6",
     .clearAll = "Command5"},
    {.word = "Divisão",
     .noun = "divisão",
     .frame = "Frame4",
     .caption = "Divisão de frações",
     .place = {5700, 4980, 4995, 3015},
     .signLabel = "Label4",
     .sign = ":",
     .defaults = {"5", "12", "7", "18"},
     .maxLength = 30,
     .bars = {"Line10", "Line11", "Line12"},
     .panels = {.whole = "Frame9",
                .wholeBox = "Text4",
                .negative = "Frame16",
                .sign = "Label14",
                .numerator = "Text16",
                .denominator = "Text15",
                .bar = "Line17"},
     .clearResult = "Command8",
     .clearAll = "Command7"},
}};

// Both panels, laid over a result fraction; a panel is added after the result boxes, so that it
// stacks above them.
OverlayPanels layOutPanels(Form& form, const Control& frame, std::string_view noun,
                           const PanelNames& names, ui::Rect wholePlace, ui::Rect negativePlace) {
    using namespace kit::layout;
    namespace spoken = kit::spoken;
    constexpr std::string_view negativeRole = "resultado negativo";
    Control& whole = panel(form, names.whole, &frame, wholePlace);
    Control& wholeBox = resultBox(form, {names.wholeBox, spoken::box(noun, "resultado inteiro")},
                                  &whole, 120, 420, resultStyle);
    Control& negative = panel(form, names.negative, &frame, negativePlace);
    signLabel(form, names.sign, &negative, {60, 360, 210, 360}, "-");
    Control& numerator =
        resultBox(form, {names.numerator, spoken::fractionPart(noun, negativeRole, false)},
                  &negative, 330, 60, resultStyle);
    fractionBar(form, names.bar, &negative, 240, 1320, 533);
    Control& denominator =
        resultBox(form, {names.denominator, spoken::fractionPart(noun, negativeRole, true)},
                  &negative, 330, 720, resultStyle);
    return {whole, wholeBox, negative, numerator, denominator};
}

// Builds the page's controls and keeps the tab order: terms and "=" task by task, then the
// clearing buttons.
class PageBuilder {
  public:
    explicit PageBuilder(Form& form) : form_(form) {}

    FractionTaskControls operation(const OperationFrame& design) {
        using namespace kit::layout;
        const std::string word = design.word;
        const std::string_view noun = design.noun;
        Control& frame = titledFrame(form_, design.frame, nullptr, design.place, design.caption);
        Control& n1 = term(frame, word + "N1", {noun, 1, false}, {390, 900}, design.defaults[0],
                           design.maxLength);
        fractionBar(form_, design.bars[0], &frame, 330, 1365, 1395);
        Control& d1 = term(frame, word + "D1", {noun, 1, true}, {390, 1560}, design.defaults[1],
                           design.maxLength);
        signLabel(form_, design.signLabel, &frame, {1560, 1200, 240, 360}, design.sign);
        Control& n2 = term(frame, word + "N2", {noun, 2, false}, {2040, 900}, design.defaults[2],
                           design.maxLength);
        fractionBar(form_, design.bars[1], &frame, 1980, 3015, 1365);
        Control& d2 = term(frame, word + "D2", {noun, 2, true}, {2040, 1500}, design.defaults[3],
                           design.maxLength);
        Control& equals = tabbed(equalsButton(form_, word, noun, &frame, 3180, 1260));
        pressOnEnter({&n1, &d1, &n2, &d2}, equals);
        Control& resultN = result(frame, word + "N3", noun, false, {3690, 900});
        fractionBar(form_, design.bars[2], &frame, 3630, 4665, 1395);
        Control& resultD = result(frame, word + "D3", noun, true, {3690, 1560});
        const OverlayPanels panels = layOutPanels(form_, frame, noun, design.panels,
                                                  {3540, 840, 1215, 1155}, {3540, 840, 1335, 1155});
        return {
            {&n1, &d1, &n2, &d2},
            equals,
            {resultN, resultD, panels},
            clearing(
                clearButton(form_, design.clearResult, noun, &frame, 4140, 2700, Clearing::Result)),
            clearing(clearButton(form_, design.clearAll, noun, &frame, 4560, 2700, Clearing::All))};
    }

    FractionTaskControls simplification() {
        using namespace kit::layout;
        constexpr std::string_view noun = "simplificação";
        Control& frame = titledFrame(form_, "Frame5", nullptr, {11280, 1560, 3855, 2535},
                                     "Simplificação de frações");
        Control& n1 = term(frame, "SimplificaçãoN1", {noun, 0, false}, {390, 900}, "15", 28);
        fractionBar(form_, "Line26", &frame, 330, 1365, 1395);
        Control& d1 = term(frame, "SimplificaçãoD1", {noun, 0, true}, {390, 1560}, "12", 28);
        Control& equals = tabbed(equalsButton(form_, "Simplificação", noun, &frame, 1680, 1200));
        pressOnEnter({&n1, &d1}, equals);
        Control& resultN = result(frame, "SimplificaçãoN2", noun, false, {2400, 840});
        fractionBar(form_, "Line27", &frame, 2340, 3375, 1365);
        Control& resultD = result(frame, "SimplificaçãoD2", noun, true, {2400, 1560});
        const OverlayPanels panels = layOutPanels(form_, frame, noun,
                                                  {.whole = "Frame10",
                                                   .wholeBox = "Text5",
                                                   .negative = "Frame12",
                                                   .sign = "Label10",
                                                   .numerator = "Text8",
                                                   .denominator = "Text7",
                                                   .bar = "Line18"},
                                                  {2280, 780, 1215, 1155}, {2100, 820, 1335, 1155});
        return {
            {&n1, &d1},
            equals,
            {resultN, resultD, panels},
            clearing(clearButton(form_, "Command16", noun, &frame, 3000, 240, Clearing::Result)),
            clearing(clearButton(form_, "Command15", noun, &frame, 3420, 240, Clearing::All))};
    }

    ComparisonControls comparison() {
        using namespace kit::layout;
        namespace spoken = kit::spoken;
        constexpr std::string_view noun = "comparação";
        Control& frame = titledFrame(form_, "Frame17", nullptr, {11340, 4260, 3855, 3735},
                                     "Comparação de frações");
        Control& n1 = term(frame, "ComparaçãoN1", {noun, 1, false}, {360, 480}, "5", 28);
        fractionBar(form_, "Line21", &frame, 300, 1335, 945);
        Control& d1 = term(frame, "ComparaçãoD1", {noun, 1, true}, {360, 1080}, "12", 28);
        Control& compare = equalsButton(form_, "Comparação", noun, &frame, 1560, 780, "?");
        compare.setDescription(std::string(texts::notCompared));
        Control& n2 = term(frame, "ComparaçãoN2", {noun, 2, false}, {2160, 480}, "2", 28);
        fractionBar(form_, "Line22", &frame, 2100, 3135, 945);
        Control& d2 = term(frame, "ComparaçãoD2", {noun, 2, true}, {2160, 1080}, "3", 28);
        tabbed(compare);
        pressOnEnter({&n1, &d1, &n2, &d2}, compare);

        // Both fractions again, over their least common denominator.
        constexpr std::string_view firstRole = "primeira fracção sobre o denominador comum";
        constexpr std::string_view secondRole = "segunda fracção sobre o denominador comum";
        Control& detail = form_.add({.kind = ui::ControlKind::Frame,
                                     .name = "Frame18",
                                     .place = {120, 1560, 3615, 1800},
                                     .container = &frame,
                                     .border = ui::Border::Flat});
        Control& n3 =
            resultBox(form_, {"ComparaçãoN3", spoken::fractionPart(noun, firstRole, false)},
                      &detail, 240, 360, resultStyle);
        fractionBar(form_, "Line23", &detail, 180, 1215, 825);
        Control& d3 =
            resultBox(form_, {"ComparaçãoD3", spoken::fractionPart(noun, firstRole, true)}, &detail,
                      240, 960, resultStyle);
        Control& sign = form_.add({.kind = ui::ControlKind::Label,
                                   .name = "Label15",
                                   .place = {1440, 645, 720, 360},
                                   .text = "?",
                                   .container = &detail,
                                   .font = kit::styles::sign,
                                   .foreground = ui::colors::blue,
                                   .accessibleName = spoken::box(noun, "relação"),
                                   .alignment = ui::Alignment::Center});
        Control& n4 =
            resultBox(form_, {"ComparaçãoN4", spoken::fractionPart(noun, secondRole, false)},
                      &detail, 2460, 360, resultStyle);
        fractionBar(form_, "Line24", &detail, 2400, 3435, 825);
        Control& d4 =
            resultBox(form_, {"ComparaçãoD4", spoken::fractionPart(noun, secondRole, true)},
                      &detail, 2460, 960, resultStyle);
        return {
            {&n1, &d1, &n2, &d2},
            compare,
            sign,
            n3,
            d3,
            n4,
            d4,
            clearing(clearButton(form_, "Command14", noun, &frame, 3000, 3420, Clearing::Result)),
            clearing(clearButton(form_, "Command13", noun, &frame, 3420, 3420, Clearing::All))};
    }

    ToDecimalControls toDecimal() {
        using namespace kit::layout;
        constexpr std::string_view noun = "conversão de fracção em dízima";
        Control& frame = titledFrame(form_, "Frame19", nullptr, {120, 8340, 6795, 2235},
                                     "Converter fração em dízima");
        Control& n = term(frame, "DízimaN", {noun, 0, false}, {390, 600}, "7", 30);
        fractionBar(form_, "Line25", &frame, 330, 1365, 1095);
        Control& d = term(frame, "DízimaD", {noun, 0, true}, {390, 1260}, "8", 30);
        Control& convert = tabbed(equalsButton(form_, "Dízima", noun, &frame, 1620, 945));
        pressOnEnter({&n, &d}, convert);
        Control& result =
            resultBox(form_, {"ConversãoDízima", kit::spoken::box(noun, "dízima")}, &frame, 2160,
                      930, {kit::styles::fixedBox, ui::Border::Sunken, 4335});
        return {
            {&n, &d},
            convert,
            result,
            clearing(clearButton(form_, "Command10", noun, &frame, 5940, 1920, Clearing::Result)),
            clearing(clearButton(form_, "Command9", noun, &frame, 6360, 1920, Clearing::All))};
    }

    ToFractionControls toFraction() {
        using namespace kit::layout;
        namespace spoken = kit::spoken;
        constexpr std::string_view noun = "conversão de dízima em fracção";
        Control& frame = titledFrame(form_, "Frame11", nullptr, {8220, 8340, 6795, 2235},
                                     "Converter dízima em fração");
        Control& input =
            tabbed(termBox(form_, {"Text6", spoken::box(noun, "dízima")}, &frame, 360, 930,
                           "0.14(27)", 30, {kit::styles::fixedBox, ui::Border::Sunken, 3480}));
        Control& convert = tabbed(equalsButton(form_, "Conversão", noun, &frame, 4020, 945));
        pressOnEnter({&input}, convert);
        const kit::layout::BoxStyle wide{kit::styles::fixedBox, ui::Border::Sunken, 2055};
        Control& numerator =
            resultBox(form_, {"ConversãoN1", spoken::fractionPart(noun, "resultado", false)},
                      &frame, 4500, 600, wide);
        fractionBar(form_, "Line13", &frame, 4440, 6615, 1095);
        Control& denominator =
            resultBox(form_, {"ConversãoD1", spoken::fractionPart(noun, "resultado", true)}, &frame,
                      4500, 1260, wide);
        Control& clearResult =
            clearing(clearButton(form_, "Command12", noun, &frame, 5940, 1920, Clearing::Result));
        Control& clearAll =
            clearing(clearButton(form_, "Command11", noun, &frame, 6360, 1920, Clearing::All));
        return {input,
                convert,
                numerator,
                denominator,
                scratch("Text17", spoken::box(noun, "dízima sem pontos")),
                scratch("Text18", spoken::box(noun, "dízima sem parênteses abertos")),
                scratch("Text19", spoken::box(noun, "dízima sem parênteses fechados")),
                clearResult,
                clearAll};
    }

    void title() {
        form_.add({.kind = ui::ControlKind::Label,
                   .name = "Label5",
                   .place = {5880, 240, 3480, 720},
                   .text = "TALVERA",
                   .font = {"Comic Sans MS", 24, true},
                   .foreground = ui::colors::red,
                   .alignment = ui::Alignment::Center});
    }

    void finishTabOrder() { tabs_.applyTo(form_); }

  private:
    // A term box's place in its frame, and which term it is of which fraction.
    struct Spot {
        int left = 0;
        int top = 0;
    };
    struct TermRole {
        std::string_view noun;
        int fraction = 0;
        bool denominator = false;
    };

    Control& term(const Control& frame, std::string name, TermRole role, Spot spot,
                  const char* text, int maxLength) {
        return tabbed(kit::layout::termBox(
            form_, {std::move(name), kit::spoken::term(role.noun, role.fraction, role.denominator)},
            &frame, spot.left, spot.top, text, maxLength, termStyle));
    }

    Control& result(const Control& frame, std::string name, std::string_view noun, bool denominator,
                    Spot spot) {
        return kit::layout::resultBox(
            form_, {std::move(name), kit::spoken::fractionPart(noun, "resultado", denominator)},
            &frame, spot.left, spot.top, resultStyle);
    }

    // The conversion's working boxes, never shown.
    Control& scratch(const char* name, std::string spoken) {
        return form_.add({.kind = ui::ControlKind::TextBox,
                          .name = name,
                          .place = {0, 0, kit::layout::boxWidth, kit::layout::boxHeight},
                          .accessibleName = std::move(spoken),
                          .visible = false,
                          .tabStop = false});
    }

    Control& tabbed(Control& control) { return tabs_.tabbed(control); }
    Control& clearing(Control& control) { return tabs_.clearing(control); }

    Form& form_;
    kit::layout::TabOrder tabs_;
};

}  // namespace

OperationsControls layOutOperationsPage(Form& form) {
    PageBuilder page(form);
    page.title();
    OperationsControls controls{page.operation(operationFrames[0]),
                                page.operation(operationFrames[1]),
                                page.operation(operationFrames[2]),
                                page.operation(operationFrames[3]),
                                page.simplification(),
                                page.comparison(),
                                page.toDecimal(),
                                page.toFraction()};
    page.finishTabOrder();
    return controls;
}

}  // namespace talvera::operations
