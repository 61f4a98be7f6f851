// How long the number core takes for what one press of "=" asks of it.
#include <QTest>

#include "core/decimal.h"
#include "core/divisors.h"

using talvera::core::Decimal;

class CoreBenchmark : public QObject {
    Q_OBJECT
  private slots:
    void operation_data() {
        QTest::addColumn<char>("operation");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("divide to 28 places")
            << '/' << QStringLiteral("78228162514264337593543950335")
            << QStringLiteral("79228162514264337593543950335");
        QTest::newRow("multiply near the bound")
            << '*' << QStringLiteral("18446744073709551615") << QStringLiteral("2000000000");
        // Consecutive Fibonacci numbers take Euclid the most passes.
        QTest::newRow("divisor of Fibonacci neighbours")
            << 'g' << QStringLiteral("19740274219868223167")
            << QStringLiteral("12200160415121876738");
        QTest::newRow("multiple of large coprimes")
            << 'm' << QStringLiteral("999999937") << QStringLiteral("999999929");
    }

    void operation() {
        QFETCH(char, operation);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const Decimal x = *Decimal::parse(a.toStdString());
        const Decimal y = *Decimal::parse(b.toStdString());
        std::optional<Decimal> result;
        QBENCHMARK {
            switch (operation) {
                case '/':
                    result = x / y;
                    break;
                case '*':
                    result = x * y;
                    break;
                case 'g':
                    result = talvera::core::greatestCommonDivisor(x, y);
                    break;
                default:
                    result = talvera::core::leastCommonMultiple(x, y);
            }
        }
        QVERIFY(result.has_value());
    }
};

QTEST_APPLESS_MAIN(CoreBenchmark)
#include "bench_core.moc"
