// The values the number core must give digit for digit, and the edges random operands and the
// fuzz corpora seldom reach. Each row names a function, its arguments, and the outcome as text.
#include <QtTest>

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "core/capacity_error.h"
#include "core/decimal_fraction.h"
#include "core/divisors.h"
#include "core/fixed_width.h"
#include "core/fraction_order.h"
#include "core/number_reading.h"
#include "core/validation.h"

using namespace talvera::core;

namespace {

const QString capacity = QStringLiteral("CapacityError");
const QString nothing = QStringLiteral("nothing");
// The bound of the scaled decimal, 2^96 - 1, and its neighbour: the edge most faults live at.
const QString bound = QStringLiteral("79228162514264337593543950335");
const QString boundLessOne = QStringLiteral("79228162514264337593543950334");

// A number of a row; one the parser refuses throws, which fails only its own row.
Decimal dec(const QString& text) {
    return Decimal::parse(text.toStdString()).value();
}

QString shown(const Decimal& value) {
    return QString::fromStdString(value.toString());
}
QString shown(const std::optional<Decimal>& value) {
    return value ? shown(*value) : nothing;
}
QString shown(const Fraction& value) {
    return shown(value.numerator) + "/" + shown(value.denominator);
}
QString shown(std::strong_ordering order) {
    return std::is_lt(order) ? "<" : (std::is_gt(order) ? ">" : "=");
}

// The same outcome with the arguments either way round, or a note that it differs.
QString either(const QString& one, const QString& other) {
    return one == other ? one : one + ", but the other way round " + other;
}

// The rules of each kind of task: plain checks ("ops"), the Details page's sums (a negative
// denominator as typed, before the conversion) and the comparison (every term present, and a
// negative denominator by its converted value). The boxes alternate numerator and denominator.
QString validated(const QStringList& a) {
    const TermRules rules = a[1] == u"sum"
                                ? TermRules{.negativeDenominators = NegativeCheck::OnText}
                            : a[1] == u"cmp" ? TermRules{true, NegativeCheck::OnValue}
                                             : TermRules{};
    std::vector<std::string> texts;
    std::vector<TermBox> boxes;
    texts.reserve(static_cast<std::size_t>(a.size()));  // the boxes view these texts
    for (const QString& box : a.mid(2)) {
        texts.push_back(box.toStdString());
        boxes.push_back({texts.back(), boxes.size() % 2 == 1});
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

QString computed(const QStringList& a) {
    const auto d = [&a](int i) { return dec(a[i]); };
    const auto s = [&a](int i) { return a[i].toStdString(); };
    const QString& function = a[0];
    if (function == u"leading") {
        // The leading number as a decimal; the double of the same rule must agree with it.
        const QString value = shown(Decimal::parse(leadingNumberText(s(1))));
        return leadingNumber(s(1)) == value.toDouble() ? value : "another double than " + value;
    }
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
        return either(shown(greatestCommonDivisor(s(1), s(2))),
                      shown(greatestCommonDivisor(s(2), s(1))));
    }
    if (function == u"lcm") {
        return either(shown(leastCommonMultiple(d(1), d(2))),
                      shown(leastCommonMultiple(d(2), d(1))));
    }
    if (function == u"reduce") {
        return shown(reduce(d(1), d(2)));
    }
    if (function == u"+" || function == u"-" || function == u"*" || function == u"/") {
        const Fraction x{d(1), d(2)};
        const Fraction y{d(3), d(4)};
        return shown(function == u"+"   ? x + y
                     : function == u"-" ? x - y
                     : function == u"*" ? x * y
                                        : x / y);
    }
    if (function == u"whole") {
        return shown(wholeValue({d(1), d(2)})) + " " + QString::number(signOf({d(1), d(2)}));
    }
    if (function == u"order") {
        return either(shown(compareFractions(d(1), d(2), d(3), d(4))),
                      shown(reversed(compareFractions(d(3), d(4), d(1), d(2)))));
    }
    if (function == u"validate") {
        return validated(a);
    }
    return shown(decimalToFraction(s(1)));
}

void row(const char* name, const QStringList& arguments, const QString& expected) {
    QTest::newRow(name) << arguments << expected;
}

}  // namespace

class CoreTest : public QObject {
    Q_OBJECT

  private slots:
    void values_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        row("inner blank skipped", {"leading", "1 2"}, "12");
        row("tabs and line feeds skipped", {"leading", "\t1\n2 3"}, "123");
        row("no number", {"leading", "abc"}, "0");
        row("exponent", {"leading", "15e-3"}, "0.015");
        row("second point ends it", {"leading", "2.5.7"}, "2.5");
        row("sign and point", {"leading", "+.5x"}, "0.5");
        // Beyond the double's range is beyond the program's; below it reads as 0.
        row("just beyond the largest double", {"leading", "1.8e308"}, capacity);
        row("padded, with letters after", {"leading", "  9 e 999xyz"}, capacity);
        row("below the smallest double", {"leading", "1e-400"}, "0");

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

        row("gcd 12, 8", {"gcd", "12", "8"}, "4");
        row("gcd -12, 8", {"gcd", "-12", "8"}, "4");
        row("gcd 7, 0", {"gcd", "7", "0"}, "7");
        row("gcd 0, 0", {"gcd", "0", "0"}, "0");
        row("gcd 1, 1", {"gcd", "1", "1"}, "1");
        row("gcd of a fraction", {"gcd", "0.015", "3"}, nothing);
        // As read back from result boxes.
        row("gcd of an exponent", {"gcd of texts", "1e2", "75"}, "25");
        row("gcd of letters", {"gcd of texts", "abc", "3"}, nothing);
        row("gcd beyond the range", {"gcd of texts", "1e40", "3"}, capacity);
        row("lcm 4, 6", {"lcm", "4", "6"}, "12");
        row("lcm 5, 5", {"lcm", "5", "5"}, "5");
        row("lcm of large coprimes", {"lcm", "999999937", "999999929"}, "999999866000004473");
        row("lcm just fits", {"lcm", "281474976710656", "281474976710655"},
            "79228162514264056118567239680");
        row("lcm just beyond", {"lcm", "281474976710656", "281474976710657"}, capacity);
        row("reduce zero numerator", {"reduce", "0", "20"}, "0/1");
        row("reduce zero over negative", {"reduce", "0", "-20"}, "0/-1");
        row("reduce common factor", {"reduce", "30", "24"}, "5/4");
        row("reduce keeps the sign below", {"reduce", "1", "-6"}, "1/-6");
        row("reduce keeps both signs", {"reduce", "-2", "-12"}, "-1/-6");
        row("reduce zero over zero", {"reduce", "0", "0"}, capacity);

        // Fractions as both pages form them, unreduced.
        row("sum over the product", {"+", "1", "4", "15", "6"}, "66/24");
        row("difference", {"-", "1", "4", "1", "2"}, "-2/8");
        row("product", {"*", "5", "12", "18", "7"}, "90/84");
        row("quotient inverts the second", {"/", "5", "12", "7", "18"}, "90/84");
        row("quotient by a zero numerator", {"/", "1", "2", "0", "3"}, "3/0");
        row("signs stay where they fell", {"*", "-1", "2", "1", "-3"}, "-1/-6");
        row("denominators beyond the range", {"+", "1", bound, "1", "2"}, capacity);
        // The whole value and the sign of n over d.
        row("equal terms", {"whole", "7", "7"}, "1 1");
        row("equal terms beyond 32 bits", {"whole", bound, bound}, "1 1");
        row("divides", {"whole", "-12", "4"}, "-3 -1");
        row("both negative", {"whole", "-12", "-4"}, "3 1");
        row("does not divide", {"whole", "5", "4"}, "nothing 1");
        row("zero numerator", {"whole", "0", "5"}, "0 0");
        row("beyond the remainder integers", {"whole", "4294967296", "2"}, capacity);
        row("whole of a zero denominator", {"whole", "3", "0"}, capacity);
        // Both quotients round to the same 28 places, or do not fit at all: only the exact cross
        // products tell them apart.
        const QString tinyStep = QStringLiteral("0.0000000000000000000000000001");
        const QString belowLess = QStringLiteral("79228162514264337593543950333");
        row("1/bound < 1/neighbour", {"order", "1", bound, "1", boundLessOne}, "<");
        row("near one", {"order", boundLessOne, bound, belowLess, boundLessOne}, ">");
        row("near one, negative denominators",
            {"order", boundLessOne, "-" + bound, belowLess, "-" + boundLessOne}, "<");
        row("smallest step > 1/bound", {"order", tinyStep, "1", "1", bound}, ">");
        row("both at scale 28", {"order", "7.9228162514264337593543950335", bound, tinyStep, "1"},
            "=");

        // The term validation: which check fails first, or the converted terms.
        row("trailing point", {"validate", "ops", "5.", "2", "1", "2"}, "ok 5 2 1 2");
        row("exponent term", {"validate", "ops", "1e2", "3", "1", "2"}, "ok 100 3 1 2");
        row("bound in full", {"validate", "ops", bound, bound}, "ok " + bound + " " + bound);
        row("negative denominator accepted", {"validate", "ops", "1", "-3", "1", "2"},
            "ok 1 -3 1 2");
        // An empty box is not a zero: it fails the numeric check, which every box passes before
        // any is checked for being whole.
        row("empty numerator", {"validate", "ops", "", "2", "3", "4"}, "not numeric");
        row("decimal then letters", {"validate", "ops", "2.5", "3", "x", "4"}, "not numeric");
        row("zero denominator", {"validate", "ops", "1", "0", "1", "2"}, "zero");
        row("negative zero denominator", {"validate", "ops", "1", "2", "1", "-0"}, "zero");
        row("zero with places", {"validate", "ops", "1", "0.0", "1", "2"}, "zero");
        row("decimal over zero", {"validate", "ops", "2.5", "0", "1", "2"}, "not whole");
        row("above the bound", {"validate", "ops", "79228162514264337593543950336", "2"}, capacity);
        row("30 digits", {"validate", "ops", "1", "100000000000000000000000000000"}, capacity);
        row("overflow before decimal check", {"validate", "ops", "2.5", "3", "1", "1e30"},
            capacity);
        row("letters before overflow", {"validate", "ops", "1e30", "3", "x", "2"}, "not numeric");
        // Sums on the Details page refuse negative denominators, right after the numeric check.
        row("sum negative", {"validate", "sum", "1", "-4", "1", "2"}, "negative");
        row("sum negative before decimal", {"validate", "sum", "2.5", "3", "1", "-4"}, "negative");
        row("sum letters before negative", {"validate", "sum", "x", "-4", "1", "2"}, "not numeric");
        row("sum negative zero", {"validate", "sum", "1", "-0", "1", "2"}, "zero");
        // A denominator that reads as negative but converts to 0.
        row("sum negative tiny", {"validate", "sum", "1", "-1e-30", "1", "2"}, "negative");
        // The comparison: empty boxes first, then negative values after the conversion.
        row("cmp empty", {"validate", "cmp", "1", " ", "1", "2"}, "empty");
        row("cmp empty before letters", {"validate", "cmp", "x", "2", "", "2"}, "empty");
        row("cmp negative tiny", {"validate", "cmp", "1", "-1e-30", "1", "2"}, "zero");
        row("cmp negative decimal", {"validate", "cmp", "1", "-2.5", "1", "2"}, "negative");
        row("cmp decimal then negative", {"validate", "cmp", "2.5", "3", "1", "-4"}, "negative");
        row("cmp overflow before negative", {"validate", "cmp", "1", "-4", "1e30", "2"}, capacity);
        row("cmp negative", {"validate", "cmp", "-1", "2", "3", "4"}, "ok -1 2 3 4");

        // The conversion's arithmetic on decimals longer than its box takes (the conversion's
        // fuzz corpus checks the rest): the digits over a power of ten where they fit, the
        // reduced fraction where only that fits, or where the program's capacity ends.
        row("numerator beyond the range", {"decimal", "99999999999999999999999999999.9"}, capacity);
        row("fits once the fives go", {"decimal", "0.0000000000009094947017729282379150390625"},
            "1/1099511627776");
        // 2^-95 and 2^-96, each written out in full.
        row("the largest reduced denominator",
            {"decimal", "0." + QString(28, u'0') +
                            "2524354896707237777317531408904915934954260592348873615264892578125"},
            "1/39614081257132168796771975168");
        row("one place more",
            {"decimal", "0." + QString(28, u'0') +
                            "12621774483536188886587657044524579674771302961744368076324462890625"},
            capacity);
        row("denominator beyond the range after reduction",
            {"decimal", "0." + QString(49, u'0') + "5"}, capacity);
        row("trailing zeros beyond the scale", {"decimal", "-2.5" + QString(38, u'0')}, "-5/2");
        row("odd and beyond the range after reduction", {"decimal", bound + ".5"}, capacity);
        row("zero with many places", {"decimal", "-0." + QString(33, u'0')}, "0/1");
        row("repeating, unreduced", {"decimal", "-1.(3)"}, "-12/9");
        row("empty period", {"decimal", "0.5()"}, "0/0");
    }

    void values() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QString outcome;
        try {
            outcome = computed(arguments);
        } catch (const CapacityError&) {
            outcome = capacity;
        } catch (const std::exception& error) {
            outcome = QStringLiteral("unexpected exception: ") + QString::fromUtf8(error.what());
        }
        QCOMPARE(outcome, expected);
    }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "test_core.moc"
