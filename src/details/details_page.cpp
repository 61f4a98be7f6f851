#include "details/details_page.h"

#include "common/styles.h"

namespace talvera::details {

DetailsPage::DetailsPage(ui::Dialogs& dialogs)
    : Page("Form2", "TALVERA", common::styles::pageSize), messenger_(dialogs) {}

}  // namespace talvera::details
