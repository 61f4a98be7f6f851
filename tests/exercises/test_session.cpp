// The session's score, and the worksheets: the same number gives the same sheet, every solution
// is right, and every line of the working is the Details page's.
#include <QTest>

#include <numeric>

#include "core/decimal_reading.h"
#include "exercise_test_support.h"
#include "exercises/checker.h"
#include "exercises/score.h"
#include "exercises/worksheet.h"

using namespace talvera;
using namespace talvera::exercises;
using namespace talvera::exercises::testing;

namespace {

Verdict verdictOf(char event) {
    const std::string_view events = "rsmwi";
    const std::array outcomes{Outcome::Right, Outcome::NotLowestTerms, Outcome::Mistake,
                              Outcome::Wrong, Outcome::Invalid};
    return {.outcome = outcomes.at(events.find(event)), .mistake = {}, .message = {}, .hint = {}};
}

// The fraction a worksheet prints as "n/d" or "n".
core::Fraction printed(const std::string& text) {
    return fractionFrom(QString::fromStdString(text));
}

Task taskOf(const PrintedExercise& exercise, Level level) {
    std::vector<core::Fraction> fractions;
    if (exercise.kind == Kind::ToFraction) {
        fractions.push_back(core::readDecimal(exercise.terms[0]).value());
    }
    for (std::size_t i = 0; i + 1 < exercise.terms.size(); i += 2) {
        fractions.push_back(printed(exercise.terms[i] + "/" + exercise.terms[i + 1]));
    }
    return makeTask(exercise.kind, level, fractions);
}

void checkWorking(const Task& task, const Solution& solution) {
    const std::vector<WorkingLine>& lines = solution.working;
    QCOMPARE(lines.empty(), !takesTwoFractions(task.kind) || task.kind == Kind::Comparison);
    if (lines.empty()) {
        return;
    }
    QCOMPARE(lines.back().text, solution.answer);
    const auto unreduced = std::ranges::find(lines, LineKind::Unreduced, &WorkingLine::kind);
    QVERIFY(sameValue(printed(unreduced->text), task.answer.value));
    if (task.kind == Kind::Addition || task.kind == Kind::Subtraction) {
        const auto b = wholeOf(task.fractions[0].denominator);
        const auto d = wholeOf(task.fractions[1].denominator);
        const auto m = std::lcm(b, d);
        QCOMPARE(lines[0].text, "m.m.c. ( " + std::to_string(b) + " , " + std::to_string(d) +
                                    " ) = " + std::to_string(m));
        QCOMPARE(lines[1].text,
                 "Factores: " + std::to_string(m / b) + " e " + std::to_string(m / d));
        QCOMPARE(wholeOf(printed(unreduced->text).denominator), m);
        const QStringList expanded = QString::fromStdString(lines[2].text).split(' ');
        QVERIFY(sameValue(fractionFrom(expanded[0]), task.fractions[0]) &&
                sameValue(fractionFrom(expanded[2]), task.fractions[1]));
        QVERIFY(expanded[0].endsWith("/" + QString::number(m)) &&
                expanded[2].endsWith("/" + QString::number(m)));
        QCOMPARE(expanded[1], task.kind == Kind::Addition ? "+" : "-");
    }
    if (task.kind == Kind::Division) {
        QCOMPARE(lines[0].text,
                 task.terms[0] + "/" + task.terms[1] + " x " + task.terms[3] + "/" + task.terms[2]);
    }
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

  private slots:
    // n: "Novo exercício"; r right, s right but not in lowest terms, m a named mistake, w wrong,
    // i a refused box.
    void score_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("resolution");
        const auto row = [](const char* name, const char* events, const char* counts,
                            bool offered) { QTest::newRow(name) << events << counts << offered; };
        row("right at once", "nr", "Certos: 1  Errados: 0  Saltados: 0", false);
        row("right at the second try", "nwr", "Certos: 1  Errados: 0  Saltados: 0", false);
        row("right after two wrong tries", "nwmr", "Certos: 0  Errados: 1  Saltados: 0", true);
        row("skipped", "nnn", "Certos: 0  Errados: 0  Saltados: 2", false);
        row("refused, then skipped", "ninr", "Certos: 1  Errados: 0  Saltados: 1", false);
        row("unsimplified, left", "nsn", "Certos: 0  Errados: 1  Saltados: 0", false);
        row("unsimplified, then simplified", "nssr", "Certos: 1  Errados: 0  Saltados: 0", false);
        row("unsimplified is no wrong try", "nwsi", "Certos: 0  Errados: 0  Saltados: 0", false);
        row("done takes no more", "nrwwr", "Certos: 1  Errados: 0  Saltados: 0", false);
        row("before any task", "rw", "Certos: 0  Errados: 0  Saltados: 0", false);
        row("resolution is per task", "nwwn", "Certos: 0  Errados: 1  Saltados: 0", false);
    }

    void score() {
        QFETCH(QString, events);
        QFETCH(QString, expected);
        QFETCH(bool, resolution);
        Score score;
        for (const QChar event : events) {
            if (event == 'n') {
                score.newTask();
            } else {
                score.record(verdictOf(event.toLatin1()));
            }
        }
        QCOMPARE(QString::fromStdString(score.text()), expected);
        QCOMPARE(score.resolutionAvailable(), resolution);
    }

    void sameNumberSameSheet() {
        const SheetRequest request{.kinds = {Kind::Division, Kind::Addition, Kind::Division},
                                   .level = Level::Two,
                                   .length = SheetLength::Twenty,
                                   .number = 17};
        const Worksheet sheet = makeWorksheet(request);
        QVERIFY(sheet == makeWorksheet(request));
        SheetRequest next = request;
        next.number = 18;
        QVERIFY(sheet.exercises != makeWorksheet(next).exercises);
        QCOMPARE(sheet.subject, std::string("Divisão e adição — nível 2"));
        QCOMPARE(sheet.numberLine, std::string("Ficha n.º 17"));
        QCOMPARE(sheet.header, std::string("Nome: ______  N.º: ___  Turma: ___  Data: ______"));
        QCOMPARE(sheet.exercises[10].sign, std::string("+"));
        // The same on every platform: sheet 1 begins with these terms.
        const Worksheet first = makeWorksheet({.kinds = {Kind::Addition}, .number = 1});
        QCOMPARE(first.exercises[0].terms, (std::vector<std::string>{"3", "8", "1", "2"}));
        QCOMPARE(first.exercises[1].terms, (std::vector<std::string>{"1", "2", "3", "7"}));
    }

    // Every kind at every level, each sheet of thirty: each solution is right for the exercise
    // as printed, and its working is the Details page's.
    void everySolutionRight() {
        for (const Level level : allLevels) {
            const SheetRequest request{.kinds = {allKinds.begin(), allKinds.end()},
                                       .level = level,
                                       .length = SheetLength::Thirty,
                                       .number = 5 + static_cast<std::uint32_t>(level)};
            const Worksheet sheet = makeWorksheet(request);
            QCOMPARE(sheet.subject,
                     "Adição, subtracção, multiplicação, divisão, simplificação, "
                     "comparação, fracção em dízima e dízima em fracção — nível " +
                         std::to_string(static_cast<int>(level)));
            QCOMPARE(sheet.solutions.size(), 30U);
            for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
                const PrintedExercise& exercise = sheet.exercises[i];
                // Thirty over eight kinds: the first six take four each, the last two three.
                QCOMPARE(exercise.kind, allKinds.at(i < 24 ? i / 4 : 6 + (i - 24) / 3));
                const Task task = taskOf(exercise, level);
                const Solution& solution = sheet.solutions[i];
                const QStringList answer = QString::fromStdString(solution.answer).split('/');
                QCOMPARE(check(task, boxesFrom(answer)).outcome, Outcome::Right);
                checkWorking(task, solution);
            }
        }
    }
};

int talvera::exercises::testing::runSessionTests(int argc, char** argv) {
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
