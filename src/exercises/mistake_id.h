#pragma once

#include <cstdint>

namespace talvera::exercises {

// The mistakes the checker can name, grouped by the kind they belong to.
enum class MistakeId : std::uint8_t {
    // Addition and subtraction.
    AddedStraightAcross,
    SubtractedStraightAcross,
    NumeratorsNotExpanded,
    WrongSign,
    DenominatorsMultipliedOnly,
    FactorsSwapped,
    // Multiplication.
    OneFractionInverted,
    DenominatorsAdded,
    CommonDenominatorKept,
    // Division.
    NotInverted,
    FirstInverted,
    // Simplification.
    OneTermDivided,
    // Comparison.
    NumeratorsOnly,
    LargerDenominator,
    SignReversed,
    // Fraction to decimal.
    DenominatorOverNumerator,
    PeriodNotMarked,
    TermsAsDecimal,
    // Decimal to fraction.
    RepeatingReadAsFinite,
    DecimalsAsPeriod,
    PlacesMiscounted,
};

inline constexpr int mistakeCount = static_cast<int>(MistakeId::PlacesMiscounted) + 1;

}  // namespace talvera::exercises
