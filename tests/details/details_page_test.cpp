// What the scenarios cannot see of the Details page: where the result panels stand once shown,
// and which of them is in front.
#include <QTest>
#include <string>
#include <vector>

#include "details/details_page.h"
#include "ui/user.h"

namespace {

using talvera::ui::Control;

class NoDialogs : public talvera::ui::Dialogs {
  public:
    void inform(std::string_view /*text*/, std::string_view /*title*/,
                talvera::ui::MessageIcon /*icon*/) override {
        QFAIL("no message box expected");
    }
};

// The page as the shell opens it.
struct OpenPage {
    NoDialogs dialogs;
    talvera::ui::NoSpeech speech;
    talvera::kit::Narrator narrator{speech};
    talvera::kit::Sketcher sketcher;
    talvera::details::DetailsPage page{
        {.dialogs = dialogs, .narrator = narrator, .sketcher = sketcher}};
    OpenPage() { page.form().load(); }
    Control& operator[](const QString& name) { return page.form().control(name.toStdString()); }

    // Types the row's two fractions into its boxes, in the order N1, D1, N2, D2.
    void typeTerms(const QString& word, const QStringList& terms) {
        const QStringList roles{"N1", "D1", "N2", "D2"};
        for (int i = 0; i < roles.size(); ++i) {
            talvera::ui::user::type((*this)[word + roles[i]], terms[i].toStdString());
        }
    }
};

}  // namespace

class DetailsPageTest : public QObject {
    Q_OBJECT

  private slots:
    static void panelPlaces_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("terms");
        // Each panel shown, with the left it stands at (all at top 360), the one in front last.
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char* name, const char* word, const QStringList& terms,
                            const QStringList& shown) {
            QTest::newRow(name) << QString::fromUtf8(word) << terms << shown;
        };
        row("addition", "Adição", {"1", "2", "1", "2"}, {"Frame1A 7500", "Frame3A 7560"});
        row("subtraction", "Subtração", {"-1", "2", "1", "2"}, {"Frame2B 7560", "Frame3B 7560"});
        row("multiplication", "Multiplicação", {"2", "4", "4", "2"},
            {"Frame1C 4620", "Frame3C 4620"});
        row("division", "Divisão", {"-1", "2", "1", "4"}, {"Frame2D 7500", "Frame3D 7500"});
    }

    static void panelPlaces() {
        QFETCH(QString, word);
        QFETCH(QStringList, terms);
        QFETCH(QStringList, shown);
        OpenPage page;
        page.typeTerms(word, terms);
        talvera::ui::user::click(page[word]);
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

    // A step button that disables itself hands the focus to the button it enables, so that the
    // next key press goes on with the steps instead of into another row's box.
    static void focusFollowsSteps_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<QStringList>("focusAfterEachStep");
        QTest::newRow("addition") << "Adição" << QStringList{"1", "4", "15", "6"}
                                  << QStringList{"2", "3", "4", "5", "1"};
        QTest::newRow("division") << "Divisão" << QStringList{"1", "4", "3", "6"}
                                  << QStringList{"2", "3", "1"};
        // A whole result keeps the last button enabled, and the focus with it.
        QTest::newRow("whole product")
            << "Multiplicação" << QStringList{"2", "1", "3", "1"} << QStringList{"2", "2"};
    }

    static void focusFollowsSteps() {
        QFETCH(QString, word);
        QFETCH(QStringList, terms);
        QFETCH(QStringList, focusAfterEachStep);
        OpenPage page;
        page.typeTerms(word, terms);
        talvera::ui::user::click(page["Passo" + word]);
        QString pressed = word + "Passo1";
        for (const QString& next : focusAfterEachStep) {
            QVERIFY(talvera::ui::user::click(page[pressed]));
            const Control* focused = page.page.form().focused();
            QVERIFY(focused != nullptr);
            pressed = word + "Passo" + next;
            QCOMPARE(QString::fromStdString(focused->name()), pressed);
            QVERIFY(focused->enabled());
        }
    }
};

QTEST_GUILESS_MAIN(DetailsPageTest)
#include "details_page_test.moc"
