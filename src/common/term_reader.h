#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "common/messenger.h"
#include "core/decimal.h"
#include "core/validation.h"
#include "ui/control.h"

namespace talvera::common {

// Runs the page's term validation on a task's term boxes, which alternate numerator and
// denominator. Returns the converted terms in box order, or nothing once the message of the first
// failing check has been shown. A term beyond the scaled decimal's range is a CapacityError.
std::optional<std::vector<core::Decimal>> readTerms(std::span<ui::Control* const> boxes,
                                                    const core::TermMessages& messages,
                                                    const Messenger& messenger);

// A box's text read back by the leading-number rule, exactly: the number it starts with, or 0.
core::Decimal leadingValue(std::string_view text);

}  // namespace talvera::common
