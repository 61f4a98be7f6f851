#pragma once

#include <cmath>

// What the painter trusts of a drawing's numbers. The picture library caps its counts well below
// these limits; a drawing from anywhere else that breaks them is drawn without the pieces, so that
// no loop of the painter can run away on a bad count or length.
namespace talvera::qt {

inline constexpr int maxDrawnCount = 100;

// A count drawn one piece at a time, or 0 when there are none or too many to draw.
constexpr int drawnCount(int count) {
    return count > 0 && count <= maxDrawnCount ? count : 0;
}

// A length or a position as given, or the fallback when it is not a number or infinite.
inline double finiteOr(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

}  // namespace talvera::qt
