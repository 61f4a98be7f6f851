// What a screen reader calls the controls of the work pages: where each stands in its calculator.
// That every name is there and unique in its window is checked on the real widgets.
#include <QTest>

#include <string>

#include "shell/program.h"
#include "ui/silent_dialogs.h"
#include "ui/user.h"

using talvera::shell::PageId;

class SpokenNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void names_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("spoken");
        // The names say where a control stands in its calculator.
        QTest::newRow("first numerator") << "Form1"
                                         << "AdiçãoN1"
                                         << "Adição, primeira fracção, numerador";
        QTest::newRow("result") << "Form1"
                                << "AdiçãoD3"
                                << "Adição, resultado, denominador";
        QTest::newRow("equals") << "Form1"
                                << "Adição"
                                << "Efectuar a adição";
        QTest::newRow("clear result") << "Form1"
                                      << "Command1"
                                      << "Apagar o resultado da adição";
        QTest::newRow("negative panel") << "Form1"
                                        << "Text10"
                                        << "Adição, resultado negativo, numerador";
        QTest::newRow("single fraction") << "Form1"
                                         << "SimplificaçãoD1"
                                         << "Simplificação, fracção, denominador";
        QTest::newRow("comparison") << "Form1"
                                    << "Comparação"
                                    << "Efectuar a comparação";
        QTest::newRow("step") << "Form2"
                              << "AdiçãoPasso1"
                              << "Adição, 1º passo";
        QTest::newRow("step mode") << "Form2"
                                   << "PassoDivisão"
                                   << "Divisão, um passo de cada vez";
        QTest::newRow("whole panel") << "Form2"
                                     << "MultiplicaçãoFim"
                                     << "Multiplicação, resultado inteiro";
    }

    void names() {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, spoken);
        talvera::ui::SilentDialogs dialogs;
        talvera::shell::Program program(dialogs);
        const PageId page = form == u"Form1" ? PageId::Operations : PageId::Details;
        program.show(page);
        QCOMPARE(QString::fromStdString(
                     program.form(page)->control(control.toStdString()).accessibleName()),
                 spoken);
    }

    // The comparison's button keeps its name while its caption shows the sign; the relation is
    // said in words in its description.
    void relationInWords_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("description");
        QTest::newRow("less") << "1"
                              << "2"
                              << "Um quinto é menor do que dois quintos.";
        QTest::newRow("greater") << "3"
                                 << "2"
                                 << "Três quintos é maior do que dois quintos.";
        QTest::newRow("equal") << "2"
                               << "2"
                               << "Dois quintos é igual a dois quintos.";
        QTest::newRow("edited") << ""
                                << "2"
                                << "As fracções ainda não foram comparadas.";
    }

    void relationInWords() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, description);
        talvera::ui::SilentDialogs dialogs;
        talvera::shell::Program program(dialogs);
        program.show(PageId::Operations);
        auto& form = *program.form(PageId::Operations);
        auto& compare = form.control("Comparação");
        form.control("ComparaçãoD1").setText("5");
        form.control("ComparaçãoD2").setText("5");
        form.control("ComparaçãoN2").setText(second.toStdString());
        form.control("ComparaçãoN1").setText("1");
        talvera::ui::user::click(compare);
        if (!first.isEmpty()) {
            form.control("ComparaçãoN1").setText(first.toStdString());
            talvera::ui::user::click(compare);
        } else {
            form.control("ComparaçãoN1").setText("7");
        }
        QCOMPARE(QString::fromStdString(compare.accessibleName()), "Efectuar a comparação");
        QCOMPARE(QString::fromStdString(compare.description()), description);
    }
};

QTEST_APPLESS_MAIN(SpokenNamesTest)
#include "test_spoken_names.moc"
