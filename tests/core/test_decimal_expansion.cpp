// The exact decimal of a fraction with its period, and the program's decimal notation read back
// into a fraction.
#include <QTest>

#include "core/capacity_error.h"
#include "core/decimal_expansion.h"
#include "core/decimal_reading.h"
#include "core/fraction_order.h"

using namespace talvera::core;

namespace {

// "expand 7/8 8": the decimal of 7/8 in at most 8 places; "read 0.(3)": the fraction read.
QString outcome(const QString& call) {
    const QStringList words = call.split(' ');
    try {
        if (words[0] == u"read") {
            const auto fraction = readDecimal(words[1].toStdString());
            return fraction ? QString::fromStdString(fraction->numerator.toString() + "/" +
                                                     fraction->denominator.toString())
                            : QStringLiteral("nothing");
        }
        const QStringList terms = words[1].split('/');
        const auto expansion = expandDecimal({Decimal::parse(terms[0].toStdString()).value(),
                                              Decimal::parse(terms[1].toStdString()).value()},
                                             words[2].toULong());
        return expansion ? QString::fromStdString(expansion->text()) : QStringLiteral("nothing");
    } catch (const CapacityError&) {
        return QStringLiteral("capacity");
    }
}

void row(const char* call, const char* expected) {
    QTest::newRow(call) << QString(call) << QString(expected);
}

}  // namespace

class DecimalExpansionTest : public QObject {
    Q_OBJECT

  private slots:
    void table_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("expected");
        row("expand 157/1100 8", "0.14(27)");
        row("expand 1/3 8", "0.(3)");
        row("expand 7/8 8", "0.875");
        row("expand 1/-4 8", "-0.25");
        row("expand -1/-6 8", "0.1(6)");
        row("expand 22/7 6", "3.(142857)");
        row("expand 22/7 5", "nothing");
        row("expand 6/3 8", "2");
        row("expand 1/64 5", "nothing");
        row("expand 1/0 8", "capacity");
        row("expand 45474735088646411895751953124/45474735088646411895751953125 41",
            "0.99999999999999999999999999997800976744448");
        row("read 0.14(27)", "1413/9900");
        row("read 0.(3", "3/9");
        row("read -1.(3)", "-12/9");
        row("read 0.875", "875/1000");
        row("read -3", "-3/1");
        row("read +.(3)", "3/9");
        row("read 0.()", "nothing");
        row("read 0.(3)4", "nothing");
        row("read (3).5", "nothing");
        row("read 0,5", "nothing");
        row("read 0.00000000000000000000000000001", "capacity");
    }

    void table() {
        QFETCH(QString, call);
        QFETCH(QString, expected);
        QCOMPARE(outcome(call), expected);
    }

    // Every fraction's decimal reads back to its value, and its period is the shortest and
    // starts as early as it can. Twenty places keep every reading within the scaled decimal.
    void roundTrip() {
        for (int d = 1; d <= 120; ++d) {
            for (int n = -150; n <= 150; ++n) {
                const Fraction fraction{Decimal::fromInteger(n), Decimal::fromInteger(d)};
                const auto expansion = expandDecimal(fraction, 20);
                if (!expansion) {
                    continue;
                }
                const Fraction back = readDecimal(expansion->text()).value();
                QCOMPARE(compareFractions(back.numerator, back.denominator, fraction.numerator,
                                          fraction.denominator),
                         std::strong_ordering::equal);
                const std::string& p = expansion->period;
                QVERIFY(p.empty() || expansion->fixed.empty() ||
                        expansion->fixed.back() != p.back());
                QVERIFY(p.empty() || (p + p).find(p, 1) == p.size());  // no shorter block repeated
            }
        }
    }
};

QTEST_APPLESS_MAIN(DecimalExpansionTest)
#include "test_decimal_expansion.moc"
