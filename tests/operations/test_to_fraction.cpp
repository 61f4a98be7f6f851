// The arithmetic of the decimal-to-fraction conversion, on inputs that passed its checks.
#include <QTest>

#include "core/capacity_error.h"
#include "operations/to_fraction_task.h"

using talvera::core::CapacityError;
using talvera::operations::decimalToFraction;

class ToFractionTest : public QObject {
    Q_OBJECT
  private slots:
    void unreducedFraction_data();
    void unreducedFraction();
    void capacity_data();
    void capacity();
};

void ToFractionTest::unreducedFraction_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");

    // Finite: the digits over a power of ten.
    QTest::newRow("three quarters") << "0.75"
                                    << "75"
                                    << "100";
    QTest::newRow("point at the end") << "5."
                                      << "5"
                                      << "1";
    QTest::newRow("negative") << "-0.5"
                              << "-5"
                              << "10";
    QTest::newRow("large integer part") << "40000.5"
                                        << "400005"
                                        << "10";
    QTest::newRow("nineteen digits, exactly") << "0.1234567890123456789"
                                              << "1234567890123456789"
                                              << "10000000000000000000";
    QTest::newRow("twenty-eight decimals") << "0.1234567890123456789012345678"
                                           << "1234567890123456789012345678"
                                           << "10000000000000000000000000000";
    QTest::newRow("exponent left in the digits") << "1.5e-3"
                                                 << "0.015"
                                                 << "10000";
    QTest::newRow("letters count as one character each") << "1.2ç"
                                                         << "12"
                                                         << "100";

    // Repeating: ±(i * 10^a * (10^p - 1) + AP - A) over 10^a * (10^p - 1).
    QTest::newRow("default") << "0.14(27)"
                             << "1413"
                             << "9900";
    QTest::newRow("pure period") << "0.(3)"
                                 << "3"
                                 << "9";
    QTest::newRow("integer part") << "1.2(54)"
                                  << "1242"
                                  << "990";
    QTest::newRow("missing closing") << "0.(3"
                                     << "3"
                                     << "9";
    QTest::newRow("nines") << "0.(9)"
                           << "9"
                           << "9";
    QTest::newRow("sign on the whole value") << "-1.(3)"
                                             << "-12"
                                             << "9";
    QTest::newRow("negative zero keeps its sign") << "-0.(3)"
                                                  << "-3"
                                                  << "9";
    QTest::newRow("sign without digits") << "-.(3)"
                                         << "-3"
                                         << "9";
    QTest::newRow("empty period") << "0.5()"
                                  << "0"
                                  << "0";
    QTest::newRow("largest 16-bit integer part") << "32767.(3)"
                                                 << "294906"
                                                 << "9";
}

void ToFractionTest::unreducedFraction() {
    QFETCH(QString, input);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    const auto fraction = decimalToFraction(input.toStdString());
    QCOMPARE(QString::fromStdString(fraction.numerator.toString()), numerator);
    QCOMPARE(QString::fromStdString(fraction.denominator.toString()), denominator);
}

void ToFractionTest::capacity_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("integer part beyond 16 bits") << "40000.(3)";
    QTest::newRow("difference beyond 16 bits") << "0.(123456)";
    QTest::newRow("opening before the point") << "(1.5)";
    QTest::newRow("twenty-nine decimals") << "0.12345678901234567890123456789";
    QTest::newRow("numerator beyond the range") << "99999999999999999999999999999.9";
}

void ToFractionTest::capacity() {
    QFETCH(QString, input);
    QVERIFY_THROWS_EXCEPTION(CapacityError, decimalToFraction(input.toStdString()));
}

QTEST_APPLESS_MAIN(ToFractionTest)
#include "test_to_fraction.moc"
