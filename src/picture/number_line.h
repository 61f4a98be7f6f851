#pragma once

#include <span>
#include <string>

#include "picture/exact.h"
#include "ui/drawing.h"

namespace talvera::picture {

// A stretch of the number line cut into equal intervals.
class Scale {
  public:
    Scale(Rational from, Rational step, int intervals);

    // From a whole number at or below 0 and every value to one at or above 1 and every value,
    // in steps of 1, 2 or 5 times a power of ten: the smallest such step that needs at most 10.
    static Scale fitting(std::span<const Rational> values);

    const Rational& from() const { return from_; }
    Rational to() const { return from_ + step_ * intervals_; }

    // A value's position, in intervals from the left end.
    double at(const Rational& value) const;
    ui::Mark mark(ui::Series series, const Rational& value, std::string label) const;

    // The line with every tick labelled, or only its two ends.
    ui::NumberLine line(bool everyLabel) const;

    // "de 0 a 3", as a sentence says where the line runs.
    std::string span() const;

  private:
    Rational from_;
    Rational step_;
    int intervals_;
};

}  // namespace talvera::picture
