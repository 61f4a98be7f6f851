#include <QtTest>

#include <string>
#include <string_view>
#include <vector>

#include "core/divisors.h"
#include "core/fraction.h"
#include "core/fraction_order.h"
#include "core/validation.h"
#include "core_test_support.h"

using namespace talvera::core;
using namespace talvera::core::testing;

namespace {

// The rules of each kind of task: plain checks, the Details page's sums (a negative denominator
// as typed, before the conversion), and the comparison (every term present, and a negative
// denominator by its converted value).
TermRules rulesNamed(const QString& name) {
    if (name == u"sum") {
        return {.negativeDenominators = NegativeCheck::OnText};
    }
    if (name == u"cmp") {
        return {.refusesEmptyTerms = true, .negativeDenominators = NegativeCheck::OnValue};
    }
    return {};
}

QString faultName(TermFault fault) {
    switch (fault) {
        case TermFault::EmptyTerm:
            return QStringLiteral("empty");
        case TermFault::NotNumeric:
            return QStringLiteral("not numeric");
        case TermFault::NegativeDenominator:
            return QStringLiteral("negative");
        case TermFault::NotWhole:
            return QStringLiteral("not whole");
        case TermFault::ZeroDenominator:
            return QStringLiteral("zero");
        case TermFault::None:
            break;
    }
    return QStringLiteral("ok");
}

}  // namespace

// Random operands check the divisors and the fraction order against exact values; these pin the
// values the program must show and the cases random operands do not reach.
class FractionsTest : public QObject {
    Q_OBJECT

  private slots:
    // Each pair is also checked the other way round: Euclid swaps its arguments on the first step.
    void divisors_data() {
        columns();
        example("12, 8", {"12", "8"}, "4");
        example("-12, 8", {"-12", "8"}, "4");
        example("7, 0", {"7", "0"}, "7");
        example("0, 5", {"0", "5"}, "5");
        example("0, 0", {"0", "0"}, "0");
        example("1, 1", {"1", "1"}, "1");
        example("fraction", {"0.015", "3"}, nothing);
    }

    void divisors() {
        check([](const auto& a) { return greatestCommonDivisor(dec(a[0]), dec(a[1])); });
        check([](const auto& a) { return greatestCommonDivisor(dec(a[1]), dec(a[0])); });
    }

    // As read back from result boxes.
    void divisorsOfTexts_data() {
        columns();
        example("exponent", {"1e2", "75"}, "25");
        example("letters", {"abc", "3"}, nothing);
        example("beyond the range", {"1e40", "3"}, capacityError);
    }

    void divisorsOfTexts() {
        check([](const auto& a) {
            return greatestCommonDivisor(a[0].toStdString(), a[1].toStdString());
        });
        check([](const auto& a) {
            return greatestCommonDivisor(a[1].toStdString(), a[0].toStdString());
        });
    }

    void multiples_data() {
        columns();
        const QString powerOfTwo48 = QStringLiteral("281474976710656");
        example("4, 6", {"4", "6"}, "12");
        example("5, 5", {"5", "5"}, "5");
        example("3, 7", {"3", "7"}, "21");
        example("large coprimes", {"999999937", "999999929"}, "999999866000004473");
        example("just fits", {powerOfTwo48, "281474976710655"}, "79228162514264056118567239680");
        example("just beyond", {powerOfTwo48, "281474976710657"}, capacityError);
    }

    void multiples() {
        check([](const auto& a) { return leastCommonMultiple(dec(a[0]), dec(a[1])); });
        check([](const auto& a) { return leastCommonMultiple(dec(a[1]), dec(a[0])); });
    }

    void reduce_data() {
        columns();
        example("zero numerator", {"0", "20"}, "0/1");
        example("zero over negative", {"0", "-20"}, "0/-1");
        example("common factor", {"30", "24"}, "5/4");
        example("sign stays below", {"1", "-6"}, "1/-6");
        example("both signs stay", {"-2", "-12"}, "-1/-6");
        example("zero over zero", {"0", "0"}, capacityError);
    }

    void reduce() {
        check([](const auto& a) {
            const Fraction reduced = talvera::core::reduce(dec(a[0]), dec(a[1]));
            return textOf(reduced.numerator) + "/" + textOf(reduced.denominator);
        });
    }

    // The operation, n1, d1, n2, d2, and the unreduced result as both pages form it.
    void fractionArithmetic_data() {
        columns();
        example("sum over the product", {"+", "1", "4", "15", "6"}, "66/24");
        example("difference", {"-", "1", "4", "1", "2"}, "-2/8");
        example("product", {"*", "5", "12", "18", "7"}, "90/84");
        example("quotient inverts the second", {"/", "5", "12", "7", "18"}, "90/84");
        example("quotient by a zero numerator", {"/", "1", "2", "0", "3"}, "3/0");
        example("signs stay where they fell", {"*", "-1", "2", "1", "-3"}, "-1/-6");
        example("denominators beyond the range", {"+", "1", bound, "1", "2"}, capacityError);
    }

    void fractionArithmetic() {
        check([](const auto& a) {
            const Fraction first{dec(a[1]), dec(a[2])};
            const Fraction second{dec(a[3]), dec(a[4])};
            const Fraction result = a[0] == u"+"   ? first + second
                                    : a[0] == u"-" ? first - second
                                    : a[0] == u"*" ? first * second
                                                   : first / second;
            return textOf(result.numerator) + "/" + textOf(result.denominator);
        });
    }

    // n, d: the whole value and the sign of n over d.
    void wholeValue_data() {
        columns();
        example("equal terms", {"7", "7"}, "1 1");
        example("equal terms beyond 32 bits", {bound, bound}, "1 1");
        example("divides", {"-12", "4"}, "-3 -1");
        example("both negative", {"-12", "-4"}, "3 1");
        example("does not divide", {"5", "4"}, "nothing 1");
        example("zero numerator", {"0", "5"}, "0 0");
        example("beyond the remainder integers", {"4294967296", "2"}, capacityError);
        example("zero denominator", {"3", "0"}, capacityError);
    }

    void wholeValue() {
        check([](const auto& a) {
            const Fraction fraction{dec(a[0]), dec(a[1])};
            const auto whole = talvera::core::wholeValue(fraction);
            return (whole ? textOf(*whole) : nothing) + " " +
                   QString::number(talvera::core::signOf(fraction));
        });
    }

    // n1, d1, n2, d2 and the order of n1/d1 against n2/d2.
    void compareFractions_data() {
        columns();
        const QString tinyStep = QStringLiteral("0.0000000000000000000000000001");
        // Both quotients round to the same 28 places, or do not fit at all: only the exact cross
        // products tell them apart.
        example("1/bound < 1/neighbour", {"1", bound, "1", boundLessOne}, "<");
        example("near one", {boundLessOne, bound, "79228162514264337593543950333", boundLessOne},
                ">");
        example("near one, negative denominators",
                {boundLessOne, "-" + bound, "79228162514264337593543950333", "-" + boundLessOne},
                "<");
        example("smallest step > 1/bound", {tinyStep, "1", "1", bound}, ">");
        example("both at scale 28", {"7.9228162514264337593543950335", bound, tinyStep, "1"}, "=");
    }

    void compareFractions() {
        check([](const auto& a) {
            const auto order =
                talvera::core::compareFractions(dec(a[0]), dec(a[1]), dec(a[2]), dec(a[3]));
            const auto back =
                talvera::core::compareFractions(dec(a[2]), dec(a[3]), dec(a[0]), dec(a[1]));
            const QChar symbol = std::is_lt(order) ? u'<' : (std::is_gt(order) ? u'>' : u'=');
            const bool mirrored =
                std::is_lt(back) == std::is_gt(order) && std::is_gt(back) == std::is_lt(order);
            return mirrored ? QString(symbol) : QStringLiteral("the other way round disagrees");
        });
    }

    // The check set ("ops" for plain checks, "sum" for the Details sums, "cmp" for the comparison),
    // then the boxes in order.
    void validateTerms_data() {
        columns();
        example("trailing point", {"ops", "5.", "2", "1", "2"}, "ok 5 2 1 2");
        example("exponent", {"ops", "1e2", "3", "1", "2"}, "ok 100 3 1 2");
        example("bound in full", {"ops", bound, bound}, "ok " + bound + " " + bound);
        example("negative denominator accepted", {"ops", "1", "-3", "1", "2"}, "ok 1 -3 1 2");
        // An empty box is not a zero: it fails the numeric check.
        example("empty numerator", {"ops", "", "2", "3", "4"}, "not numeric");
        // Every box is checked for a number before any is checked for being whole.
        example("decimal then letters", {"ops", "2.5", "3", "x", "4"}, "not numeric");
        example("zero denominator", {"ops", "1", "0", "1", "2"}, "zero");
        example("negative zero denominator", {"ops", "1", "2", "1", "-0"}, "zero");
        example("zero with places", {"ops", "1", "0.0", "1", "2"}, "zero");
        example("decimal over zero", {"ops", "2.5", "0", "1", "2"}, "not whole");
        example("above the bound", {"ops", "79228162514264337593543950336", "2"}, capacityError);
        example("30 digits", {"ops", "1", "100000000000000000000000000000"}, capacityError);
        example("overflow before decimal check", {"ops", "2.5", "3", "1", "1e30"}, capacityError);
        example("letters before overflow", {"ops", "1e30", "3", "x", "2"}, "not numeric");
        // Sums on the Details page refuse negative denominators, right after the numeric check.
        example("sum negative", {"sum", "1", "-4", "1", "2"}, "negative");
        example("sum negative before decimal", {"sum", "2.5", "3", "1", "-4"}, "negative");
        example("sum letters before negative", {"sum", "x", "-4", "1", "2"}, "not numeric");
        example("sum negative zero", {"sum", "1", "-0", "1", "2"}, "zero");
        // A denominator that reads as negative but converts to 0.
        example("sum negative tiny", {"sum", "1", "-1e-30", "1", "2"}, "negative");
        // The comparison: empty boxes first, then negative values after the conversion.
        example("cmp empty", {"cmp", "1", " ", "1", "2"}, "empty");
        example("cmp empty before letters", {"cmp", "x", "2", "", "2"}, "empty");
        example("cmp negative tiny", {"cmp", "1", "-1e-30", "1", "2"}, "zero");
        example("cmp negative decimal", {"cmp", "1", "-2.5", "1", "2"}, "negative");
        example("cmp decimal then negative", {"cmp", "2.5", "3", "1", "-4"}, "negative");
        example("cmp overflow before negative", {"cmp", "1", "-4", "1e30", "2"}, capacityError);
        example("cmp negative", {"cmp", "-1", "2", "3", "4"}, "ok -1 2 3 4");
    }

    void validateTerms() {
        check([](const auto& a) {
            const TermRules rules = rulesNamed(a[0]);
            std::vector<std::string> texts;
            texts.reserve(static_cast<std::size_t>(a.size()));  // the boxes view these texts
            std::vector<TermBox> boxes;
            for (const QString& box : a.mid(1)) {
                texts.push_back(box.toStdString());
                boxes.push_back({texts.back(), boxes.size() % 2 == 1});
            }
            const ValidatedTerms result = talvera::core::validateTerms(boxes, rules);
            QString outcome = faultName(result.fault);
            for (const Decimal& term : result.terms) {
                outcome += " " + textOf(term);
            }
            return outcome;
        });
    }
};

QTEST_APPLESS_MAIN(FractionsTest)
#include "test_fractions.moc"
