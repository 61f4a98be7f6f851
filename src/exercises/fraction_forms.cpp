#include "exercises/fraction_forms.h"

#include <limits>

#include "core/capacity_error.h"
#include "core/divisors.h"
#include "core/fraction_order.h"

namespace talvera::exercises {

core::Fraction fractionOf(std::int64_t numerator, std::int64_t denominator) {
    return {core::Decimal::fromInteger(numerator), core::Decimal::fromInteger(denominator)};
}

std::int64_t wholeOf(const core::Decimal& term) {
    if (!term.isWhole() || term.magnitude() > std::numeric_limits<std::int64_t>::max()) {
        throw core::CapacityError();
    }
    const auto magnitude = static_cast<std::int64_t>(term.magnitude());
    return term.isNegative() ? -magnitude : magnitude;
}

core::Fraction lowestTerms(const core::Fraction& fraction) {
    const core::Fraction reduced = core::reduce(fraction.numerator, fraction.denominator);
    if (reduced.denominator.isNegative()) {
        return {-reduced.numerator, -reduced.denominator};
    }
    return reduced;
}

std::string fractionText(const core::Fraction& fraction) {
    if (fraction.denominator == core::Decimal::fromInteger(1)) {
        return fraction.numerator.toString();
    }
    return fraction.numerator.toString() + "/" + fraction.denominator.toString();
}

bool sameValue(const core::Fraction& a, const core::Fraction& b) {
    return core::compareFractions(a.numerator, a.denominator, b.numerator, b.denominator) ==
           std::strong_ordering::equal;
}

bool fitsFarInside(const core::Fraction& fraction) {
    const auto fits = [](const core::Decimal& term) {
        return term.isWhole() && term.magnitude() <= static_cast<core::UInt128>(maxWorkingTerm);
    };
    return fits(fraction.numerator) && fits(fraction.denominator);
}

}  // namespace talvera::exercises
