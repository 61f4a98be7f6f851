#include "core/decimal.h"

#include <algorithm>
#include <cassert>

#include "core/capacity_error.h"
#include "core/number_syntax.h"
#include "core/wide_integer.h"

namespace talvera::core {

namespace {

// Numbers with more integer digits than this are beyond the bound whatever their digits.
constexpr std::int64_t maxIntegerDigits = 29;

// How an exact value compares with the candidate scaled to 28 places: the truncated candidate
// and what was cut off, enough to round half to even at any smaller scale.
struct ScaledCandidate {
    WideInteger truncated;    // floor(|value| * 10^28)
    int halfComparison = 0;   // the part cut off, compared with one half: -1, 0 or +1
    bool cutNonZero = false;  // whether the part cut off is not zero
};

}  // namespace

// Builds Decimals from exact wide values; the one place where rounding and the bound live.
class DecimalBuilder {
  public:
    // Rounds half to even at the largest scale of at most 28 whose magnitude fits the bound.
    static Decimal round(bool negative, const ScaledCandidate& candidate) {
        const WideInteger bound(Decimal::maxMagnitude);
        int scale = Decimal::maxScale;
        WideInteger truncated = candidate.truncated;
        int halfComparison = candidate.halfComparison;
        bool cutNonZero = candidate.cutNonZero;
        while (true) {
            const bool roundUp =
                halfComparison > 0 || (halfComparison == 0 && bit_test(truncated, 0));
            WideInteger rounded = truncated;
            if (roundUp) {
                ++rounded;
            }
            if (rounded <= bound) {
                return canonical(negative, low128(rounded), scale);
            }
            if (scale == 0) {
                throw CapacityError();
            }
            // Cut one more digit: the new cut part is (digit + old cut part) / 10.
            // One division by a single limb gives both the digit and the rest.
            const WideInteger rest = truncated / 10U;
            const auto digit = static_cast<int>(low128(truncated - (rest * 10U)));
            truncated = rest;
            --scale;
            if (digit != 5) {
                halfComparison = digit > 5 ? 1 : -1;
            } else {
                halfComparison = cutNonZero ? 1 : 0;
            }
            cutNonZero = cutNonZero || digit != 0;
        }
    }

    // The value ±wide / 10^scale, for any scale up to 56.
    static Decimal fromScaled(bool negative, const WideInteger& wide, int scale) {
        if (scale <= Decimal::maxScale) {
            return round(negative, {wide * tenToThe(Decimal::maxScale - scale), -1, false});
        }
        const WideInteger unit = tenToThe(scale - Decimal::maxScale);
        WideInteger quotient;
        WideInteger rest;
        divide_qr(wide, unit, quotient, rest);
        return round(negative, {quotient, compareWithHalf(rest, unit), !rest.is_zero()});
    }

    // The value ±numerator / denominator.
    static Decimal fromRatio(bool negative, const WideInteger& numerator,
                             const WideInteger& denominator) {
        if (denominator.is_zero()) {
            throw CapacityError();
        }
        WideInteger quotient;
        WideInteger rest;
        divide_qr(numerator * tenToThe(Decimal::maxScale), denominator, quotient, rest);
        return round(negative, {quotient, compareWithHalf(rest, denominator), !rest.is_zero()});
    }

    static Decimal fromSyntax(const NumberSyntax& number) {
        if (number.digits.empty()) {
            return {};
        }
        if (number.integerDigitCount() > maxIntegerDigits) {
            throw CapacityError();
        }
        // The digits worth 10^-28 and more make the candidate; the rest decides the rounding.
        const std::int64_t shift = number.exponent + Decimal::maxScale;
        const auto digitCount = static_cast<std::int64_t>(number.digits.size());
        const std::int64_t kept =
            std::clamp<std::int64_t>(digitCount + std::min<std::int64_t>(shift, 0), 0, digitCount);
        WideInteger truncated;
        for (std::int64_t i = 0; i < kept; ++i) {
            truncated = truncated * 10U + static_cast<unsigned>(number.digits[i] - '0');
        }
        if (shift > 0) {
            truncated = truncated * tenToThe(static_cast<int>(shift));
        }
        int halfComparison = -1;
        bool cutNonZero = kept < digitCount;
        if (cutNonZero) {
            // Digits are stored without trailing zeros, so anything after the first cut digit
            // is non-zero; a gap of implied zeros before the first cut digit makes it < half.
            const bool gap = digitCount + shift < 0;
            const int firstCut = gap ? 0 : number.digits[kept] - '0';
            const bool restNonZero = gap || kept + 1 < digitCount;
            if (firstCut != 5) {
                halfComparison = firstCut > 5 ? 1 : -1;
            } else {
                halfComparison = restNonZero ? 1 : 0;
            }
        }
        return round(number.negative, {truncated, halfComparison, cutNonZero});
    }

    static Decimal canonical(bool negative, UInt128 magnitude, int scale) {
        while (scale > 0 && magnitude % 10 == 0) {
            magnitude /= 10;
            --scale;
        }
        return {negative && magnitude != 0, magnitude, scale};
    }

    // The magnitude of d as a wide integer scaled up to the given scale.
    static WideInteger scaledTo(const Decimal& d, int scale) {
        const WideInteger magnitude(d.magnitude_);
        return scale == d.scale_ ? magnitude : magnitude * tenToThe(scale - d.scale_);
    }

    static int compareWithHalf(const WideInteger& rest, const WideInteger& whole) {
        const WideInteger twice = rest + rest;
        if (twice == whole) {
            return 0;
        }
        return twice < whole ? -1 : 1;
    }

    static Decimal signedSum(const Decimal& a, const Decimal& b, bool subtract) {
        const int scale = std::max(a.scale_, b.scale_);
        const WideInteger x = scaledTo(a, scale);
        const WideInteger y = scaledTo(b, scale);
        const bool xNegative = a.negative_;
        const bool yNegative = b.negative_ != subtract;
        if (xNegative == yNegative) {
            return fromScaled(xNegative, x + y, scale);
        }
        if (x >= y) {
            return fromScaled(xNegative, x - y, scale);
        }
        return fromScaled(yNegative, y - x, scale);
    }
};

Decimal Decimal::fromInteger(std::int64_t value) {
    const bool negative = value < 0;
    // Negating in unsigned arithmetic keeps INT64_MIN well defined.
    const auto magnitude = static_cast<std::uint64_t>(value);
    return {negative, negative ? UInt128{~magnitude + 1} : UInt128{magnitude}, 0};
}

Decimal Decimal::fromMagnitude(bool negative, UInt128 magnitude, int scale) {
    if (magnitude > maxMagnitude || scale < 0 || scale > maxScale) {
        throw CapacityError();
    }
    return DecimalBuilder::canonical(negative, magnitude, scale);
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
    const NumberSyntax number = scanNumber(text);
    if (number.length == 0 || number.length != text.size()) {
        return std::nullopt;
    }
    return DecimalBuilder::fromSyntax(number);
}

std::string Decimal::toString() const {
    std::string digits;
    UInt128 rest = magnitude_;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    while (digits.size() <= scale_) {
        digits.push_back('0');
    }
    std::reverse(digits.begin(), digits.end());
    if (scale_ > 0) {
        digits.insert(digits.size() - scale_, 1, '.');
    }
    return negative_ ? "-" + digits : digits;
}

Decimal Decimal::operator-() const {
    return {!negative_ && magnitude_ != 0, magnitude_, scale_};
}

Decimal Decimal::abs() const {
    return {false, magnitude_, scale_};
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    return DecimalBuilder::signedSum(a, b, false);
}

Decimal operator-(const Decimal& a, const Decimal& b) {
    return DecimalBuilder::signedSum(a, b, true);
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    return DecimalBuilder::fromScaled(a.negative_ != b.negative_,
                                      WideInteger(a.magnitude_) * WideInteger(b.magnitude_),
                                      a.scale_ + b.scale_);
}

Decimal operator/(const Decimal& a, const Decimal& b) {
    // (ma / 10^sa) / (mb / 10^sb) = (ma * 10^sb) / (mb * 10^sa)
    return DecimalBuilder::fromRatio(a.negative_ != b.negative_,
                                     DecimalBuilder::scaledTo(a, a.scale_ + b.scale_),
                                     DecimalBuilder::scaledTo(b, a.scale_ + b.scale_));
}

Decimal remainder(const Decimal& a, const Decimal& b) {
    if (b.isZero()) {
        throw CapacityError();
    }
    const int scale = std::max(a.scale_, b.scale_);
    const WideInteger rest =
        DecimalBuilder::scaledTo(a, scale) % DecimalBuilder::scaledTo(b, scale);
    // The remainder is below both |a| and |b|, so it fits at this scale.
    return DecimalBuilder::canonical(a.negative_, low128(rest), scale);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (a.negative_ != b.negative_) {
        return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const int scale = std::max(a.scale_, b.scale_);
    const auto magnitudeOrder =
        compareWide(DecimalBuilder::scaledTo(a, scale), DecimalBuilder::scaledTo(b, scale));
    return a.negative_ ? reversed(magnitudeOrder) : magnitudeOrder;
}

}  // namespace talvera::core
