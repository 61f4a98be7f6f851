#include "former/fraction_order.h"

#include <algorithm>

#include "former/wide_uint.h"

namespace talvera::former {

namespace {

// An exact signed product of two Decimals: ±magnitude / 10^scale.
struct Product {
    bool negative = false;
    WideUInt magnitude;
    int scale = 0;
};

Product multiply(const Decimal& a, const Decimal& b) {
    return {a.isNegative() != b.isNegative(), WideUInt(a.magnitude()) * WideUInt(b.magnitude()),
            a.scale() + b.scale()};
}

std::strong_ordering compareProducts(const Product& x, const Product& y) {
    const bool xNegative = x.negative && !x.magnitude.isZero();
    const bool yNegative = y.negative && !y.magnitude.isZero();
    if (xNegative != yNegative) {
        return xNegative ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const int scale = std::max(x.scale, y.scale);
    const auto order = x.magnitude * WideUInt::powerOfTen(scale - x.scale) <=>
                       y.magnitude * WideUInt::powerOfTen(scale - y.scale);
    return xNegative ? reversed(order) : order;
}

}  // namespace

std::strong_ordering compareFractions(const Decimal& n1, const Decimal& d1, const Decimal& n2,
                                      const Decimal& d2) {
    // n1/d1 <=> n2/d2 is n1*d2 <=> n2*d1 when d1*d2 > 0, and the reverse otherwise.
    const auto order = compareProducts(multiply(n1, d2), multiply(n2, d1));
    return d1.isNegative() != d2.isNegative() ? reversed(order) : order;
}

}  // namespace talvera::former
