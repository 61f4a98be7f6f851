#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/messenger.h"
#include "core/decimal.h"
#include "core/validation.h"
#include "details/row_controls.h"

namespace talvera::details {

// The term validation of a row on its four boxes. Returns the converted terms N1, D1, N2, D2,
// or nothing once the message of the first failing check has been shown. A term beyond the
// scaled decimal's range is a CapacityError.
std::optional<std::vector<core::Decimal>> validatedTerms(const RowControls& row,
                                                         const core::TermMessages& messages,
                                                         const common::Messenger& messenger);

// A box's text read back by the leading-number rule, exactly: the number it starts with, or 0.
core::Decimal leadingValue(std::string_view text);

}  // namespace talvera::details
