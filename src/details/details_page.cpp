#include "details/details_page.h"

#include "common/styles.h"
#include "details/details_layout.h"

namespace talvera::details {

DetailsPage::DetailsPage(ui::Dialogs& dialogs)
    : Page("Form2", "TALVERA", common::styles::pageSize),
      messenger_(dialogs),
      controls_(layOutDetailsPage(form())) {}

}  // namespace talvera::details
