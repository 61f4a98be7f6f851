#include "ui/zoom.h"

#include <algorithm>
#include <cstdlib>

namespace talvera::ui::zoom {

int larger(int percent) {
    const auto* next = std::ranges::upper_bound(steps, percent);
    return next == steps.end() ? steps.back() : *next;
}

int smaller(int percent) {
    const auto* at = std::ranges::lower_bound(steps, percent);
    return at == steps.begin() ? steps.front() : *(at - 1);
}

int after(Step step, int percent) {
    switch (step) {
        case Step::In:
            return larger(percent);
        case Step::Out:
            return smaller(percent);
        case Step::Normal:
            break;
    }
    return normal;
}

int nearestStep(int percent) {
    return *std::ranges::min_element(
        steps, [percent](int a, int b) { return std::abs(a - percent) < std::abs(b - percent); });
}

bool fits(int percent, Size atNormal, Size available) {
    // In whole numbers: a pixel more than the area is already too much.
    return scaled(atNormal.width, percent) <= available.width &&
           scaled(atNormal.height, percent) <= available.height;
}

int fitting(int wanted, Size atNormal, Size available) {
    int best = steps.front();
    for (const int step : steps) {
        if (step <= wanted && fits(step, atNormal, available)) {
            best = step;
        }
    }
    return best;
}

}  // namespace talvera::ui::zoom
