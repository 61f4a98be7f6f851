#include "picture/number_line.h"

#include <algorithm>
#include <array>

namespace talvera::picture {

namespace {

constexpr int mostIntervals = 10;

Rational tenToThe(int exponent) {
    const Rational power{boost::multiprecision::pow(Integer{10}, std::abs(exponent))};
    return exponent < 0 ? Rational{Rational{1} / power} : power;
}

}  // namespace

Scale::Scale(Rational from, Rational step, int intervals)
    : from_(std::move(from)), step_(std::move(step)), intervals_(intervals) {}

Scale Scale::fitting(std::span<const Rational> values) {
    Integer low = 0;
    Integer high = 1;
    for (const Rational& value : values) {
        low = std::min(low, floorOf(value));
        high = std::max(high, ceilOf(value));
    }
    // A step of 10^(digits - 2) would need at least 10 intervals, so the search starts there:
    // its length follows the number of digits, never the values themselves.
    const int digits = static_cast<int>(Integer{high - low}.str().size());
    for (int exponent = digits - 2;; ++exponent) {
        for (const int multiple : std::array{1, 2, 5}) {
            const Rational step = tenToThe(exponent) * multiple;
            const Rational from = Rational{floorOf(low / step)} * step;
            const Rational to = Rational{ceilOf(high / step)} * step;
            const Integer intervals = boost::multiprecision::numerator((to - from) / step);
            if (intervals <= mostIntervals) {
                return {from, step, intervals.convert_to<int>()};
            }
        }
    }
}

double Scale::at(const Rational& value) const {
    return toDouble((value - from_) / step_);
}

ui::Mark Scale::mark(ui::Series series, const Rational& value, std::string label) const {
    return {series, at(value), std::move(label)};
}

ui::NumberLine Scale::line(bool everyLabel) const {
    ui::NumberLine line;
    for (int i = 0; i <= intervals_; ++i) {
        const bool labelled = everyLabel || i == 0 || i == intervals_;
        line.ticks.push_back(labelled ? decimalText(from_ + step_ * i) : std::string());
    }
    return line;
}

std::string Scale::span() const {
    return "de " + decimalText(from_) + " a " + decimalText(to());
}

}  // namespace talvera::picture
