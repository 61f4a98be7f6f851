// The arithmetic of the decimal-to-fraction conversion, on inputs that passed its checks: the
// unreduced fraction, or where the program's capacity ends.
#include <QTest>

#include "core/capacity_error.h"
#include "operations/to_fraction_task.h"

namespace {
void row(const char* name, const char* input, const char* fraction) {
    QTest::newRow(name) << QString::fromUtf8(input) << QString::fromUtf8(fraction);
}
}  // namespace

class ToFractionTest : public QObject {
    Q_OBJECT
  private slots:
    void unreducedFraction_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("fraction");
        // Finite: the digits over a power of ten, exactly.
        row("nineteen digits", "0.1234567890123456789", "1234567890123456789/10000000000000000000");
        row("twenty-eight decimals", "0.1234567890123456789012345678",
            "1234567890123456789012345678/10000000000000000000000000000");
        row("exponent left in the digits", "1.5e-3", "0.015/10000");
        row("letters count as one character each", "1.2ç", "12/100");
        row("twenty-nine decimals", "0.12345678901234567890123456789", "capacity");
        row("numerator beyond the range", "99999999999999999999999999999.9", "capacity");
        // Repeating: ±(i * 10^a * (10^p - 1) + AP - A) over 10^a * (10^p - 1).
        row("default", "0.14(27)", "1413/9900");
        row("missing closing", "0.(3", "3/9");
        row("sign on the whole value", "-1.(3)", "-12/9");
        row("negative zero keeps its sign", "-0.(3)", "-3/9");
        row("sign without digits", "-.(3)", "-3/9");
        row("empty period", "0.5()", "0/0");
        row("integer part beyond 16 bits", "40000.(3)", "capacity");
        row("difference beyond 16 bits", "0.(123456)", "capacity");
        row("opening before the point", "(1.5)", "capacity");
    }

    void unreducedFraction() {
        QFETCH(QString, input);
        QFETCH(QString, fraction);
        QString found;
        try {
            const auto result = talvera::operations::decimalToFraction(input.toStdString());
            found = QString::fromStdString(result.numerator.toString() + "/" +
                                           result.denominator.toString());
        } catch (const talvera::core::CapacityError&) {
            found = QStringLiteral("capacity");
        }
        QCOMPARE(found, fraction);
    }
};

QTEST_APPLESS_MAIN(ToFractionTest)
#include "test_to_fraction.moc"
