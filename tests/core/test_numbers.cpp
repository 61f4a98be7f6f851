#include <QtTest>

#include <string>
#include <string_view>

#include "core/decimal.h"
#include "core/fixed_width.h"
#include "core/number_reading.h"
#include "core_test_support.h"

using namespace talvera::core;
using namespace talvera::core::testing;

namespace {

// The leading number of a text as a decimal; the double of the same rule must agree with it.
QString leadingOf(std::string_view text) {
    const QString value =
        outcomeOf([&] { return dec(QString::fromStdString(leadingNumberText(text))); });
    return leadingNumber(text) == value.toDouble() ? value : "another double than " + value;
}

}  // namespace

// Random operands cover ordinary arithmetic and reading; these pin the values the program must
// show digit for digit, and the edges random operands seldom land on.
class NumbersTest : public QObject {
    Q_OBJECT

  private slots:
    void arithmetic_data() {
        columns();
        const QString u64Max = QStringLiteral("18446744073709551615");
        // Exact ties at the bound, where rounding and overflow meet.
        example("add tie down to even", {boundLessOne, "+", "0.5"}, boundLessOne);
        example("add above the tie", {boundLessOne, "+", "0.5000000000000000000000000001"}, bound);
        example("add tie beyond the bound", {bound, "+", "0.5"}, capacityError);
        example("mul wide exact", {u64Max, "*", "2000000000"}, "36893488147419103230000000000");
        example("mul wide beyond", {u64Max, "*", "20000000000"}, capacityError);
        example("div 1/3", {"1", "/", "3"}, "0.3333333333333333333333333333");
        example("div 2/3", {"2", "/", "3"}, "0.6666666666666666666666666667");
        example("div 10/3", {"10", "/", "3"}, "3.3333333333333333333333333333");
        example("div 100/3", {"100", "/", "3"}, "33.333333333333333333333333333");
        example("div 200/3", {"200", "/", "3"}, "66.666666666666666666666666667");
        example("div 1/7", {"1", "/", "7"}, "0.1428571428571428571428571429");
        example("div bound by ten", {bound, "/", "10"}, "7922816251426433759354395033.5");
        example("div near one", {"-78228162514264337593543950335", "/", bound},
                "-0.987378225516463811113412343");
        example("div bound tie to even", {bound, "/", "2"}, "39614081257132168796771975168");
        example("div tiny tie to even", {"0.0000000000000000000000000003", "/", "2"},
                "0.0000000000000000000000000002");
        // Rounding that has to drop to fewer places must still see what lay beyond the 28th.
        example("div rest beyond 28", {"7.67954773919", "/", "-0.5140861094126607734528"},
                "-14.938251780356059895572089271");
        // A borrow that has to run through an all-zero middle word of the wide integer.
        example("sub borrow through zero", {"1373540178634609812812467773", "-", "3489660929e-28"},
                "1373540178634609812812467773");
        // The remainder comes from the exact truncated quotient, never from a rounded one.
        example("rem bound quotient would round up", {bound, "%", "2"}, "1");
    }

    void arithmetic() {
        check([](const auto& a) { return combine(a[1].at(0).toLatin1(), dec(a[0]), dec(a[2])); });
    }

    // Random operands are written with "e-" exponents and at most 28 places; these read the rest.
    void parse_data() {
        columns();
        example("long fraction, exponent", {"0.00000000000000000000000000000000000001e38"}, "1");
        // Digits beyond what fits round half to even, looking at every digit that follows.
        example("29 decimals", {"0.12345678901234567890123456789"},
                "0.1234567890123456789012345679");
        example("one place too many at the bound", {"7.9228162514264337593543950336"},
                "7.922816251426433759354395034");
        example("rounds to whole near bound", {"7922816251426433759354395033.55"},
                "7922816251426433759354395034");
        example("distant digit", {"1." + QString(60, u'0') + "1"}, "1");
        example("tie to even down", {"1.00000000000000000000000000005"}, "1");
        example("beyond the tie", {"1.000000000000000000000000000050001"},
                "1.0000000000000000000000000001");
        example("beyond the tie, fewer places",
                {"7922816251426433759354395034.5" + QString(27, u'0') + "1"},
                "7922816251426433759354395035");
        example("below the smallest step", {"1e-29"}, "0");
        example("a zero before the cut digit", {"9e-30"}, "0");
        example("just above half the smallest step", {"0.000000000000000000000000000051"},
                "0.0000000000000000000000000001");
        // Huge exponents must be read by value: neither walked digit by digit nor wrapped around.
        example("huge negative exponent", {"1e-999999999999999999999"}, "0");
        example("exponent 2^64", {"1e18446744073709551616"}, capacityError);
        example("above the bound", {"79228162514264337593543950336"}, capacityError);
        example("bound plus a half", {bound + ".5"}, capacityError);
    }

    void parse() {
        check([](const auto& a) { return Decimal::parse(a[0].toStdString()); });
    }

    // The numeric check and the decimal's reader share one grammar (beyond the range is numeric).
    void syntax_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        for (const char* text : {"-3", "+3", "5.", ".5", "2.5e-3", "-0.0", "007", "1e99999"}) {
            QTest::addRow("numeric \"%s\"", text) << QString::fromUtf8(text) << true;
        }
        for (const char* text : {"", " 1", "1 ", "\t1", "+", "-", ".", "+.", ".e1", "1e", "1e+",
                                 "1.2.3", "--1", "1,5", "0x10", "1e2.5", "1x", "NaN", "１"}) {
            QTest::addRow("not numeric \"%s\"", text) << QString::fromUtf8(text) << false;
        }
    }

    void syntax() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(isNumeric(text.toStdString()), numeric);
        QCOMPARE(outcomeOf([&] { return Decimal::parse(text.toStdString()); }) != nothing, numeric);
    }

    void leadingNumbers_data() {
        columns();
        example("inner blank skipped", {"1 2"}, "12");
        example("tabs and line feeds skipped", {"\t1\n2 3"}, "123");
        example("no number", {"abc"}, "0");
        example("exponent", {"15e-3"}, "0.015");
        example("second point ends it", {"2.5.7"}, "2.5");
        example("sign and point", {"+.5x"}, "0.5");
        // Beyond the double's range is beyond the program's; below it reads as 0.
        example("just beyond the largest double", {"1.8e308"}, capacityError);
        example("padded, with letters after", {"  9 e 999xyz"}, capacityError);
        example("below the smallest double", {"1e-400"}, "0");
    }

    void leadingNumbers() {
        check([](const auto& a) { return leadingOf(a[0].toStdString()); });
    }

    void remainderIntegers_data() {
        columns();
        example("largest", {"2147483647"}, "2147483647");
        example("half to even down", {"2.5"}, "2");
        example("just above a tie", {"2.5000000000000000000000000001"}, "3");
        example("rounds past largest", {"2147483647.5"}, capacityError);
        example("rounds back to smallest", {"-2147483648.5"}, "-2147483648");
    }

    void remainderIntegers() {
        check([](const auto& a) { return toRemainderInteger(dec(a[0])); });
    }

    void remainders_data() {
        columns();
        example("-7 mod 2", {"-7", "2"}, "-1");
        example("smallest mod -1", {"-2147483648", "-1"}, "0");
        example("smallest mod largest", {"-2147483648", "2147483647"}, "-1");
        example("operands rounded first", {"7.5", "2"}, "0");
        example("by zero", {"7", "0"}, capacityError);
        example("divisor rounds to zero", {"7", "0.4"}, capacityError);
    }

    void remainders() {
        check([](const auto& a) { return remainder32(dec(a[0]), dec(a[1])); });
    }

    // The text goes through QString::toDouble, which also reads "nan" and "inf".
    void int16Values_data() {
        columns();
        example("largest", {"32767"}, "32767");
        example("half to even down", {"2.5"}, "2");
        example("just above a tie", {"2.5000001"}, "3");
        example("rounds past largest", {"32767.5"}, capacityError);
        example("rounds back to smallest", {"-32768.5"}, "-32768");
        example("rounds past smallest", {"-32768.6"}, capacityError);
        example("not a number", {"nan"}, capacityError);
    }

    void int16Values() {
        check([](const auto& a) { return toInt16(a[0].toDouble()); });
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
