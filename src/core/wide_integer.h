#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <compare>

#include "decimal.h"

namespace talvera::core {

// A 384-bit unsigned integer: wide enough for every exact intermediate of the scaled decimal
// (a 96-bit magnitude times 10^56 times 10^28 still fits). Unchecked, because no intermediate
// comes near the width; without expression templates, because each value is used at once.
using WideInteger = boost::multiprecision::number<
    boost::multiprecision::cpp_int_backend<384, 384, boost::multiprecision::unsigned_magnitude,
                                           boost::multiprecision::unchecked, void>,
    boost::multiprecision::et_off>;

// 10^exponent, for 0 <= exponent <= 115.
WideInteger tenToThe(int exponent);

// a <=> b, which the library's comparisons do not offer.
inline std::strong_ordering compareWide(const WideInteger& a, const WideInteger& b) {
    return a.compare(b) <=> 0;
}

// The low 128 bits of a wide value.
UInt128 low128(const WideInteger& value);

}  // namespace talvera::core
