#include "exercises/worksheet_page.h"

#include <algorithm>
#include <charconv>

#include "exercises/exercise_texts.h"
#include "exercises/worksheet_document.h"
#include "kit/layout.h"
#include "kit/styles.h"

namespace talvera::exercises {

namespace {

using ui::Control;
using ui::ControlKind;

constexpr ui::Size dialogSize{7200, 4800};
constexpr std::array<const char*, allKinds.size()> kindNames{
    "FichaAdição",        "FichaSubtracção", "FichaMultiplicação", "FichaDivisão",
    "FichaSimplificação", "FichaComparação", "FichaDízima",        "FichaConversão"};
constexpr std::array<SheetLength, 3> lengths{SheetLength::Ten, SheetLength::Twenty,
                                             SheetLength::Thirty};
constexpr std::uint32_t largestNumber = 999'999;

std::string text(std::string_view words) {
    return std::string(words);
}

Control& caption(ui::Form& form, std::string name, int top, std::string_view words) {
    return form.add({.kind = ControlKind::Label,
                     .name = std::move(name),
                     .place = {240, top + 60, 2160, 285},
                     .text = text(words),
                     .font = kit::styles::small});
}

Control& list(ui::Form& form, std::string name, int top, std::vector<std::string> items,
              std::string spoken, int current) {
    return form.add({.kind = ControlKind::ComboBox,
                     .name = std::move(name),
                     .place = {2460, top, 1560, 345},
                     .accessibleName = std::move(spoken),
                     .items = std::move(items),
                     .current = current});
}

Control& button(ui::Form& form, std::string name, ui::Rect place, std::string_view words,
                std::string spoken) {
    return form.add({.kind = ControlKind::Button,
                     .name = std::move(name),
                     .place = place,
                     .text = text(words),
                     .accessibleName = std::move(spoken)});
}

// A whole number from 1 to the largest, blanks around it aside.
std::optional<std::uint32_t> sheetNumber(std::string_view typed) {
    const auto first = typed.find_first_not_of(' ');
    const auto last = typed.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = typed.substr(first, last - first + 1);
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || number < 1 ||
        number > largestNumber) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

WorksheetPage::WorksheetPage(const kit::PageContext& context, ui::Printing& printing,
                             const SheetDefaults& defaults)
    : Page("Form7", std::string(texts::sheetCaption), dialogSize),
      messenger_(context),
      printing_(printing) {
    ui::Form& f = form();
    f.add({.kind = ControlKind::Label,
           .name = "Orientação",
           .place = {240, 180, 6720, 480},
           .text = text(texts::sheetGuidance),
           .font = kit::styles::small,
           .wrap = true});
    const Control& frame = kit::layout::titledFrame(f, "Tipos", nullptr, {120, 780, 6960, 1680},
                                                    text(texts::sheetKinds));
    std::vector<const Control*> order;
    for (std::size_t i = 0; i < allKinds.size(); ++i) {
        const int column = static_cast<int>(i / 4);
        const int row = static_cast<int>(i % 4);
        kinds_.at(i) = &f.add({.kind = ControlKind::CheckBox,
                               .name = kindNames.at(i),
                               .place = {240 + column * 3360, 300 + row * 330, 3000, 285},
                               .text = text(texts::kindFirst.at(i)),
                               .container = &frame,
                               .font = kit::styles::small,
                               .foreground = ui::colors::black,
                               .accessibleName = text(texts::kindFirst.at(i)),
                               .checked = allKinds.at(i) == defaults.kind});
        order.push_back(kinds_.at(i));
    }
    caption(f, "RótuloNível", 2580, texts::levelCaption);
    level_ = &list(f, "FichaNível", 2580, {texts::levelItems.begin(), texts::levelItems.end()},
                   "Nível", static_cast<int>(defaults.level) - 1);
    caption(f, "RótuloQuantidade", 3030, texts::sheetCount);
    length_ = &list(f, "FichaQuantidade", 3030, {"10", "20", "30"}, "Número de exercícios", 0);
    caption(f, "RótuloNúmero", 3480, texts::sheetNumberCaption);
    number_ = &kit::layout::termBox(f, {"FichaNúmero", "Número da ficha"}, nullptr, 2460, 3480,
                                    std::to_string(defaults.number), 6,
                                    {kit::styles::fixedBox, ui::Border::Sunken, 1560});
    print_ =
        &button(f, "Imprimir", {240, 4140, 2040, 435}, texts::printCaption, "Imprimir a ficha");
    save_ = &button(f, "Guardar", {2460, 4140, 2400, 435}, texts::saveCaption,
                    "Guardar a ficha em PDF");
    Control& cancel =
        button(f, "Cancelar", {5040, 4140, 1680, 435}, texts::cancelCaption, "Cancelar");
    order.insert(order.end(), {level_, length_, number_, print_, save_, &cancel});
    f.setTabOrder(std::move(order));

    print_->onClick([this] { finish(SheetPurpose::Print); });
    save_->onClick([this] { finish(SheetPurpose::SavePdf); });
    cancel.onClick([this] { form().requestClose(); });
    f.onKey(ui::FormKey::Escape, [this] { form().requestClose(); });
    setPurpose(defaults.purpose);
}

void WorksheetPage::setPurpose(SheetPurpose purpose) {
    number_->setEnterTarget(purpose == SheetPurpose::Print ? print_ : save_);
}

std::optional<SheetRequest> WorksheetPage::request() const {
    SheetRequest request;
    for (std::size_t i = 0; i < allKinds.size(); ++i) {
        if (kinds_.at(i)->checked()) {
            request.kinds.push_back(allKinds.at(i));
        }
    }
    if (request.kinds.empty()) {
        messenger_.inform(texts::noKindChosen);
        return std::nullopt;
    }
    const auto number = sheetNumber(number_->text());
    if (!number) {
        messenger_.inform(texts::badSheetNumber);
        return std::nullopt;
    }
    request.level = allLevels.at(static_cast<std::size_t>(level_->currentIndex()));
    request.length = lengths.at(static_cast<std::size_t>(length_->currentIndex()));
    request.number = *number;
    return request;
}

// The dialog closes once the printout has been handed over; closing destroys this page.
void WorksheetPage::finish(SheetPurpose purpose) {
    const auto wanted = request();
    if (!wanted) {
        return;
    }
    const ui::printout::Document document = worksheetDocument(makeWorksheet(*wanted));
    if (purpose == SheetPurpose::Print) {
        printing_.print(document);
    } else {
        printing_.saveAsPdf(document, std::string(texts::fileStart) +
                                          std::to_string(wanted->number) +
                                          std::string(texts::fileEnd));
    }
    form().requestClose();
}

}  // namespace talvera::exercises
