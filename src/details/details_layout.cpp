#include "details/details_layout.h"

#include "details/row_builders.h"

namespace talvera::details {

DetailsControls layOutDetailsPage(ui::Form& form) {
    layout::DetailsBuilder page(form);
    page.title();
    DetailsControls controls{layout::additionRow(page), layout::subtractionRow(page),
                             layout::multiplicationRow(page), layout::divisionRow(page)};
    page.finishTabOrder();
    return controls;
}

}  // namespace talvera::details
