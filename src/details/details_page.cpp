#include "details/details_page.h"

#include "details/details_layout.h"
#include "kit/styles.h"

namespace talvera::details {

DetailsPage::DetailsPage(const kit::PageContext& context)
    : Page("Form2", "TALVERA", kit::styles::pageSize),
      messenger_(context),
      controls_(layOutDetailsPage(form())),
      addition_(controls_.addition, rules::addition, messenger_),
      subtraction_(controls_.subtraction, rules::subtraction, messenger_),
      multiplication_(controls_.multiplication, rules::multiplication, messenger_),
      division_(controls_.division, rules::division, messenger_) {
    form().onLoad([this] { load(); });
}

// Every row starts with its step buttons disabled: nothing is in step mode yet.
void DetailsPage::load() const {
    addition_.disableSteps();
    subtraction_.disableSteps();
    multiplication_.disableSteps();
    division_.disableSteps();
}

}  // namespace talvera::details
