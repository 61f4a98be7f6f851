// What the scenarios cannot see of the Details page: the order in which "Apagar tudo" empties
// the terms, where the result panels stand once shown and which one is in front, and the step
// buttons as designed.
#include <QTest>
#include <string>
#include <vector>

#include "details/details_page.h"
#include "ui/form_observer.h"
#include "ui/user.h"

namespace {

using talvera::ui::Control;
using talvera::ui::Form;

class SilentDialogs : public talvera::ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view /*title*/,
                talvera::ui::MessageIcon /*icon*/) override {
        messages.emplace_back(text);
    }
    std::vector<std::string> messages;
};

// Keeps the names of the text boxes in the order their texts change.
class TextChanges : public talvera::ui::FormObserver {
  public:
    void controlChanged(const Control& control, talvera::ui::Change what) override {
        if (what == talvera::ui::Change::Text) {
            names.push_back(control.name());
        }
    }
    std::vector<std::string> names;
};

QString join(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) {
        list << QString::fromStdString(name);
    }
    return list.join(' ');
}

// The page as the shell opens it.
struct OpenPage {
    SilentDialogs dialogs;
    talvera::details::DetailsPage page{dialogs};
    OpenPage() { page.form().load(); }
    Control& operator[](const QString& name) const {
        return page.form().control(name.toStdString());
    }
    void type(const QString& name, const QString& text) const {
        talvera::ui::user::type((*this)[name], text.toStdString());
    }
    void click(const QString& name) const { talvera::ui::user::click((*this)[name]); }
};

}  // namespace

class DetailsPageTest : public QObject {
    Q_OBJECT

  private slots:
    static void emptyingOrder_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clearAll");
        QTest::addColumn<QString>("order");
        // The addition empties both numerators first.
        QTest::newRow("addition") << "Adição"
                                  << "Command2"
                                  << "N1 N2 D1 D2";
        QTest::newRow("subtraction") << "Subtração"
                                     << "Command3"
                                     << "N1 D1 N2 D2";
        QTest::newRow("multiplication") << "Multiplicação"
                                        << "Command5"
                                        << "N1 D1 N2 D2";
        QTest::newRow("division") << "Divisão"
                                  << "Command7"
                                  << "N1 D1 N2 D2";
    }

    static void emptyingOrder() {
        QFETCH(QString, word);
        QFETCH(QString, clearAll);
        QFETCH(QString, order);
        OpenPage page;
        TextChanges changes;
        page.page.form().addObserver(&changes);
        page.click(clearAll);
        page.page.form().removeObserver(&changes);

        std::vector<std::string> terms;
        for (const std::string& name : changes.names) {
            if (name.size() == word.toStdString().size() + 2 &&
                name.starts_with(word.toStdString())) {
                terms.push_back(name.substr(name.size() - 2));
            }
        }
        QCOMPARE(join(terms), order);
    }

    static void panelPlaces_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("terms");
        // Each panel shown, with the left it stands at, the one in front last. All stand at the
        // top 360.
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("addition reduced")
            << "Adição" << QStringList{"1", "4", "15", "6"} << QStringList{"Frame1A 7500"};
        QTest::newRow("addition whole in front") << "Adição" << QStringList{"1", "2", "1", "2"}
                                                 << QStringList{"Frame1A 7500", "Frame3A 7560"};
        QTest::newRow("addition negative")
            << "Adição" << QStringList{"-1", "2", "1", "4"} << QStringList{"Frame2A 7560"};
        QTest::newRow("subtraction negative")
            << "Subtração" << QStringList{"1", "4", "1", "2"} << QStringList{"Frame2B 7560"};
        QTest::newRow("subtraction whole in front")
            << "Subtração" << QStringList{"-1", "2", "1", "2"}
            << QStringList{"Frame2B 7560", "Frame3B 7560"};
        QTest::newRow("multiplication whole in front")
            << "Multiplicação" << QStringList{"2", "4", "4", "2"}
            << QStringList{"Frame1C 4620", "Frame3C 4620"};
        QTest::newRow("multiplication negative")
            << "Multiplicação" << QStringList{"-1", "4", "3", "6"} << QStringList{"Frame2C 4620"};
        QTest::newRow("division negative whole in front")
            << "Divisão" << QStringList{"-1", "2", "1", "4"}
            << QStringList{"Frame2D 7500", "Frame3D 7500"};
    }

    // Panels are moved where they show, and the one shown last covers those shown before.
    static void panelPlaces() {
        QFETCH(QString, word);
        QFETCH(QStringList, terms);
        QFETCH(QStringList, shown);
        const OpenPage page;
        const QStringList roles{"N1", "D1", "N2", "D2"};
        for (int i = 0; i < roles.size(); ++i) {
            page.type(word + roles[i], terms[i]);
        }
        page.click(word);
        QVERIFY(page.dialogs.messages.empty());

        int stacking = 0;
        for (const QString& entry : shown) {
            const QStringList nameAndLeft = entry.split(' ');
            const Control& panel = page[nameAndLeft[0]];
            QVERIFY2(panel.visible(), qPrintable(entry));
            QCOMPARE(panel.place().left, nameAndLeft[1].toInt());
            QCOMPARE(panel.place().top, 360);
            QVERIFY(panel.stackingOrder() > stacking);
            stacking = panel.stackingOrder();
        }
    }

    static void stepButtons_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("count");
        QTest::newRow("addition") << "Adição" << 5;
        QTest::newRow("subtraction") << "Subtração" << 5;
        QTest::newRow("multiplication") << "Multiplicação" << 2;
        QTest::newRow("division") << "Divisão" << 3;
    }

    static void stepButtons() {
        QFETCH(QString, word);
        QFETCH(int, count);
        const OpenPage page;
        const QStringList captions{"1º", "2º", "3º", "4º", "5º"};
        const QStringList tooltips{"Efectuar o primeiro passo", "Efectuar o segundo passo",
                                   "Efectuar o terceiro passo", "Efectuar o quarto passo",
                                   "Efectuar o quinto passo"};
        for (int k = 0; k < 5; ++k) {
            const QString name = word + "Passo" + QString::number(k + 1);
            const Control* button = page.page.form().find(name.toStdString());
            QCOMPARE(button != nullptr, k < count);
            if (button != nullptr) {
                QCOMPARE(QString::fromStdString(button->caption()), captions[k]);
                QCOMPARE(QString::fromStdString(button->design().tooltip), tooltips[k]);
                QVERIFY(!button->enabled());
            }
        }
        QCOMPARE(QString::fromStdString(page[word].design().tooltip),
                 QString("Efectuar a operação"));
    }
};

QTEST_GUILESS_MAIN(DetailsPageTest)
#include "details_page_test.moc"
