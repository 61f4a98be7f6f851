// How long the number core takes for what one press of "=" asks of it.
#include <QTest>
#include <compare>
#include <optional>
#include <string>

#include "core/decimal.h"
#include "core/divisors.h"
#include "core/fraction_order.h"

namespace {

using talvera::core::Decimal;

std::optional<Decimal> calculate(char operation, const std::string& a, const Decimal& x,
                                 const Decimal& y) {
    switch (operation) {
        case '+':
            return x + y;
        case '-':
            return x - y;
        case '*':
            return x * y;
        case '/':
            return x / y;
        case '%':
            return remainder(x, y);
        case '<':
            return std::is_lt(x <=> y) ? x : y;
        case 'f':
            return std::is_lt(compareFractions(x, y, y, x)) ? x : y;
        case 'p':
            return Decimal::parse(a);
        case 'g':
            return greatestCommonDivisor(x, y);
        default:
            return leastCommonMultiple(x, y);
    }
}

void measure(char operation, const QString& a, const QString& b) {
    const std::string text = a.toStdString();
    const Decimal x = *Decimal::parse(text);
    const Decimal y = *Decimal::parse(b.toStdString());
    std::optional<Decimal> result;
    QBENCHMARK {
        result = calculate(operation, text, x, y);
    }
    QVERIFY(result.has_value());
}

}  // namespace

class CoreBenchmark : public QObject {
    Q_OBJECT
  private slots:
    static void operation_data() {
        QTest::addColumn<char>("operation");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        const auto row = [](const char* name, char operation, const char* a, const char* b) {
            QTest::newRow(name) << operation << QString::fromLatin1(a) << QString::fromLatin1(b);
        };
        row("divide to 28 places", '/', "78228162514264337593543950335",
            "79228162514264337593543950335");
        row("divide small values", '/', "1", "3");
        row("divide with scales", '/', "1234.5678", "0.00000000000000000007");
        row("multiply near the bound", '*', "18446744073709551615", "2000000000");
        row("multiply small values", '*', "1.5", "2.25");
        row("multiply and round", '*', "0.1234567890123456789012345678",
            "0.9876543210987654321098765432");
        row("add small values", '+', "1.5", "0.25");
        row("add and round", '+', "12345678901234567890.12345678",
            "0.0000000000000000000123456789");
        row("subtract near the bound", '-', "79228162514264337593543950335",
            "0.0000000000000000000000000001");
        row("remainder across scales", '%', "79228162514264337593543950335",
            "0.0000000000000000000000000007");
        row("compare across scales", '<', "1.0000000000000000000000000001", "1");
        row("compare fractions", 'f', "79228162514264337593543950335",
            "0.0000000000000000000000000007");
        row("read a long number", 'p', "3.14159265358979323846264338327950288", "1");
        // Consecutive Fibonacci numbers take Euclid the most passes.
        row("divisor of Fibonacci neighbours", 'g', "19740274219868223167", "12200160415121876738");
        row("multiple of large coprimes", 'm', "999999937", "999999929");
    }

    static void operation() {
        QFETCH(char, operation);
        QFETCH(QString, a);
        QFETCH(QString, b);
        measure(operation, a, b);
    }
};

QTEST_APPLESS_MAIN(CoreBenchmark)
#include "bench_core.moc"
