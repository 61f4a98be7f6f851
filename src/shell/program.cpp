#include "shell/program.h"

#include "details/details_page.h"
#include "operations/operations_page.h"
#include "shell/instructions_page.h"
#include "shell/menus.h"
#include "shell/title_page.h"

namespace talvera::shell {

Program::Program(ui::Dialogs& dialogs, ui::WindowObserver* windows)
    : dialogs_(dialogs), windows_(windows) {}

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
            return std::make_unique<operations::OperationsPage>(dialogs_);
        case PageId::Details:
            return std::make_unique<details::DetailsPage>(dialogs_);
        case PageId::Title:
            return std::make_unique<TitlePage>();
        case PageId::Instructions:
            return std::make_unique<InstructionsPage>();
    }
    return nullptr;
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
    installMenus(form, page, *this);
    // The title page is the program's main window: closing it ends the program.
    form.onCloseRequest([this, page] { page == PageId::Title ? end() : close(page); });
    form.load();
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
    slot.reset();
}

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    for (const PageId page :
         {PageId::Instructions, PageId::Details, PageId::Operations, PageId::Title}) {
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

}  // namespace talvera::shell
