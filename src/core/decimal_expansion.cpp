#include "core/decimal_expansion.h"

#include <algorithm>
#include <vector>

#include "core/capacity_error.h"

namespace talvera::core {

std::string DecimalExpansion::text() const {
    std::string written = negative ? "-" + whole : whole;
    if (places() > 0) {
        written += "." + fixed;
    }
    if (!period.empty()) {
        written += "(" + period + ")";
    }
    return written;
}

std::optional<DecimalExpansion> expandDecimal(const Fraction& fraction, std::size_t maxPlaces) {
    const auto& [n, d] = fraction;
    if (!n.isWhole() || !d.isWhole()) {
        return std::nullopt;
    }
    if (d.isZero()) {
        throw CapacityError();
    }
    const UInt128 divisor = d.magnitude();
    DecimalExpansion expansion;
    expansion.negative = signOf(fraction) < 0;
    expansion.whole = Decimal::fromMagnitude(false, n.magnitude() / divisor).toString();

    // Each remainder is below the 96-bit divisor, so ten times it still fits in 128 bits.
    UInt128 rest = n.magnitude() % divisor;
    std::vector<UInt128> rests;  // the remainder before each digit written so far
    std::string digits;
    while (rest != 0) {
        const auto seen = std::ranges::find(rests, rest);
        if (seen != rests.end()) {
            const auto start = static_cast<std::size_t>(seen - rests.begin());
            expansion.fixed = digits.substr(0, start);
            expansion.period = digits.substr(start);
            return expansion;
        }
        if (digits.size() == maxPlaces) {
            return std::nullopt;
        }
        rests.push_back(rest);
        rest *= 10;
        digits.push_back(static_cast<char>('0' + static_cast<int>(rest / divisor)));
        rest %= divisor;
    }
    expansion.fixed = digits;
    return expansion;
}

}  // namespace talvera::core
