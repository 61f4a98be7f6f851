#include "shell/program.h"

#include <chrono>

#include "details/details_page.h"
#include "exercises/exercises_page.h"
#include "operations/operations_page.h"
#include "shell/instructions_page.h"
#include "shell/menus.h"
#include "shell/picture_page.h"
#include "shell/title_page.h"

namespace talvera::shell {

namespace {
constexpr std::string_view readAloudKey = "readAloud";
constexpr std::string_view highContrastKey = "highContrast";
constexpr std::string_view detailsPrintout = "TALVERA — Detalhes";

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// A number that a new sheet proposes: four digits, so that a class can copy it down.
std::uint32_t sheetNumberFrom(std::uint64_t seed) {
    return static_cast<std::uint32_t>(1000 + seed % 9000);
}
}  // namespace

Program::Program(ui::Dialogs& dialogs, ui::WindowObserver* windows)
    : Program(Services{.dialogs = dialogs, .windows = windows}) {}

Program::Program(const Services& services)
    : dialogs_(services.dialogs),
      windows_(services.windows),
      preferences_(services.preferences != nullptr ? *services.preferences : runPreferences_),
      printing_(services.printing != nullptr ? *services.printing : noPrinting_),
      nextSeed_(services.seed.value_or(clockSeed())),
      narrator_(services.speech != nullptr ? *services.speech : noSpeech_),
      context_{.dialogs = dialogs_, .narrator = narrator_, .sketcher = sketcher_},
      highContrast_(preferences_.flag(highContrastKey)) {
    // A voice that went missing since the last run leaves reading aloud off.
    narrator_.setReadAloud(preferences_.flag(readAloudKey) && narrator_.unavailable().empty());
    if (windows_ != nullptr && highContrast_) {
        windows_->setHighContrast(true);
    }
}

Program::~Program() {
    // Through close(), so that the windows of the pages go before the pages do.
    for (const PageId page : allPages) {
        close(page);
    }
}

void Program::start() {
    show(PageId::Title);
}

std::unique_ptr<ui::Page> Program::create(PageId page) {
    switch (page) {
        case PageId::Operations:
            return std::make_unique<operations::OperationsPage>(context_);
        case PageId::Details:
            return std::make_unique<details::DetailsPage>(context_);
        case PageId::Title:
            return std::make_unique<TitlePage>();
        case PageId::Instructions:
            return std::make_unique<InstructionsPage>();
        case PageId::Exercises:
            return std::make_unique<exercises::ExercisesPage>(context_, takeSeed(),
                                                              resolutionGuide_);
        case PageId::Picture:
            return std::make_unique<PicturePage>(sketcher_);
        case PageId::Worksheet:
            return createWorksheet();
    }
    return nullptr;
}

// A new sheet starts from the kind and level of the Exercises page, and a number of its own.
std::unique_ptr<ui::Page> Program::createWorksheet() {
    exercises::SheetDefaults defaults{.number = sheetNumberFrom(takeSeed()),
                                      .purpose = sheetPurpose_};
    if (const auto* exercisesPage = dynamic_cast<const exercises::ExercisesPage*>(
            pages_[indexOf(PageId::Exercises)].get())) {
        defaults.kind = exercisesPage->chosenKind();
        defaults.level = exercisesPage->chosenLevel();
    }
    return std::make_unique<exercises::WorksheetPage>(context_, printing_, defaults);
}

void Program::openWorksheet(exercises::SheetPurpose purpose) {
    sheetPurpose_ = purpose;
    if (auto* open =
            dynamic_cast<exercises::WorksheetPage*>(pages_[indexOf(PageId::Worksheet)].get())) {
        open->setPurpose(purpose);
    }
    show(PageId::Worksheet);
}

void Program::printDetails() {
    const ui::Form* details = form(PageId::Details);
    if (details == nullptr) {
        return;
    }
    ui::printout::Page page{{ui::printout::Snapshot{details}}};
    if (const ui::Form* picture = form(PageId::Picture)) {
        page.elements.emplace_back(ui::printout::Snapshot{picture});
    }
    printing_.print({.title = std::string(detailsPrintout), .pages = {std::move(page)}});
}

void Program::show(PageId page) {
    if (ended_) {
        return;
    }
    auto& slot = pages_[indexOf(page)];
    if (slot) {
        if (windows_ != nullptr) {
            windows_->formRaised(slot->form());
        }
        return;
    }
    slot = create(page);
    ui::Form& form = slot->form();
    form.setAccessibleName(std::string(spokenNames[indexOf(page)]));
    installMenus(form, page, *this);
    // The title page is the program's main window: closing it ends the program.
    form.onCloseRequest([this, page] { page == PageId::Title ? end() : close(page); });
    sketcher_.follow(form);
    form.load();
    form.focusFirst();
    if (windows_ != nullptr) {
        windows_->formOpened(form);
    }
}

void Program::close(PageId page) {
    auto& slot = pages_[indexOf(page)];
    if (!slot) {
        return;
    }
    if (windows_ != nullptr) {
        windows_->formClosing(slot->form());
    }
    sketcher_.forget(slot->form());
    slot.reset();
    if (page == PageId::Picture) {
        tickEverywhere(menuNames::picture, false);
    }
}

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    for (const PageId page :
         {PageId::Worksheet, PageId::Picture, PageId::Exercises, PageId::Instructions,
          PageId::Details, PageId::Operations, PageId::Title}) {
        close(page);
    }
    if (windows_ != nullptr) {
        windows_->programEnded();
    }
}

ui::Form* Program::form(PageId page) const {
    const auto& slot = pages_[indexOf(page)];
    return slot ? &slot->form() : nullptr;
}

void Program::zoom(ui::zoom::Step step) {
    if (windows_ != nullptr) {
        windows_->changeZoom(step);
    }
}

void Program::setReadAloud(bool on) {
    narrator_.setReadAloud(on);
    preferences_.setFlag(readAloudKey, on);
    tickEverywhere(menuNames::readAloud, on);
}

void Program::readAgain(PageId page) {
    if (const ui::Form* shown = form(page)) {
        narrator_.repeat(*shown);
    }
}

void Program::setHighContrast(bool on) {
    highContrast_ = on;
    preferences_.setFlag(highContrastKey, on);
    tickEverywhere(menuNames::highContrast, on);
    if (windows_ != nullptr) {
        windows_->setHighContrast(on);
    }
}

void Program::setPictureShown(bool shown) {
    if (shown) {
        show(PageId::Picture);
    } else {
        close(PageId::Picture);
    }
    tickEverywhere(menuNames::picture, shown);
}

void Program::tickEverywhere(std::string_view item, bool checked) {
    for (const auto& page : pages_) {
        if (page) {
            page->form().setMenuChecked(item, checked);
        }
    }
}

}  // namespace talvera::shell
