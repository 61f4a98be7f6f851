// The number core: random operands against their exact values, and the values it must give
// digit for digit where random operands, the pages and the fuzz corpora seldom reach.
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/capacity_error.h"
#include "core/divisors.h"
#include "core/fixed_width.h"
#include "core/fraction_order.h"
#include "core/validation.h"
#include "reference.h"

using namespace talvera::core;
using talvera::reference::Rational;
namespace reference = talvera::reference;

namespace {

constexpr int casesPerRun = 3000;

// A random operand: ± magnitude / 10^scale (the scale not reduced), and one way of writing it.
struct Operand {
    bool negative = false;
    UInt128 magnitude = 0;
    int scale = 0;
    std::string text;
    Rational value() const {
        return {negative ? -reference::integer(magnitude) : reference::integer(magnitude),
                reference::tenTo(static_cast<std::size_t>(scale))};
    }
};

// Operands where decimal code goes wrong: zero, the bound, powers of 2 and 10, any scale and
// spelling.
class OperandSource {
  public:
    explicit OperandSource(std::uint64_t seed) : random_(seed) {}

    std::uint64_t below(std::uint64_t limit) { return random_() % limit; }

    // Beside another, at times the same value again, maybe negated: equal values and zeros.
    Operand next(const Operand* beside = nullptr) {
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
        Operand operand{below(2) == 0, magnitudes.at(std::min<std::uint64_t>(below(10), 4)),
                        below(3) == 0 ? 0 : static_cast<int>(below(Decimal::maxScale + 1)), ""};
        if (beside != nullptr && below(8) == 0) {
            operand = {operand.negative, beside->magnitude, beside->scale, ""};
        }
        const std::string plain = reference::text(abs(operand.value()));
        const std::array<std::string, 4> spellings = {
            plain, "00" + plain,
            plain + (plain.find('.') == std::string::npos ? "." : "") + std::string(below(5), '0'),
            reference::integer(operand.magnitude).str() + (below(2) == 0 ? "e-" : "E-") +
                std::to_string(operand.scale)};
        operand.text =
            (operand.negative ? "-" : (below(4) == 0 ? "+" : "")) + spellings.at(below(4));
        return operand;
    }

  private:
    std::mt19937_64 random_;
};

// A decimal against the value it must hold: the value, the canonical text and scale, the signs.
std::string outcome(const Decimal& actual, const Rational& expected) {
    const bool holds =
        reference::exact(actual) == expected && actual.toString() == reference::text(expected) &&
        actual.isZero() == (expected == 0) && actual.isWhole() == (actual.scale() == 0) &&
        (-actual).isNegative() == (expected > 0);
    return holds ? reference::text(expected)
                 : actual.toString() + " (scale " + std::to_string(actual.scale()) + ")";
}

const QString capacity = QStringLiteral("CapacityError");
const QString nothing = QStringLiteral("nothing");
// The bound of the scaled decimal, 2^96 - 1, and its neighbour: the edge most faults live at.
const QString bound = QStringLiteral("79228162514264337593543950335");
const QString boundLessOne = QStringLiteral("79228162514264337593543950334");

QString shown(const std::optional<Decimal>& value) {
    return value ? QString::fromStdString(value->toString()) : nothing;
}
QString shown(const Fraction& value) {
    return shown(value.numerator) + "/" + shown(value.denominator);
}
QString shown(std::strong_ordering order) {
    return QChar(std::is_lt(order) ? u'<' : (std::is_gt(order) ? u'>' : u'='));
}

// The same outcome with the arguments either way round, or a note that it differs.
QString either(const QString& one, const QString& other) {
    return one == other ? one : one + ", but the other way round " + other;
}

// The term validation by rules "ops", "sum" (Details sums) or "cmp" (the comparison).
QString validated(const QStringList& a) {
    const TermRules rules = a[1] == u"sum"
                                ? TermRules{.negativeDenominators = NegativeCheck::OnText}
                            : a[1] == u"cmp" ? TermRules{true, NegativeCheck::OnValue}
                                             : TermRules{};
    std::vector<std::string> texts(static_cast<std::size_t>(a.size() - 2));
    std::ranges::transform(a.mid(2), texts.begin(), &QString::toStdString);
    std::vector<TermBox> boxes;  // they view the texts
    boxes.reserve(texts.size());
    for (const std::string& text : texts) {
        boxes.push_back({text, boxes.size() % 2 == 1});
    }
    const ValidatedTerms result = validateTerms(boxes, rules);
    const std::array<const char*, 6> faults{"ok",       "empty",     "not numeric",
                                            "negative", "not whole", "zero"};
    QString outcome = faults.at(static_cast<std::size_t>(result.fault));
    for (const Decimal& term : result.terms) {
        outcome += " " + shown(term);
    }
    return outcome;
}

QString computed(const QStringList& a) try {
    // A number the parser refuses throws, which fails only its own row.
    const auto d = [&a](int i) { return Decimal::parse(a[i].toStdString()).value(); };
    const auto s = [&a](int i) { return a[i].toStdString(); };
    const QString& function = a[0];
    if (function == u"int32" || function == u"int16") {
        return QString::number(function == u"int32" ? toRemainderInteger(d(1))
                                                    : toInt16(a[1].toDouble()));
    }
    if (function == u"mod") {
        return QString::number(remainder32(d(1), d(2)));
    }
    // Euclid swaps its arguments on the first step, so divisors go both ways.
    if (function == u"gcd") {
        return either(shown(greatestCommonDivisor(d(1), d(2))),
                      shown(greatestCommonDivisor(d(2), d(1))));
    }
    if (function == u"gcd of texts") {
        return shown(greatestCommonDivisor(s(1), s(2)));
    }
    if (function == u"lcm") {
        return either(shown(leastCommonMultiple(d(1), d(2))),
                      shown(leastCommonMultiple(d(2), d(1))));
    }
    if (function == u"reduce") {
        return shown(reduce(d(1), d(2)));
    }
    if (function == u"/") {
        return shown(Fraction{d(1), d(2)} / Fraction{d(3), d(4)});
    }
    if (function == u"whole") {
        return shown(wholeValue({d(1), d(2)})) + " " + QString::number(signOf({d(1), d(2)}));
    }
    if (function == u"order") {
        return either(shown(compareFractions(d(1), d(2), d(3), d(4))),
                      shown(reversed(compareFractions(d(3), d(4), d(1), d(2)))));
    }
    return validated(a);
} catch (const CapacityError&) {
    return capacity;
}

void row(const char* name, const QStringList& arguments, const QString& expected) {
    QTest::newRow(name) << arguments << expected;
}

}  // namespace

class CoreTest : public QObject {
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
        QStringList failures;  // the first few show the pattern of a fault
        const auto expect = [&failures](bool holds, const std::string& line) {
            failures << (holds ? QString() : QString::fromStdString(line));
        };
        std::array<int, 4> reached{};  // equal operands, rounded results, ties, beyond the range
        for (int i = 0; i < casesPerRun; ++i) {
            const Operand a = source.next();
            const Operand b = source.next(&a);
            const Decimal x = Decimal::parse(a.text).value();
            const Decimal y = Decimal::parse(b.text).value();
            for (const auto& [read, operand] : {std::pair{x, a}, std::pair{y, b}}) {
                const Rational value = reference::nearest(operand.value()).value();
                expect(outcome(read, value) == reference::text(value),
                       operand.text + " reads as " + outcome(read, value));
            }
            const int order = a.value().compare(b.value());
            expect((x <=> y) == (order <=> 0) && (x == y) == (order == 0) &&
                       (y <=> x) == (0 <=> order),
                   a.text + " against " + b.text + ": wrong order");

            const bool byZero = (operation == '/' || operation == '%') && y.isZero();
            const Rational exact =
                byZero ? Rational(0) : reference::combine(operation, a.value(), b.value());
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
            expect(actual == wanted, std::string(a.text)
                                         .append(" ")
                                         .append(1, operation)
                                         .append(" " + b.text + ": expected " + wanted)
                                         .append(", got " + actual));
        }
        failures.removeAll({});
        QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 10).join('\n')));
        // The run must reach each case to prove anything; a remainder is exact and always fits.
        QVERIFY(reached[0] > casesPerRun / 50);
        QVERIFY(operation == '%' ? reached[1] + reached[3] == 0
                                 : reached[1] > casesPerRun / 100 && reached[2] >= 5 &&
                                       reached[3] > casesPerRun / 100);
    }

    void values_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");

        // The fixed-width integers round half to even before their range is checked.
        row("largest remainder integer", {"int32", "2147483647"}, "2147483647");
        row("int32 half to even down", {"int32", "2.5"}, "2");
        row("int32 just above a tie", {"int32", "2.5000000000000000000000000001"}, "3");
        row("int32 rounds past largest", {"int32", "2147483647.5"}, capacity);
        row("int32 rounds back to smallest", {"int32", "-2147483648.5"}, "-2147483648");
        row("-7 mod 2", {"mod", "-7", "2"}, "-1");
        row("smallest mod -1", {"mod", "-2147483648", "-1"}, "0");
        row("smallest mod largest", {"mod", "-2147483648", "2147483647"}, "-1");
        row("operands rounded first", {"mod", "7.5", "2"}, "0");
        row("mod by zero", {"mod", "7", "0"}, capacity);
        row("divisor rounds to zero", {"mod", "7", "0.4"}, capacity);
        // Read through QString::toDouble, which also reads "nan".
        row("largest int16", {"int16", "32767"}, "32767");
        row("int16 half to even down", {"int16", "2.5"}, "2");
        row("int16 just above a tie", {"int16", "2.5000001"}, "3");
        row("int16 rounds past largest", {"int16", "32767.5"}, capacity);
        row("int16 rounds back to smallest", {"int16", "-32768.5"}, "-32768");
        row("int16 rounds past smallest", {"int16", "-32768.6"}, capacity);
        row("int16 not a number", {"int16", "nan"}, capacity);

        row("gcd 7, 0", {"gcd", "7", "0"}, "7");
        row("gcd 0, 0", {"gcd", "0", "0"}, "0");
        row("gcd of a fraction", {"gcd", "0.015", "3"}, nothing);
        row("gcd of an exponent", {"gcd of texts", "1e2", "75"}, "25");
        row("gcd of letters", {"gcd of texts", "abc", "3"}, nothing);
        row("gcd beyond the range", {"gcd of texts", "1e40", "3"}, capacity);
        row("lcm of large coprimes", {"lcm", "999999937", "999999929"}, "999999866000004473");
        row("lcm just fits", {"lcm", "281474976710656", "281474976710655"},
            "79228162514264056118567239680");
        row("lcm just beyond", {"lcm", "281474976710656", "281474976710657"}, capacity);
        row("reduce zero over zero", {"reduce", "0", "0"}, capacity);

        // Fractions as the pages form them, unreduced: what no page reaches.
        row("quotient by a zero numerator", {"/", "1", "2", "0", "3"}, "3/0");
        row("equal terms beyond 32 bits", {"whole", bound, bound}, "1 1");
        row("beyond the remainder integers", {"whole", "4294967296", "2"}, capacity);
        row("whole of a zero denominator", {"whole", "3", "0"}, capacity);
        // Quotients that round alike, or do not fit: only exact cross products tell them apart.
        const QString tinyStep = QStringLiteral("0.0000000000000000000000000001");
        const QString belowLess = QStringLiteral("79228162514264337593543950333");
        row("one negative denominator", {"order", "1", "-2", "1", "3"}, "<");
        row("zero over a negative denominator", {"order", "0", "-1", "0", "1"}, "=");
        row("equal at other scales", {"order", "-0.25", "-1", "10", "40"}, "=");
        row("1/bound < 1/neighbour", {"order", "1", bound, "1", boundLessOne}, "<");
        row("near one", {"order", boundLessOne, bound, belowLess, boundLessOne}, ">");
        row("near one, negative denominators",
            {"order", boundLessOne, "-" + bound, belowLess, "-" + boundLessOne}, "<");
        row("smallest step > 1/bound", {"order", tinyStep, "1", "1", bound}, ">");
        row("both at scale 28", {"order", "7.9228162514264337593543950335", bound, tinyStep, "1"},
            "=");

        row("bound in full", {"validate", "ops", bound, bound}, "ok " + bound + " " + bound);
        // Every box passes the numeric check before any is checked for being whole.
        row("decimal then letters", {"validate", "ops", "2.5", "3", "x", "4"}, "not numeric");
        row("negative zero denominator", {"validate", "ops", "1", "2", "1", "-0"}, "zero");
        row("decimal over zero", {"validate", "ops", "2.5", "0", "1", "2"}, "not whole");
        row("overflow before decimal check", {"validate", "ops", "2.5", "3", "1", "1e30"},
            capacity);
        row("letters before overflow", {"validate", "ops", "1e30", "3", "x", "2"}, "not numeric");
        // Sums on the Details page refuse negative denominators, right after the numeric check.
        row("sum negative before decimal", {"validate", "sum", "2.5", "3", "1", "-4"}, "negative");
        row("sum letters before negative", {"validate", "sum", "x", "-4", "1", "2"}, "not numeric");
        // A denominator that reads as negative but converts to 0.
        row("sum negative tiny", {"validate", "sum", "1", "-1e-30", "1", "2"}, "negative");
        // The comparison: empty boxes first, then negative values after the conversion.
        row("cmp empty before letters", {"validate", "cmp", "x", "2", "", "2"}, "empty");
        row("cmp negative tiny", {"validate", "cmp", "1", "-1e-30", "1", "2"}, "zero");
        row("cmp decimal then negative", {"validate", "cmp", "2.5", "3", "1", "-4"}, "negative");
        row("cmp overflow before negative", {"validate", "cmp", "1", "-4", "1e30", "2"}, capacity);
    }

    void values() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QCOMPARE(computed(arguments), expected);
    }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "test_core.moc"
