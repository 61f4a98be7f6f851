// What the binder does so that a screen reader hears the program, and the high-contrast look,
// through Qt's accessibility interfaces offscreen. What Orca makes of the events is heard with
// ../shared/orca-walk.sh: offscreen, Qt sends no accessibility event at all.
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include "qt/accessibility.h"
#include "qt/form_window.h"
#include "qt/program_style.h"
#include "qt/window_manager.h"
#include "ui/binder_fixture.h"

using binder_fixture::Calculator;
using talvera::qt::FormWindow;

class QtHeardTest : public QObject {
    Q_OBJECT
  private slots:
    static void initTestCase() {
        talvera::qt::installProgramStyle(*qApp);
        talvera::qt::installAccessibility();
    }

    // A window opens named after its page, with its first box focused and its text selected as
    // Tab selects it, so that typing replaces the example.
    void windowOpens() {
        Calculator calculator;
        calculator.form->setAccessibleName("TALVERA, Operações");
        calculator.form->setTabOrder({&calculator.form->control("AdiçãoN1")});
        calculator.form->focusFirst();
        talvera::qt::WindowManager windows;
        windows.formOpened(*calculator.form);
        FormWindow* window = windows.windowFor(*calculator.form);
        QCOMPARE(window->accessibleName(), QStringLiteral("TALVERA, Operações"));
        QCOMPARE(window->windowTitle(), QStringLiteral("TALVERA"));
        auto* first = qobject_cast<QLineEdit*>(window->widgetFor("AdiçãoN1"));
        QCOMPARE(window->focusWidget(), first);
        QCOMPARE(first->selectedText(), QStringLiteral("1"));
        windows.formClosing(*calculator.form);
    }

    // Orca reads a text run by run: the whole text is one run, or its last character is lost.
    void boxReadsWhole() {
        QLineEdit box(QStringLiteral("15"));
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(&box)->textInterface();
        int start = -1;
        int end = -1;
        text->attributes(1, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, 2);
    }

    // High contrast changes the look, and turning it off gives back the look exactly.
    void highContrastComesAndGoes() {
        Calculator calculator;
        FormWindow window(*calculator.form);
        window.show();
        const QImage normal = window.grab().toImage();
        window.setHighContrast(true);
        QVERIFY(window.grab().toImage() != normal);
        window.setHighContrast(false);
        QCOMPARE(window.grab().toImage(), normal);
    }
};

QTEST_MAIN(QtHeardTest)
#include "test_qt_heard.moc"
