// The session's score.
#include <QTest>

#include "exercise_test_support.h"
#include "exercises/checker.h"
#include "exercises/score.h"

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
};

int talvera::exercises::testing::runSessionTests(int argc, char** argv) {
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
