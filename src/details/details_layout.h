#pragma once

#include "details/row_controls.h"
#include "ui/form.h"

namespace talvera::details {

// Lays out the whole Details page on the form, in its designed places, names and tab order.
DetailsControls layOutDetailsPage(ui::Form& form);

}  // namespace talvera::details
