#include "shell/instructions_page.h"

#include <cstddef>
#include <string>

namespace talvera::shell {

namespace {

constexpr std::int16_t firstPage = 1;
constexpr auto lastPage = static_cast<std::int16_t>(instructionPageCount);

}  // namespace

// The window is designed at an outer size of 9330 x 10600 twips; this is its client area, which
// the form keeps from its creation, so loading has no size to set.
InstructionsPage::InstructionsPage()
    : Page("Form4", "INSTRUÇÕES", {9210, 10090}), controls_(layOutInstructionsPage(form())) {
    form().onLoad([this] { load(); });
    controls_.forward.onClick([this] { forward(); });
    controls_.back.onClick([this] { back(); });
    controls_.close.onClick([this] { form().requestClose(); });
    using ui::FormKey;
    for (const FormKey key : {FormKey::Left, FormKey::PageUp}) {
        form().onKey(key, [this] { back(); });
    }
    for (const FormKey key : {FormKey::Right, FormKey::PageDown}) {
        form().onKey(key, [this] { forward(); });
    }
    form().onKey(FormKey::Escape, [this] { form().requestClose(); });
}

void InstructionsPage::load() {
    for (ui::Control* page : controls_.pages) {
        page->hide();
    }
    controls_.back.setEnabled(false);
    counter_ = firstPage;
    showCounter();
    pageShown().show();
}

// The guards keep the counter within the pages even if an arrow were pressed at an end.
void InstructionsPage::forward() {
    if (counter_ != lastPage && pageShown().visible()) {
        pageShown().hide();
        ++counter_;
        pageShown().show();
        controls_.back.setEnabled(true);
    }
    if (counter_ == lastPage) {
        keepFocusOnArrows(controls_.forward, controls_.back);
        controls_.forward.setEnabled(false);
    }
    showCounter();
    form().announce(pageShown());
}

void InstructionsPage::back() {
    if (counter_ != firstPage && pageShown().visible()) {
        pageShown().hide();
        --counter_;
        pageShown().show();
        controls_.forward.setEnabled(true);
    }
    if (counter_ == firstPage) {
        controls_.forward.setEnabled(true);
        keepFocusOnArrows(controls_.back, controls_.forward);
        controls_.back.setEnabled(false);
    }
    showCounter();
    form().announce(pageShown());
}

// An arrow that is about to stop working hands the focus to the other one, so that the next
// Space pages back the way it came instead of reaching "Fechar" and closing the window.
void InstructionsPage::keepFocusOnArrows(const ui::Control& leaving, ui::Control& other) const {
    if (form().focused() == &leaving) {
        other.setFocus();
    }
}

ui::Control& InstructionsPage::pageShown() const {
    return *controls_.pages.at(static_cast<std::size_t>(counter_ - 1));
}

void InstructionsPage::showCounter() const {
    controls_.counter.setCaption(std::to_string(counter_));
}

}  // namespace talvera::shell
