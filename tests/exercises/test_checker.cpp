// The checker: every equivalent form of a right answer is taken, each mistake is named with its
// own message, a refused box gets the page's own message, and no right answer is ever named as a
// mistake, on a table and on generated tasks of every kind and level.
#include <QTest>

#include "core/decimal_expansion.h"
#include "exercise_test_support.h"
#include "exercises/checker.h"
#include "exercises/exercise_texts.h"
#include "exercises/mistakes.h"
#include "exercises/task_generator.h"

using namespace talvera;
using namespace talvera::exercises;
using namespace talvera::exercises::testing;

namespace {

void row(const char* name, const char* task, const QStringList& boxes, Outcome outcome,
         int mistake = -1, const QString& message = {}) {
    QTest::newRow(name) << QString(task) << boxes << outcome << mistake << message;
}

void mistake(const char* name, const char* task, const QStringList& boxes, MistakeId id) {
    row(name, task, boxes, Outcome::Mistake, static_cast<int>(id));
}

void invalid(const char* name, const char* task, const QStringList& boxes,
             std::string_view message) {
    row(name, task, boxes, Outcome::Invalid, -1,
        QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

std::vector<std::string> typed(const core::Fraction& value) {
    return {value.numerator.toString(), value.denominator.toString()};
}

}  // namespace

class CheckerTest : public QObject {
    Q_OBJECT

  private slots:
    void table_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("mistake");
        QTest::addColumn<QString>("message");
        using enum Outcome;
        using enum MistakeId;
        row("sum", "+ 1/4 1/6", {"5", "12"}, Right);
        row("sum unreduced", "+ 1/4 1/6", {"10", "24"}, NotLowestTerms);
        row("sum, minus on both", "+ 1/4 1/6", {"-5", "-12"}, NotLowestTerms);
        mistake("sum straight across", "+ 1/4 1/6", {"2", "10"}, AddedStraightAcross);
        mistake("sum straight across, reduced", "+ 1/4 1/6", {"1", "5"}, AddedStraightAcross);
        mistake("sum over the m.m.c.", "+ 1/4 1/6", {"2", "12"}, NumeratorsNotExpanded);
        mistake("sum over the product", "+ 1/4 1/6", {"2", "24"}, DenominatorsMultipliedOnly);
        mistake("sum, factors swapped", "+ 1/4 5/6", {"17", "12"}, FactorsSwapped);
        row("sum wrong", "+ 1/4 1/6", {"7", "12"}, Wrong);
        row("whole alone", "+ 1/2 3/2", {"2", ""}, Right);
        row("whole over 1", "+ 1/2 3/2", {"2", "1"}, Right);
        row("whole unreduced", "+ 1/2 3/2", {"4", "2"}, NotLowestTerms);
        row("whole, minus on both", "+ 1/2 3/2", {"-2", "-1"}, NotLowestTerms);
        row("minus above", "- 1/4 1/2", {"-1", "4"}, Right);
        row("minus below", "- 1/4 1/2", {"1", "-4"}, Right);
        mistake("difference straight across, whole", "- 5/6 1/4", {"2", ""},
                SubtractedStraightAcross);
        mistake("difference, sign above", "- 5/6 1/4", {"-7", "12"}, WrongSign);
        mistake("difference, sign below", "- 5/6 1/4", {"14", "-24"}, WrongSign);
        mistake("product, second inverted", "x 2/3 4/5", {"10", "12"}, OneFractionInverted);
        mistake("product, first inverted", "x 2/3 4/5", {"6", "5"}, OneFractionInverted);
        mistake("product, denominators added", "x 2/3 4/5", {"1", ""}, DenominatorsAdded);
        mistake("product, denominator kept", "x 2/7 3/7", {"6", "7"}, CommonDenominatorKept);
        mistake("quotient not inverted", ": 2/3 4/5", {"8", "15"}, NotInverted);
        mistake("quotient, first inverted", ": 2/3 4/5", {"12", "10"}, FirstInverted);
        mistake("numerator divided only", "simp 12/18", {"6", "18"}, OneTermDivided);
        mistake("denominator divided only", "simp 12/18", {"2", ""}, OneTermDivided);
        row("comparison", "cmp 3/8 2/3", {"<"}, Right);
        mistake("numerators, before denominators", "cmp 3/8 2/3", {">"}, NumeratorsOnly);
        mistake("equal numerators", "cmp 1/8 1/3", {"="}, NumeratorsOnly);
        mistake("larger denominator", "cmp 1/8 1/3", {">"}, LargerDenominator);
        row("numerators happen to be right", "cmp 1/3 2/3", {" < "}, Right);
        mistake("sign reversed", "cmp 1/2 2/3", {">"}, SignReversed);
        row("equal, unreduced", "cmp 2/4 1/2", {"="}, Right);
        row("equal, taken as less", "cmp 2/4 1/2", {"<"}, Wrong);
        invalid("no sign", "cmp 1/2 2/3", {""}, texts::noRelation);
        row("decimal", "dec 3/4", {"0.75"}, Right);
        row("comma and blanks", "dec 3/4", {" 0 , 75 "}, Right);
        mistake("decimal upside down", "dec 3/4", {"1.(3)"}, DenominatorOverNumerator);
        mistake("terms as decimal", "dec 3/4", {"3.4"}, TermsAsDecimal);
        row("period", "dec 1/3", {"0.(3)"}, Right);
        row("period late", "dec 1/3", {"0.3(3)"}, Right);
        row("period unclosed", "dec 1/3", {"0.(3"}, Right);
        mistake("period cut", "dec 1/3", {"0.3333"}, PeriodNotMarked);
        mistake("period rounded", "dec 2/3", {"0.67"}, PeriodNotMarked);
        row("decimal wrong", "dec 1/3", {"0.5"}, Wrong);
        invalid("decimal empty", "dec 1/3", {""}, texts::noDecimalPart);
        invalid("two points", "dec 1/3", {"0.3.3"}, texts::tooManyPoints);
        invalid("two openings", "dec 1/3", {"0.(3)(3)"},
                "A dízima tem 2 parenteses abertos e só pode ter um em dízima periódica.");
        invalid("after the period", "dec 1/3", {"0.(3)3"}, texts::afterPeriod);
        invalid("exponent", "dec 1/3", {"0.3e1"}, texts::notDecimalNotation);
        row("conversion", "frac 1/6", {"1", "6"}, Right);
        mistake("period read as finite", "frac 1/6", {"16", "100"}, RepeatingReadAsFinite);
        mistake("all decimals as period", "frac 1/6", {"16", "99"}, DecimalsAsPeriod);
        mistake("places miscounted", "frac 1/4", {"25", "10"}, PlacesMiscounted);
        invalid("numerator empty", "+ 1/4 1/6", {"", "12"}, texts::notNumeric);
        invalid("not whole", "+ 1/4 1/6", {"2.5", "6"}, texts::notWhole);
        invalid("zero denominator", "+ 1/4 1/6", {"5", "0.0"}, texts::zeroDenominator);
        invalid("beyond the range", "+ 1/4 1/6", {"1e40", "3"}, texts::capacity);
    }

    void table() {
        QFETCH(QString, task);
        QFETCH(QStringList, boxes);
        QFETCH(Outcome, outcome);
        QFETCH(int, mistake);
        QFETCH(QString, message);
        const Verdict verdict = check(taskFrom(task), boxesFrom(boxes));
        QCOMPARE(verdict.outcome, outcome);
        QCOMPARE(verdict.mistake ? static_cast<int>(*verdict.mistake) : -1, mistake);
        if (verdict.mistake) {
            QCOMPARE(verdict.message, std::string(texts::mistakeText(*verdict.mistake).message));
        }
        if (!message.isEmpty()) {
            QCOMPARE(QString::fromStdString(verdict.message), message);
        }
    }

    // The right answer is right; each mistaken value that differs from it is named.
    void generatedTasks() {
        TaskGenerator generator(2024);
        for (int i = 0; i < 4800; ++i) {
            const Kind kind = allKinds.at(static_cast<std::size_t>(i) % allKinds.size());
            const Task task = generator.next(kind, allLevels.at(static_cast<std::size_t>(i) % 3));
            if (kind == Kind::Comparison) {
                QCOMPARE(check(task, {task.answer.text}).outcome, Outcome::Right);
                for (const MistakenRelation& mistaken : mistakenRelations(task)) {
                    const Verdict verdict = check(task, {std::string(signOf(mistaken.relation))});
                    QVERIFY(mistaken.relation == task.answer.relation || verdict.mistake);
                }
                continue;
            }
            const core::Fraction& value = task.answer.value;
            const auto typeOf = [&task](const core::Fraction& fraction) {
                if (task.kind != Kind::ToDecimal) {
                    return std::optional(typed(fraction));
                }
                // What a pupil can type: the reading takes up to 28 places.
                const auto expansion = core::expandDecimal(fraction, 20);
                return expansion ? std::optional(std::vector{expansion->text()}) : std::nullopt;
            };
            QCOMPARE(check(task, *typeOf(value)).outcome, Outcome::Right);
            const std::vector<MistakenValues> mistakes = mistakenValues(task);
            for (const MistakenValues& mistaken : mistakes) {
                for (const core::Fraction& wrongValue : mistaken.values) {
                    const auto boxes = typeOf(lowestTerms(wrongValue));
                    if (sameValue(wrongValue, value) || !boxes) {
                        continue;
                    }
                    QCOMPARE(check(task, *boxes).outcome, Outcome::Mistake);
                }
            }
        }
    }

    void texts() {
        std::set<std::string_view> messages;
        for (int i = 0; i < mistakeCount; ++i) {
            const texts::MistakeText& text = texts::mistakes.at(static_cast<std::size_t>(i));
            QCOMPARE(static_cast<int>(text.id), i);
            QVERIFY(messages.insert(text.message).second && !text.hint.empty());
        }
    }
};

int talvera::exercises::testing::runCheckerTests(int argc, char** argv) {
    CheckerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_checker.moc"
