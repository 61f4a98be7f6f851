#include "core/fraction_order.h"

#include <algorithm>

#include "core/wide_integer.h"

namespace talvera::core {

namespace {

// An exact signed product of two Decimals: ±magnitude / 10^scale.
struct Product {
    bool negative = false;
    WideInteger magnitude;
    int scale = 0;
};

Product multiply(const Decimal& a, const Decimal& b) {
    return {a.isNegative() != b.isNegative(),
            WideInteger(a.magnitude()) * WideInteger(b.magnitude()), a.scale() + b.scale()};
}

std::strong_ordering compareProducts(const Product& x, const Product& y) {
    const bool xNegative = x.negative && !x.magnitude.is_zero();
    const bool yNegative = y.negative && !y.magnitude.is_zero();
    if (xNegative != yNegative) {
        return xNegative ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const int scale = std::max(x.scale, y.scale);
    const auto magnitudeOrder = compareWide(x.magnitude * tenToThe(scale - x.scale),
                                            y.magnitude * tenToThe(scale - y.scale));
    return xNegative ? reversed(magnitudeOrder) : magnitudeOrder;
}

}  // namespace

std::strong_ordering compareFractions(const Decimal& n1, const Decimal& d1, const Decimal& n2,
                                      const Decimal& d2) {
    // n1/d1 <=> n2/d2 is n1*d2 <=> n2*d1 when d1*d2 > 0, and the reverse otherwise.
    const auto order = compareProducts(multiply(n1, d2), multiply(n2, d1));
    return d1.isNegative() != d2.isNegative() ? reversed(order) : order;
}

}  // namespace talvera::core
