#pragma once

#include <QString>
#include <QStringList>
#include <QTest>

#include <exception>
#include <optional>
#include <type_traits>

#include "core/capacity_error.h"
#include "core/decimal.h"

namespace talvera::core::testing {

inline const QString capacityError = QStringLiteral("CapacityError");
inline const QString nothing = QStringLiteral("nothing");

// The bound of the scaled decimal, 2^96 - 1, and its neighbour: the edge most faults live at.
inline const QString bound = QStringLiteral("79228162514264337593543950335");
inline const QString boundLessOne = QStringLiteral("79228162514264337593543950334");

// A number of a test table; one the parser refuses throws, which fails only its own row.
inline Decimal dec(const QString& text) {
    return Decimal::parse(text.toStdString()).value();
}

inline QString textOf(const Decimal& value) {
    return QString::fromStdString(value.toString());
}

// The four operations and the remainder, for the decimal and the exact reference alike.
template <class Number>
Number combine(char operation, const Number& a, const Number& b) {
    return operation == '+'   ? a + b
           : operation == '-' ? a - b
           : operation == '*' ? a * b
           : operation == '/' ? a / b
                              : remainder(a, b);
}

// Renders a result, an empty result or the capacity error as text, for one table column.
template <class Compute>
QString outcomeOf(Compute&& compute) {
    try {
        using Result = decltype(compute());
        if constexpr (std::is_same_v<Result, Decimal>) {
            return textOf(compute());
        } else if constexpr (std::is_same_v<Result, std::optional<Decimal>>) {
            const std::optional<Decimal> result = compute();
            return result ? textOf(*result) : nothing;
        } else if constexpr (std::is_integral_v<Result>) {
            return QString::number(static_cast<qlonglong>(compute()));
        } else {
            return compute();
        }
    } catch (const CapacityError&) {
        return capacityError;
    } catch (const std::exception& error) {
        return QStringLiteral("unexpected exception: ") + QString::fromUtf8(error.what());
    }
}

// The tables map a few argument texts to the text of the outcome.
inline void columns() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
}

inline void example(const char* name, const QStringList& arguments, const QString& expected) {
    QTest::newRow(name) << arguments << expected;
}

// Checks the current row: compute takes the arguments and returns what outcomeOf renders.
template <class Compute>
void check(Compute&& compute) {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(outcomeOf([&] { return compute(arguments); }), expected);
}

}  // namespace talvera::core::testing
