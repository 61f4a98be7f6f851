// The generator over 100,800 tasks of every kind and level, against exact rational arithmetic:
// terms within the level, answers right and in lowest terms, far inside the program's numbers,
// no task given twice in a round, and the shares of the tasks that make each kind worth doing.
#include <QTest>

#include <boost/multiprecision/cpp_int.hpp>
#include <map>
#include <set>

#include "core/decimal_expansion.h"
#include "exercise_test_support.h"
#include "exercises/task_draws.h"
#include "exercises/task_generator.h"

using namespace talvera;
using namespace talvera::exercises;
using Rational = boost::multiprecision::cpp_rational;

namespace {

// 24 rows of 14 sessions of 300 tasks. A session's first 50 make the shares, as a long session
// runs out of the rarer tasks of a small level.
constexpr int sessions = 14;
constexpr int tasksPerSession = 300;
constexpr int sharedTasks = 50;

Rational exact(const core::Fraction& f) {
    using Integer = boost::multiprecision::cpp_int;
    return {Integer(f.numerator.toString()), Integer(f.denominator.toString())};
}

void countFeatures(const Task& task, std::map<std::string, int>& counts) {
    const auto a = wholeOf(task.fractions.front().numerator);
    const auto b = wholeOf(task.fractions.front().denominator);
    const auto c = wholeOf(task.fractions.back().numerator);
    const auto d = wholeOf(task.fractions.back().denominator);
    const Relation right = task.answer.relation;
    const std::initializer_list<std::pair<const char*, bool>> features{
        {"same denominators", b == d},
        {"common factor", b != d && std::gcd(b, d) > 1},
        {"negative", task.answer.value.numerator.isNegative()},
        {"equal", right == Relation::Equal},
        {"numerators mislead", relationOf(a <=> c) != right},
        {"denominators mislead", b != d && relationOf(b <=> d) != right},
        {"finite", (task.answer.text + task.terms[0]).find('(') == std::string::npos}};
    for (const auto& [feature, present] : features) {
        counts[feature] += present ? 1 : 0;
    }
}

void checkTask(const Task& task) {
    const LevelRules rules = rulesOf(task.level);
    for (const core::Fraction& fraction : task.fractions) {
        const auto n = wholeOf(fraction.numerator);
        const auto d = wholeOf(fraction.denominator);
        QVERIFY(n >= 1 && n <= rules.maxTerm && d >= 2 && d <= rules.maxTerm);
        QVERIFY(rules.improper || n < d);
    }
    const Rational a = exact(task.fractions.front());
    const Rational b = exact(task.fractions.back());
    if (task.kind == Kind::Comparison) {
        QCOMPARE(task.answer.text, std::string(signOf(relationOf(Rational(a - b).sign() <=> 0))));
        return;
    }
    const std::array<Rational, 4> results{a + b, a - b, a * b, a / b};
    const Rational expected =
        task.kind <= Kind::Division ? results.at(static_cast<std::size_t>(task.kind)) : a;
    const core::Fraction& value = task.answer.value;
    QCOMPARE(value.numerator.toString(), boost::multiprecision::numerator(expected).str());
    QCOMPARE(value.denominator.toString(), boost::multiprecision::denominator(expected).str());
    QVERIFY(fitsFarInside(value) && fitsFarInside(unreducedResult(task)));
    QVERIFY(rules.negativeDifferences || expected > 0);
    QVERIFY(task.kind != Kind::Simplification || task.terms[0] != value.numerator.toString());
    if (task.kind == Kind::ToDecimal || task.kind == Kind::ToFraction) {
        const auto shown = core::expandDecimal(value, maxShownPlaces);
        QVERIFY(shown && shown->period.size() <= maxShownPeriod);
        QCOMPARE(shown->text(), task.kind == Kind::ToDecimal ? task.answer.text : task.terms[0]);
        // What the page's conversion takes as a 16-bit value stays far inside it.
        QVERIFY(task.kind == Kind::ToDecimal || shown->period.empty() ||
                std::stoll(shown->fixed + shown->period) - std::stoll("0" + shown->fixed) <=
                    maxPeriodDifference);
    }
}

}  // namespace

class GeneratorTest : public QObject {
    Q_OBJECT

  private slots:
    void everyKindAndLevel_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Level>("level");
        for (const Kind kind : allKinds) {
            for (const Level level : allLevels) {
                QTest::addRow("kind %d, level %d", static_cast<int>(kind), static_cast<int>(level))
                    << kind << level;
            }
        }
    }

    void everyKindAndLevel() {
        QFETCH(Kind, kind);
        QFETCH(Level, level);
        std::map<std::string, int> counts;
        for (int session = 0; session < sessions; ++session) {
            TaskGenerator generator(static_cast<std::uint64_t>(session) * 100 +
                                    static_cast<std::uint64_t>(kind) * 3 +
                                    static_cast<std::uint64_t>(level));
            std::set<std::vector<std::string>> round;
            int restarts = 0;
            for (int i = 0; i < tasksPerSession; ++i) {
                const Task task = generator.next(kind, level);
                if (generator.restarts(kind, level) != restarts) {
                    restarts = generator.restarts(kind, level);
                    round.clear();
                }
                std::vector<std::string> swapped{task.terms};
                std::rotate(swapped.begin(),
                            swapped.begin() + static_cast<std::ptrdiff_t>(swapped.size() / 2),
                            swapped.end());
                const bool commutes = kind == Kind::Addition || kind == Kind::Multiplication;
                QVERIFY(!round.contains(task.terms) && !(commutes && round.contains(swapped)));
                round.insert(task.terms);
                checkTask(task);
                if (i < sharedTasks) {
                    countFeatures(task, counts);
                }
            }
            // The tasks with two fractions have far more than a session asks for.
            QVERIFY(restarts == 0 || !takesTwoFractions(kind));
        }
        const auto within = [&counts](const char* feature, double least, double most = 1.0) {
            const double share = counts[feature] / double{sessions * sharedTasks};
            QVERIFY2(share >= least && share <= most, feature);
        };
        if (kind == Kind::Addition || kind == Kind::Subtraction) {
            within("same denominators", 0.1, 0.3);
            within("common factor", 0.45);
        }
        if (kind == Kind::Subtraction && level == Level::Three) {
            within("negative", 0.3);
        }
        if (kind == Kind::Comparison) {
            within("equal", 0.15);
            within("numerators mislead", 0.55);
            within("denominators mislead", 0.75);
        }
        if (kind == Kind::ToDecimal || kind == Kind::ToFraction) {
            within("finite", 0.3, 0.7);
        }
    }

    // Every value of a range, and only those, comes about as often as every other.
    void evenDraws() {
        SeededRandom random(7);
        for (const int bound : {1, 3, 7, 10}) {
            std::map<int, int> counts;
            for (int i = 0; i < 20000 * bound; ++i) {
                ++counts[random.between(-1, bound - 2)];
            }
            QCOMPARE(counts.size(), static_cast<std::size_t>(bound));
            QCOMPARE(counts.begin()->first, -1);
            QVERIFY(std::ranges::all_of(counts,
                                        [](auto c) { return std::abs(c.second - 20000) < 800; }));
        }
    }
};

int talvera::exercises::testing::runGeneratorTests(int argc, char** argv) {
    GeneratorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_generator.moc"
