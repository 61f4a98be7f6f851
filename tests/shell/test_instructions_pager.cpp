// The pager of the Instructions page on the form model: whichever way a page is reached, it is
// the one page shown, the counter names it, and the arrows are enabled as the page allows.
#include <QTest>
#include <string>

#include "shell/instructions_page.h"
#include "ui/user.h"

using talvera::shell::InstructionsPage;
namespace user = talvera::ui::user;

namespace {

void press(InstructionsPage& page, const char* arrow, int times) {
    for (int i = 0; i < times; ++i) {
        QVERIFY(user::click(page.form().control(arrow)));
    }
}

}  // namespace

class InstructionsPagerTest : public QObject {
    Q_OBJECT
  private slots:
    void pageReached_data();
    void pageReached();
    void guardsAtTheEnds_data();
    void guardsAtTheEnds();
};

void InstructionsPagerTest::pageReached_data() {
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("expected");
    for (int n = 1; n <= 8; ++n) {
        QTest::addRow("forward to %d", n) << n - 1 << 0 << n;
    }
    for (int n = 7; n >= 1; --n) {
        QTest::addRow("back from 8 to %d", n) << 7 << 8 - n << n;
    }
}

void InstructionsPagerTest::pageReached() {
    QFETCH(int, forward);
    QFETCH(int, back);
    QFETCH(int, expected);
    InstructionsPage page;
    page.form().load();
    press(page, "SetaD", forward);
    press(page, "SetaE", back);

    for (int n = 1; n <= 8; ++n) {
        const std::string name = "Image1(" + std::to_string(n) + ")";
        QCOMPARE(page.form().control(name).visible(), n == expected);
    }
    QCOMPARE(page.form().control("Label2").caption(), std::to_string(expected));
    QCOMPARE(page.form().control("SetaE").enabled(), expected != 1);
    QCOMPARE(page.form().control("SetaD").enabled(), expected != 8);
}

void InstructionsPagerTest::guardsAtTheEnds_data() {
    QTest::addColumn<int>("forward");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<int>("expected");
    QTest::newRow("back on page 1") << 0 << "SetaE" << 1;
    QTest::newRow("forward on page 8") << 7 << "SetaD" << 8;
}

// A disabled arrow raises no click; were its handler run all the same, the page would not move.
void InstructionsPagerTest::guardsAtTheEnds() {
    QFETCH(int, forward);
    QFETCH(QString, arrow);
    QFETCH(int, expected);
    InstructionsPage page;
    page.form().load();
    press(page, "SetaD", forward);

    page.form().control(arrow.toStdString()).raiseClick();
    QCOMPARE(page.form().control("Label2").caption(), std::to_string(expected));
    const std::string shown = "Image1(" + std::to_string(expected) + ")";
    QVERIFY(page.form().control(shown).visible());
}

QTEST_GUILESS_MAIN(InstructionsPagerTest)
#include "test_instructions_pager.moc"
