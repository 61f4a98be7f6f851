// The Qt binder against real widgets, offscreen, where the scenarios do not reach: geometry and
// stacking, the context menu, the keyboard, the message box the program promises, and the ways
// other than typing and clicking that a widget changes. Typing and clicking through widgets are
// covered by every scenario run with --widgets.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <memory>

#include "qt/form_window.h"
#include "qt/line_edit.h"
#include "qt/message_box_dialogs.h"
#include "qt/program_style.h"
#include "qt/scale.h"
#include "ui/binder_fixture.h"
#include "ui/form.h"

using binder_fixture::Calculator;
using binder_fixture::closeNextModal;
using binder_fixture::SeenBox;
using talvera::qt::FormWindow;
using talvera::ui::Control;
using talvera::ui::ControlKind;
using talvera::ui::Form;

namespace {

// A frame holding a read-only box, and a hidden panel laid over it.
std::unique_ptr<Form> makeForm() {
    auto form = std::make_unique<Form>("Form9", "TALVERA", talvera::ui::Size{6000, 4500});
    const Control& frame = form->add({.kind = ControlKind::Frame,
                                      .name = "Frame1",
                                      .place = {150, 150, 4500, 3000},
                                      .text = "Adição de frações",
                                      .border = talvera::ui::Border::Titled});
    form->add({.kind = ControlKind::TextBox,
               .name = "AdiçãoN3",
               .place = {390, 900, 915, 330},
               .container = &frame,
               .readOnly = true,
               .tabStop = false});
    form->add({.kind = ControlKind::Frame,
               .name = "Frame6",
               .place = {1400, 800, 1215, 1155},
               .container = &frame,
               .visible = false});
    return form;
}

// What an assistive tool reaches the widget through; a missing one is a broken build of Qt.
QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face == nullptr) {
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    }
    return face;
}

// Drops a text on the box at its left edge, as a drag from another program ends.
void dropText(QLineEdit* edit, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPointF where(3, edit->height() / 2.0);
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &enter);
    QDragMoveEvent move(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &move);
    QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &drop);
}

enum class TextSource {
    AccessibleValue,
    AccessibleReplace,
    AccessibleInsert,
    AccessibleDelete,
    Paste,
    Undo,
    Redo,
    Drop
};

}  // namespace

class QtBinderTest : public QObject {
    Q_OBJECT
  private slots:
    // The program's own look, as the program runs with it.
    static void initTestCase() { talvera::qt::installProgramStyle(*qApp); }

    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("rounds down below half") << 7 << 0;
        QTest::newRow("rounds up from half") << 8 << 1;
        QTest::newRow("page width") << 15240 << 1016;
        QTest::newRow("negative") << -8 << -1;
    }

    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(talvera::qt::Scale().toPixels(twips), pixels);
    }

    // Places in twips become pixels inside the container, and the panel shown last covers the rest.

    void placesAndStacking() {
        auto form = makeForm();
        FormWindow window(*form);
        window.show();
        QWidget* frame = window.widgetFor("Frame1");
        QWidget* box = window.widgetFor("AdiçãoN3");
        QCOMPARE(box->parentWidget(), frame);
        QCOMPARE(box->geometry(), QRect(26, 60, 61, 22));
        QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(frame->children().last(), window.widgetFor("Frame6"));

        form->control("Frame6").moveTo(1500, 1500);
        form->control("AdiçãoN3").bringToFront();
        QCOMPARE(window.widgetFor("Frame6")->pos(), QPoint(100, 100));
        QCOMPARE(frame->children().last(), box);
        form->control("Frame6").bringToFront();
        QCOMPARE(frame->children().last(), window.widgetFor("Frame6"));
    }

    // A result box lets the user copy, never change, what it shows.
    void contextMenu_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("term box") << false << QStringList{"Cortar", "Copiar", "Eliminar"};
        QTest::newRow("result box") << true << QStringList{"Copiar"};
    }

    void contextMenu() {
        QFETCH(bool, readOnly);
        QFETCH(QStringList, enabled);
        talvera::qt::LineEdit box;
        box.setText(QStringLiteral("15"));
        box.setReadOnly(readOnly);
        box.selectAll();
        const std::unique_ptr<QMenu> menu(box.createPortugueseMenu());
        QStringList enabledTexts;
        for (const QAction* action : menu->actions()) {
            // The clipboard's state is the machine's, not the box's.
            if (action->isEnabled() && !action->isSeparator() &&
                action->text() != QStringLiteral("Colar")) {
                enabledTexts << action->text();
            }
        }
        QCOMPARE(enabledTexts, enabled);
    }

    // Whatever changes a term box's text, the model holds the same text and its change handler ran.
    void textReachesModel_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("accessible value") << static_cast<int>(TextSource::AccessibleValue) << "2";
        QTest::newRow("accessible replace")
            << static_cast<int>(TextSource::AccessibleReplace) << "2";
        QTest::newRow("accessible insert")
            << static_cast<int>(TextSource::AccessibleInsert) << "15";
        QTest::newRow("accessible delete") << static_cast<int>(TextSource::AccessibleDelete) << "";
        QTest::newRow("paste") << static_cast<int>(TextSource::Paste) << "7";
        QTest::newRow("undo") << static_cast<int>(TextSource::Undo) << "1";
        QTest::newRow("redo") << static_cast<int>(TextSource::Redo) << "15";
        QTest::newRow("drop") << static_cast<int>(TextSource::Drop) << "61";
    }

    void textReachesModel() {
        QFETCH(int, source);
        QFETCH(QString, expected);
        Calculator calculator;
        FormWindow window(*calculator.form);
        window.show();
        auto* edit = qobject_cast<QLineEdit*>(window.widgetFor("AdiçãoN1"));
        QVERIFY(edit != nullptr);
        edit->setFocus();
        edit->end(false);
        QAccessibleInterface* face = accessible(edit);
        QAccessibleEditableTextInterface* editable = face->editableTextInterface();
        QVERIFY(editable != nullptr);
        switch (static_cast<TextSource>(source)) {
            case TextSource::AccessibleValue:
                face->setText(QAccessible::Value, QStringLiteral("2"));
                break;
            case TextSource::AccessibleReplace:
                editable->replaceText(0, 1, QStringLiteral("2"));
                break;
            case TextSource::AccessibleInsert:
                editable->insertText(1, QStringLiteral("5"));
                break;
            case TextSource::AccessibleDelete:
                editable->deleteText(0, 1);
                break;
            case TextSource::Paste:
                QGuiApplication::clipboard()->setText(QStringLiteral("7"));
                edit->selectAll();
                edit->paste();
                break;
            case TextSource::Undo:
            case TextSource::Redo:
                QTest::keyClick(edit, Qt::Key_5);
                QCOMPARE(calculator.form->control("AdiçãoN1").text(), std::string("15"));
                edit->undo();
                if (static_cast<TextSource>(source) == TextSource::Redo) {
                    QCOMPARE(calculator.form->control("AdiçãoN1").text(), std::string("1"));
                    edit->redo();
                }
                break;
            case TextSource::Drop:
                dropText(edit, QStringLiteral("6"));
                break;
        }
        QCOMPARE(edit->text(), expected);
        QCOMPARE(QString::fromStdString(calculator.form->control("AdiçãoN1").text()), expected);
    }

    // A read-only box refuses an assistive tool's write and shows the model's text again; the
    // program's own write runs the change handler once, with no echo from the widget, even where
    // the widget changes what it was given: it cuts a text at its maximum length.
    void refusalsAndNoEcho() {
        Calculator calculator;
        FormWindow window(*calculator.form);
        window.show();
        auto* result = qobject_cast<QLineEdit*>(window.widgetFor("AdiçãoN3"));
        accessible(result)->setText(QAccessible::Value, QStringLiteral("99"));
        QCOMPARE(result->text(), QStringLiteral("11"));
        QCOMPARE(calculator.form->control("AdiçãoN3").text(), std::string("11"));

        calculator.form->control("AdiçãoN1").setText("1234567");
        QCOMPARE(calculator.changes, 1);
        QCOMPARE(calculator.form->control("AdiçãoN1").text(), std::string("1234567"));
    }

    // A combo box shows the model's item, and the user's choice, by key or by an assistive tool,
    // reaches the model once; the program's own choice raises its change event once, no echo.
    void comboBoxBothWays_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("arrow key") << true;
        QTest::newRow("assistive tool") << false;
    }
    void comboBoxBothWays() {
        QFETCH(bool, byKey);
        Form form("Form9", "TALVERA", {3000, 1500});
        Control& list = form.add({.kind = ControlKind::ComboBox,
                                  .name = "Nível",
                                  .place = {150, 150, 1500, 345},
                                  .items = {"Nível 1", "Nível 2", "Nível 3"}});
        int changes = 0;
        list.onChange([&changes] { ++changes; });
        FormWindow window(form);
        window.show();
        auto* shown = qobject_cast<QComboBox*>(window.widgetFor("Nível"));
        list.setCurrentIndex(2);
        QCOMPARE(shown->currentText(), QStringLiteral("Nível 3"));
        if (byKey) {
            QTest::keyClick(shown, Qt::Key_Up);
        } else {
            shown->setCurrentIndex(1);
        }
        QCOMPARE(list.text(), std::string("Nível 2"));
        QCOMPARE(changes, 2);
    }

    // The accessibility actions tick the box and press the button as a click does.
    void accessibleActions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("action");
        QTest::newRow("toggle the check box")
            << "PassoAdição" << QAccessibleActionInterface::toggleAction();
        QTest::newRow("press the button") << "Adição" << QAccessibleActionInterface::pressAction();
    }

    void accessibleActions() {
        QFETCH(QString, control);
        QFETCH(QString, action);
        Calculator calculator;
        FormWindow window(*calculator.form);
        window.show();
        QAccessibleActionInterface* actions =
            accessible(window.widgetFor(control.toStdString()))->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(action));
        actions->doAction(action);
        if (control == QStringLiteral("Adição")) {
            QTRY_COMPARE(calculator.clicks, 1);
            return;
        }
        QTRY_COMPARE(calculator.ticks, 1);
        QVERIFY(calculator.form->control("PassoAdição").checked());
        QVERIFY(qobject_cast<QCheckBox*>(window.widgetFor("PassoAdição"))->isChecked());
    }

    // Alt with a letter never types into a box; the menus take their access keys from the model,
    // and F10 opens the bar.
    void altLettersTypeNothing() {
        Calculator calculator;
        FormWindow window(*calculator.form);
        window.show();
        auto* edit = qobject_cast<QLineEdit*>(window.widgetFor("AdiçãoN1"));
        QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(edit, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QCOMPARE(calculator.changes, 0);
    }

    void menuAccessKeys_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("drop-down") << "Ficheiro" << QKeySequence(Qt::ALT | Qt::Key_F);
        QTest::newRow("command of the bar") << "Operações" << QKeySequence(Qt::ALT | Qt::Key_O);
        QTest::newRow("item of a drop-down")
            << "Abandonar o programa" << QKeySequence(Qt::ALT | Qt::Key_A);
    }

    void menuAccessKeys() {
        QFETCH(QString, caption);
        QFETCH(QKeySequence, keys);
        Calculator calculator;
        calculator.form->menuBar() = {
            {.name = "Ficheiro",
             .caption = "Ficheiro",
             .items = {{.name = "AbandonarPrograma",
                        .caption = "Abandonar o programa",
                        .accessKey = 'A'}},
             .accessKey = 'F'},
            {.name = "Operações", .caption = "Operações", .accessKey = 'O'}};
        FormWindow window(*calculator.form);
        window.show();
        QAction* action = talvera::qt::menuAction(window, caption.toStdString());
        QVERIFY(action != nullptr);
        QCOMPARE(QKeySequence::mnemonic(action->text()), keys);

        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, Qt::Key_F10);
        QVERIFY(window.menuBar()->activeAction() != nullptr);
        QCOMPARE(window.menuBar()->activeAction()->text(), QStringLiteral("&Ficheiro"));
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    void messageBox_data() {
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<int>("icon");
        QTest::newRow("information") << true << static_cast<int>(QMessageBox::Information);
        QTest::newRow("plain") << false << static_cast<int>(QMessageBox::NoIcon);
    }

    void messageBox() {
        QFETCH(bool, withIcon);
        QFETCH(int, icon);
        SeenBox seen;
        closeNextModal(seen);
        talvera::qt::MessageBoxDialogs dialogs;
        dialogs.inform(
            "As fracções não podem ter denominador zero.", "TALVERA",
            withIcon ? talvera::ui::MessageIcon::Information : talvera::ui::MessageIcon::None);
        QCOMPARE(seen.title, QStringLiteral("TALVERA"));
        QCOMPARE(seen.text, QStringLiteral("As fracções não podem ter denominador zero."));
        QCOMPARE(static_cast<int>(seen.icon), icon);
        QCOMPARE(seen.buttons, 1);
    }
};

QTEST_MAIN(QtBinderTest)
#include "test_qt_binder.moc"
