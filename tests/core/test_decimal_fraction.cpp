// The decimal-to-fraction conversion: which inputs its notation check lets through, and the
// arithmetic on those: the unreduced fraction, the reduced one where only that fits, or where
// the program's capacity ends.
#include <QTest>

#include "core/capacity_error.h"
#include "core/decimal_fraction.h"
#include "core/decimal_notation.h"

namespace {
void row(const char* name, const char* input, const char* fraction) {
    QTest::newRow(name) << QString::fromUtf8(input) << QString::fromUtf8(fraction);
}
}  // namespace

class DecimalFractionTest : public QObject {
    Q_OBJECT
  private slots:
    void unreducedFraction_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("fraction");
        // Finite: the digits over a power of ten, exactly.
        row("nineteen digits", "0.1234567890123456789", "1234567890123456789/10000000000000000000");
        row("twenty-eight decimals", "0.1234567890123456789012345678",
            "1234567890123456789012345678/10000000000000000000000000000");
        row("twenty-nine decimals", "0.12345678901234567890123456789", "capacity");
        row("numerator beyond the range", "99999999999999999999999999999.9", "capacity");
        // Where the digits do not fit, the fraction is reduced as it is built.
        row("fits once halved", "7922816251426433759354395033.6",
            "39614081257132168796771975168/5");
        row("fits once the fives go", "0.0000000000009094947017729282379150390625",
            "1/1099511627776");
        row("the largest reduced denominator",
            "0.00000000000000000000000000002524354896707237777317531408904915934954260592348873615"
            "264892578125",
            "1/39614081257132168796771975168");
        row("one place more",
            "0.00000000000000000000000000001262177448353618888658765704452457967477130296174436807"
            "6324462890625",
            "capacity");
        row("denominator beyond the range after reduction",
            "0.00000000000000000000000000000000000000000000000005", "capacity");
        row("trailing zeros beyond the scale", "-2.500000000000000000000000000000000000000",
            "-5/2");
        row("odd and beyond the range after reduction", "79228162514264337593543950335.5",
            "capacity");
        row("zero with many places", "-0.000000000000000000000000000000000", "0/1");
        // Repeating: ±(i * 10^a * (10^p - 1) + AP - A) over 10^a * (10^p - 1).
        row("default", "0.14(27)", "1413/9900");
        row("missing closing", "0.(3", "3/9");
        row("sign on the whole value", "-1.(3)", "-12/9");
        row("negative zero keeps its sign", "-0.(3)", "-3/9");
        row("sign without digits", "-.(3)", "-3/9");
        row("empty period", "0.5()", "0/0");
        row("integer part beyond 16 bits", "40000.(3)", "capacity");
        row("difference beyond 16 bits", "0.(123456)", "capacity");
    }

    void notation_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("accepted");
        const auto accepts = [](const char* input, bool accepted) {
            QTest::newRow(input) << QString::fromUtf8(input) << accepted;
        };
        accepts("0.14(27)", true);
        accepts("-.5", true);
        accepts("+5.", true);
        accepts("0.(3", true);
        accepts("0.5()", true);
        accepts("0.", true);
        accepts("1.2abc", false);
        accepts("1.5)", false);
        accepts("1.-5", false);
        accepts("0.(3a)", false);
        accepts("0.(-3)", false);
        accepts("0.a(b)", false);
        accepts("0.5e3", false);
        accepts("1.5e-3", false);
        accepts("(1.5)", false);
        accepts("1.2ç", false);
        accepts("１.５", false);
        accepts("٣.٣", false);
        accepts("+-1.5", false);
        accepts("5", false);
        accepts("", false);
    }

    void notation() {
        QFETCH(QString, input);
        QFETCH(bool, accepted);
        QCOMPARE(talvera::core::isDecimalNotation(input.toStdString()), accepted);
    }

    void unreducedFraction() {
        QFETCH(QString, input);
        QFETCH(QString, fraction);
        QString found;
        try {
            const auto result = talvera::core::decimalToFraction(input.toStdString());
            found = QString::fromStdString(result.numerator.toString() + "/" +
                                           result.denominator.toString());
        } catch (const talvera::core::CapacityError&) {
            found = QStringLiteral("capacity");
        }
        QCOMPARE(found, fraction);
    }
};

QTEST_APPLESS_MAIN(DecimalFractionTest)
#include "test_decimal_fraction.moc"
