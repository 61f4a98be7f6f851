#pragma once

#include <array>

#include "ui/geometry.h"

// The projector zoom: the steps a user moves through, and which of them a window fits at. The
// zoom is one factor on the designed twips, applied by the view.
namespace talvera::ui::zoom {

inline constexpr std::array<int, 8> steps{75, 90, 100, 125, 150, 200, 250, 300};
inline constexpr int normal = 100;

// What the user asks of the zoom.
enum class Step { In, Out, Normal };

// The step a request leads to from a zoom.
int after(Step step, int percent);

// A length at the zoom, to the nearest whole: the one rounding of every zoomed length.
constexpr int scaled(int length, int percent) {
    return (length * percent + 50) / 100;
}

// The step above or below; the same step at either end.
int larger(int percent);
int smaller(int percent);

// The step nearest to a percentage, such as one remembered from another version.
int nearestStep(int percent);

// Whether a window of that size at 100 % still fits the area at the step.
bool fits(int percent, Size atNormal, Size available);

// The largest step no larger than the wanted one at which the window fits the area; the smallest
// step when none does.
int fitting(int wanted, Size atNormal, Size available);

}  // namespace talvera::ui::zoom
