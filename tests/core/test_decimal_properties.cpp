#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "core/fraction_order.h"
#include "core_test_support.h"
#include "exact_rational.h"

using namespace talvera::core;
using namespace talvera::core::testing;

namespace {

constexpr int casesPerRun = 3000;

// A random operand: the parts it was drawn with (scale not reduced) and one way of writing it.
struct Operand {
    DecimalParts parts;
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
        const std::array<UInt128, 5> magnitudes = {
            below(11), largest - below(4),
            std::min(largest, (UInt128{1} << below(97)) - 1 + below(3)),
            powerOfTen(static_cast<int>(below(29))) * (1 + below(7)), bits >> (127 - below(96))};
        const int scale = below(3) == 0 ? 0 : static_cast<int>(below(Decimal::maxScale + 1));
        return spelt({below(2) == 0, magnitudes.at(std::min<std::uint64_t>(below(10), 4)), scale});
    }

    // Now and then the same value again, maybe negated, so equal values and zeros are common.
    Operand nextBeside(const Operand& other) {
        return below(8) != 0 ? next()
                             : spelt({below(2) == 0, other.parts.magnitude, other.parts.scale});
    }

  private:
    Operand spelt(const DecimalParts& parts) {
        const std::string plain = DecimalParts{false, parts.magnitude, parts.scale}.text();
        const std::array<std::string, 4> spellings = {
            plain, "00" + plain, plain + (parts.scale == 0 ? "." : "") + std::string(below(5), '0'),
            digitsOf(parts.magnitude) + (below(2) == 0 ? "e-" : "E-") +
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
    void compare(const std::string& actual, const std::string& wanted, const std::string& what) {
        expect(actual == wanted, what + ": expected " + wanted + ", got " + actual);
    }
    QString report() const { return QString::number(count) + " mismatches:" + first; }
};

// Every part of the result, its text read back, and the sign of its negation.
bool matches(const Decimal& actual, const DecimalParts& expected) {
    return actual.isNegative() == expected.negative && actual.magnitude() == expected.magnitude &&
           actual.scale() == expected.scale && actual.isWhole() == (expected.scale == 0) &&
           actual.isZero() == (expected.magnitude == 0) && actual.toString() == expected.text() &&
           Decimal::parse(actual.toString()) == actual &&
           (-actual).isNegative() == (!expected.negative && expected.magnitude != 0);
}

Decimal read(const Operand& operand) {
    return Decimal::parse(operand.text).value();
}

Decimal decimalOf(const DecimalParts& parts) {
    return Decimal::fromMagnitude(parts.negative, parts.magnitude, parts.scale);
}

}  // namespace

class DecimalPropertiesTest : public QObject {
    Q_OBJECT

  private slots:
    void readingAndOrderMatchExactValues() {
        OperandSource source(0x0bde5);
        Failures failures;
        int equal = 0;
        for (int i = 0; i < casesPerRun; ++i) {
            const Operand a = source.next();
            const Operand b = source.nextBeside(a);
            const Decimal x = read(a);
            const Decimal y = read(b);
            failures.expect(matches(x, toDecimalParts(a.parts.value()).value()),
                            a.text + " reads as " + x.toString());
            const std::strong_ordering order = a.parts.value() <=> b.parts.value();
            equal += std::is_eq(order) ? 1 : 0;
            failures.expect((x <=> y) == order && (x == y) == std::is_eq(order) &&
                                (y <=> x) == (b.parts.value() <=> a.parts.value()),
                            a.text + " against " + b.text + ": wrong order");
        }
        QVERIFY2(failures.count == 0, qPrintable(failures.report()));
        QVERIFY(equal > casesPerRun / 50);
    }

    void arithmeticMatchesExactValue_data() {
        QTest::addColumn<char>("operation");
        for (const char operation : {'+', '-', '*', '/', '%'}) {
            QTest::addRow("%c", operation) << operation;
        }
    }

    void arithmeticMatchesExactValue() {
        QFETCH(char, operation);
        OperandSource source(static_cast<std::uint64_t>(operation));
        Failures failures;
        int rounded = 0;
        int beyond = 0;
        int ties = 0;
        for (int i = 0; i < casesPerRun; ++i) {
            const Operand a = source.next();
            const Operand b = source.nextBeside(a);
            const bool byZero = (operation == '/' || operation == '%') && b.parts.magnitude == 0;
            const std::optional<DecimalParts> expected =
                byZero ? std::nullopt
                       : toDecimalParts(combine(operation, a.parts.value(), b.parts.value()));
            rounded += expected && expected->rounded ? 1 : 0;
            beyond += !expected && !byZero ? 1 : 0;
            ties += expected && expected->tie ? 1 : 0;
            const std::string wanted = expected ? expected->text() : "CapacityError";
            std::string actual;
            try {
                const Decimal result = combine(operation, read(a), read(b));
                actual = expected && matches(result, *expected)
                             ? wanted
                             : result.toString() + " (scale " + std::to_string(result.scale()) +
                                   (result.isNegative() ? ", negative)" : ")");
            } catch (const CapacityError&) {
                actual = "CapacityError";
            }
            failures.compare(actual, wanted, a.text + " " + operation + " " + b.text);
        }
        QVERIFY2(failures.count == 0, qPrintable(failures.report()));
        // The operands must reach rounding, exact ties and overflow, or the run proves little;
        // a remainder is always exact and never beyond the range.
        if (operation == '%') {
            QCOMPARE(rounded + beyond, 0);
        } else {
            QVERIFY(rounded > casesPerRun / 100);
            QVERIFY(beyond > casesPerRun / 100);
            QVERIFY(ties >= 5);
        }
    }

    // The terms are exact, so the order of the fractions must be too, equal fractions included.
    void fractionOrderMatchesExactOrder() {
        OperandSource source(0xf4ac);
        Failures failures;
        for (int i = 0; i < casesPerRun; ++i) {
            std::array<DecimalParts, 4> terms = {source.next().parts, source.next().parts,
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
            failures.expect(
                compareFractions(decimalOf(terms[0]), decimalOf(terms[1]), decimalOf(terms[2]),
                                 decimalOf(terms[3])) ==
                    (terms[0].value() / terms[1].value() <=> terms[2].value() / terms[3].value()),
                terms[0].text() + "/" + terms[1].text() + " against " + terms[2].text() + "/" +
                    terms[3].text());
        }
        QVERIFY2(failures.count == 0, qPrintable(failures.report()));
    }
};

QTEST_APPLESS_MAIN(DecimalPropertiesTest)
#include "test_decimal_properties.moc"
