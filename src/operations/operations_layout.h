#pragma once

#include <vector>

#include "operations/fraction_task.h"
#include "ui/form.h"

namespace talvera::operations {

struct ComparisonControls {
    std::vector<ui::Control*> terms;  // N1, D1, N2, D2
    ui::Control& compare;             // the "?" button between the fractions
    ui::Control& sign;                // Label15, between the two detail fractions
    ui::Control& numerator1;          // the first fraction over the common denominator
    ui::Control& denominator1;
    ui::Control& numerator2;  // the second fraction over the common denominator
    ui::Control& denominator2;
    ui::Control& clearResult;
    ui::Control& clearAll;
};

struct ToDecimalControls {
    std::vector<ui::Control*> terms;  // numerator, denominator
    ui::Control& convert;
    ui::Control& result;
    ui::Control& clearResult;
    ui::Control& clearAll;
};

struct ToFractionControls {
    ui::Control& input;
    ui::Control& convert;
    ui::Control& numerator;
    ui::Control& denominator;
    // Hidden scratch boxes: the input without points, without "(" and without ")".
    ui::Control& withoutPoints;
    ui::Control& withoutOpenings;
    ui::Control& withoutClosings;
    ui::Control& clearResult;
    ui::Control& clearAll;
};

// NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init): an aggregate of references
struct OperationsControls {
    FractionTaskControls addition;
    FractionTaskControls subtraction;
    FractionTaskControls multiplication;
    FractionTaskControls division;
    FractionTaskControls simplification;
    ComparisonControls comparison;
    ToDecimalControls toDecimal;
    ToFractionControls toFraction;
};

// Lays out the whole Operations page on the form, in its designed places, names and tab order.
OperationsControls layOutOperationsPage(ui::Form& form);

}  // namespace talvera::operations
