#pragma once

// The scaled decimal as it was on its hand-written 384-bit integer, kept only so that the core
// benchmark can time the library-based one against it in the same run.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvera::former {

__extension__ using UInt128 = unsigned __int128;

// The exact scaled decimal of all fraction arithmetic: a sign, a 96-bit magnitude and a scale
// of 0 to 28 decimal places (value = ± magnitude / 10^scale), the same type as .NET's
// System.Decimal. Values are kept with the smallest scale that holds them, so two equal values
// have equal representations and zero has no sign.
//
// +, - and * are exact while the result fits; division rounds half to even at the largest scale
// of at most 28 whose magnitude still fits. Anything that does not fit throws CapacityError.
class Decimal {
  public:
    static constexpr int maxScale = 28;
    // 2^96 - 1 = 79228162514264337593543950335
    static constexpr UInt128 maxMagnitude = (UInt128{1} << 96) - 1;

    constexpr Decimal() = default;
    static Decimal fromInteger(std::int64_t value);
    // ±magnitude / 10^scale; a magnitude beyond the bound is a CapacityError.
    static Decimal fromMagnitude(bool negative, UInt128 magnitude, int scale = 0);

    // Reads a numeric text: an optional sign, digits with at most one ".", at least one digit,
    // and an optional exponent ("e" or "E", an optional sign, digits). Digits beyond what fits are
    // rounded half to even; a value below half of 1e-28 reads as 0. Returns nothing when the text
    // is not of that form; throws CapacityError when the value is beyond the range.
    static std::optional<Decimal> parse(std::string_view text);

    // The number text: "-" for a negative value, the integer digits, and a "." with the fraction
    // digits only when there are any; no grouping, no exponent, no trailing zeros.
    std::string toString() const;

    bool isZero() const { return magnitude_ == 0; }
    bool isNegative() const { return negative_; }
    bool isWhole() const { return scale_ == 0; }
    int scale() const { return scale_; }
    UInt128 magnitude() const { return magnitude_; }

    Decimal operator-() const;
    Decimal abs() const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend Decimal operator/(const Decimal& a, const Decimal& b);

    // The exact remainder of a truncated division: a - trunc(a / b) * b, with the sign of a.
    friend Decimal remainder(const Decimal& a, const Decimal& b);

    friend bool operator==(const Decimal& a, const Decimal& b) = default;
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

  private:
    constexpr Decimal(bool negative, UInt128 magnitude, int scale)
        : magnitude_(magnitude), scale_(static_cast<std::uint8_t>(scale)), negative_(negative) {}
    friend class DecimalBuilder;

    UInt128 magnitude_ = 0;
    std::uint8_t scale_ = 0;
    bool negative_ = false;
};

// The opposite order: what a < b says, b < a says too.
constexpr std::strong_ordering reversed(std::strong_ordering order) {
    if (order == std::strong_ordering::less) {
        return std::strong_ordering::greater;
    }
    return order == std::strong_ordering::greater ? std::strong_ordering::less : order;
}

}  // namespace talvera::former
