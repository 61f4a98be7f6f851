// Random operands against their exact values: reading, order, the four operations and the
// remainder of the decimal, and the order of fractions.
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "core/capacity_error.h"
#include "core/fraction_order.h"
#include "reference.h"

using namespace talvera::core;
using talvera::reference::Rational;
namespace reference = talvera::reference;

namespace {

constexpr int casesPerRun = 3000;

// ± magnitude / 10^scale, the scale not reduced.
struct Parts {
    bool negative = false;
    UInt128 magnitude = 0;
    int scale = 0;
    Rational value() const {
        return Rational(negative ? -reference::integer(magnitude) : reference::integer(magnitude),
                        reference::tenTo(static_cast<std::size_t>(scale)));
    }
    Decimal decimal() const { return Decimal::fromMagnitude(negative, magnitude, scale); }
};

// A random operand: the parts it was drawn with and one way of writing it.
struct Operand {
    Parts parts;
    std::string text;
};

// Operands spread over the places where decimal code goes wrong: zero, small values, the bound
// and its neighbours, powers of two and of ten, every scale, and several spellings of each.
class OperandSource {
  public:
    explicit OperandSource(std::uint64_t seed) : random_(seed) {}

    std::uint64_t below(std::uint64_t limit) { return random_() % limit; }

    Operand next() {
        const UInt128 largest = Decimal::maxMagnitude;
        const UInt128 bits = (UInt128{random_()} << 64U) | random_();
        UInt128 power = 1;
        for (auto n = below(29); n > 0; --n) {
            power *= 10;
        }
        const std::array<UInt128, 5> magnitudes = {
            below(11), largest - below(4),
            std::min(largest, (UInt128{1} << below(97)) - 1 + below(3)), power * (1 + below(7)),
            bits >> (127 - below(96))};
        const int scale = below(3) == 0 ? 0 : static_cast<int>(below(Decimal::maxScale + 1));
        return spelt({below(2) == 0, magnitudes.at(std::min<std::uint64_t>(below(10), 4)), scale});
    }

    // Now and then the same value again, maybe negated, so equal values and zeros are common.
    Operand nextBeside(const Operand& other) {
        return below(8) != 0 ? next()
                             : spelt({below(2) == 0, other.parts.magnitude, other.parts.scale});
    }

  private:
    Operand spelt(const Parts& parts) {
        const std::string plain = reference::text(Parts{false, parts.magnitude, 0}.value() /
                                                  reference::tenTo(parts.scale));
        const std::array<std::string, 4> spellings = {
            plain, "00" + plain,
            plain + (plain.find('.') == std::string::npos ? "." : "") + std::string(below(5), '0'),
            reference::integer(parts.magnitude).str() + (below(2) == 0 ? "e-" : "E-") +
                std::to_string(parts.scale)};
        const std::string sign = parts.negative ? "-" : (below(4) == 0 ? "+" : "");
        return {parts, sign + spellings.at(below(4))};
    }

    std::mt19937_64 random_;
};

// Counts mismatches and keeps the first few, so one run shows the pattern of a fault.
struct Failures {
    int count = 0;
    QString first;
    void expect(bool holds, const std::string& line) {
        if (!holds && count++ < 10) {
            first += "\n" + QString::fromStdString(line);
        }
    }
    QString report() const { return QString::number(count) + " mismatches:" + first; }
};

// Every part of a decimal against the value it must hold: the exact value, the canonical text
// (and with it the scale), and the sign of the value and of its negation.
std::string outcome(const Decimal& actual, const Rational& expected) {
    const bool holds =
        reference::exact(actual) == expected && actual.toString() == reference::text(expected) &&
        actual.isZero() == (expected == 0) && actual.isWhole() == (actual.scale() == 0) &&
        (-actual).isNegative() == (expected > 0);
    return holds ? reference::text(expected)
                 : actual.toString() + " (scale " + std::to_string(actual.scale()) + ")";
}

}  // namespace

class DecimalPropertiesTest : public QObject {
    Q_OBJECT

  private slots:
    void arithmeticMatchesExactValue_data() {
        QTest::addColumn<char>("operation");
        for (const char operation : {'+', '-', '*', '/', '%'}) {
            QTest::addRow("%c", operation) << operation;
        }
    }

    // Each operand is also read and ordered against the other.
    void arithmeticMatchesExactValue() {
        QFETCH(char, operation);
        OperandSource source(static_cast<std::uint64_t>(operation));
        Failures failures;
        std::array<int, 4> reached{};  // equal operands, rounded results, ties, beyond the range
        for (int i = 0; i < casesPerRun; ++i) {
            const Operand a = source.next();
            const Operand b = source.nextBeside(a);
            const Decimal x = Decimal::parse(a.text).value();
            const Decimal y = Decimal::parse(b.text).value();
            for (const auto& [read, operand] : {std::pair{x, a}, std::pair{y, b}}) {
                const Rational value = reference::nearest(operand.parts.value()).value();
                failures.expect(outcome(read, value) == reference::text(value),
                                operand.text + " reads as " + outcome(read, value));
            }
            const int order = a.parts.value().compare(b.parts.value());
            failures.expect((x <=> y) == (order <=> 0) && (x == y) == (order == 0) &&
                                (y <=> x) == (0 <=> order),
                            a.text + " against " + b.text + ": wrong order");

            const bool byZero = (operation == '/' || operation == '%') && y.isZero();
            const Rational exact =
                byZero ? Rational(0)
                       : reference::combine(operation, a.parts.value(), b.parts.value());
            bool tie = false;
            const auto expected = byZero ? std::nullopt : reference::nearest(exact, &tie);
            reached[0] += order == 0 ? 1 : 0;
            reached[1] += expected && *expected != exact ? 1 : 0;
            reached[2] += expected && tie ? 1 : 0;
            reached[3] += !expected && !byZero ? 1 : 0;
            const std::string wanted = expected ? reference::text(*expected) : "CapacityError";
            std::string actual = "CapacityError";
            try {
                const Decimal result = reference::combine(operation, x, y);
                actual = expected ? outcome(result, *expected) : result.toString();
            } catch (const CapacityError&) {
            }
            failures.expect(actual == wanted, a.text + " " + operation + " " + b.text +
                                                  ": expected " + wanted + ", got " + actual);
        }
        QVERIFY2(failures.count == 0, qPrintable(failures.report()));
        // The operands must reach equal values, rounding, exact ties and overflow, or the run
        // proves little; a remainder is always exact and never beyond the range.
        QVERIFY(reached[0] > casesPerRun / 50);
        if (operation == '%') {
            QCOMPARE(reached[1] + reached[3], 0);
        } else {
            QVERIFY(reached[1] > casesPerRun / 100 && reached[2] >= 5 &&
                    reached[3] > casesPerRun / 100);
        }
    }

    // The terms are exact, so the order of the fractions must be too, equal fractions included.
    void fractionOrderMatchesExactOrder() {
        OperandSource source(0xf4ac);
        Failures failures;
        for (int i = 0; i < casesPerRun; ++i) {
            std::array<Parts, 4> terms = {source.next().parts, source.next().parts,
                                          source.next().parts, source.next().parts};
            if (i % 4 == 0) {  // the same fraction with its terms divided by a common factor
                const UInt128 factor = 2 + source.below(1000);
                const bool flip = source.below(2) == 0;
                for (std::size_t k = 0; k < 2; ++k) {
                    terms[k + 2] = {terms[k].negative != flip, terms[k].magnitude / factor,
                                    terms[k].scale};
                    terms[k].magnitude = terms[k + 2].magnitude * factor;
                }
            }
            terms[1].magnitude = std::max<UInt128>(terms[1].magnitude, 1);
            terms[3].magnitude = std::max<UInt128>(terms[3].magnitude, 1);
            const Rational first = terms[0].value() / terms[1].value();
            const Rational second = terms[2].value() / terms[3].value();
            failures.expect(
                compareFractions(terms[0].decimal(), terms[1].decimal(), terms[2].decimal(),
                                 terms[3].decimal()) == (first.compare(second) <=> 0),
                first.str() + " against " + second.str());
        }
        QVERIFY2(failures.count == 0, qPrintable(failures.report()));
    }
};

QTEST_APPLESS_MAIN(DecimalPropertiesTest)
#include "test_decimal_properties.moc"
