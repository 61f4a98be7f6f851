#pragma once

#include "details/details_builder.h"
#include "details/row_controls.h"

// The four rows of the Details page, each laid out in its designed places.
namespace talvera::details::layout {

SumRowControls additionRow(DetailsBuilder& page);
SumRowControls subtractionRow(DetailsBuilder& page);
ProductRowControls multiplicationRow(DetailsBuilder& page);
ProductRowControls divisionRow(DetailsBuilder& page);

}  // namespace talvera::details::layout
