#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/exact_rational.h"
#include "ui/form.h"

namespace talvera::monkey {

using core::testing::Rational;

// The exact value of a term box's text as the program reads a whole term; nothing when the
// text is not a number.
std::optional<Rational> termValue(std::string_view text);

// The exact value of a decimal in the conversion's notation, period included; nothing when the
// text is not in that notation or its period is empty.
std::optional<Rational> decimalValue(std::string_view text);

// After the "=" of a task of the Operations page ran without a message: whether what it wrote
// is the exact result in lowest terms. Returns a description of the fault, or nothing.
std::optional<std::string> checkOperationsResult(const ui::Form& form, std::string_view button);

// After the "=" of a row of the Details page ran at once without a message: whether its working
// fraction has the exact value and its panels show that value in lowest terms. Rows in step
// mode are left alone, since their later steps read back what the teacher may have edited.
std::optional<std::string> checkDetailsResult(const ui::Form& form, std::string_view button);

}  // namespace talvera::monkey
