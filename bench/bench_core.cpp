// How long the number core takes for what one press of "=" asks of it.
#include <QTest>

#include "core/decimal.h"
#include "core/divisors.h"
#include "core/messages.h"
#include "core/validation.h"

using talvera::core::Decimal;

namespace {
Decimal number(const char* text) {
    return *Decimal::parse(text);
}
}  // namespace

class CoreBenchmark : public QObject {
    Q_OBJECT
  private slots:
    void divideToTwentyEightPlaces() {
        const Decimal a = number("78228162514264337593543950335");
        const Decimal b = number("79228162514264337593543950335");
        QBENCHMARK {
            Decimal q = a / b;
            Q_UNUSED(q);
        }
    }
    void multiplyNearTheBound() {
        const Decimal a = number("18446744073709551615");
        const Decimal b = number("2000000000");
        QBENCHMARK {
            Decimal p = a * b;
            Q_UNUSED(p);
        }
    }
    void divisorOfFibonacciNeighbours() {
        // Consecutive Fibonacci numbers take Euclid the most passes.
        const Decimal a = number("19740274219868223167");
        const Decimal b = number("12200160415121876738");
        QBENCHMARK {
            auto g = talvera::core::greatestCommonDivisor(a, b);
            Q_UNUSED(g);
        }
    }
    void multipleOfLargeCoprimes() {
        const Decimal a = number("999999937");
        const Decimal b = number("999999929");
        QBENCHMARK {
            Decimal m = talvera::core::leastCommonMultiple(a, b);
            Q_UNUSED(m);
        }
    }
};

QTEST_APPLESS_MAIN(CoreBenchmark)
#include "bench_core.moc"
