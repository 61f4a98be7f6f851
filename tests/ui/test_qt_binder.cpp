// The Qt binder against real widgets, offscreen, where the scenarios do not reach: geometry and
// stacking, the context menu, the message box the program promises, and the ways other than
// typing and clicking that a widget changes. Typing and clicking through widgets are covered by
// every scenario run with --widgets.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/form.h"
#include "ui/qt/form_window.h"
#include "ui/qt/line_edit.h"
#include "ui/qt/message_box_dialogs.h"
#include "ui/qt/program_style.h"
#include "ui/qt/units.h"
#include "ui/qt/window_manager.h"

using talvera::ui::Control;
using talvera::ui::ControlKind;
using talvera::ui::Form;
using talvera::ui::qt::FormWindow;

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

// A term box, a read-only result box, a check box and a button, each counting what reaches the
// model's handlers.
struct Calculator {
    std::unique_ptr<Form> form =
        std::make_unique<Form>("Form9", "TALVERA", talvera::ui::Size{6000, 3000});
    int changes = 0;
    int clicks = 0;
    int ticks = 0;

    Calculator() {
        Control& term = form->add({.kind = ControlKind::TextBox,
                                   .name = "AdiçãoN1",
                                   .place = {150, 150, 915, 330},
                                   .text = "1"});
        term.onChange([this] { ++changes; });
        form->add({.kind = ControlKind::TextBox,
                   .name = "AdiçãoN3",
                   .place = {1500, 150, 915, 330},
                   .text = "11",
                   .readOnly = true,
                   .tabStop = false});
        form->add({.kind = ControlKind::CheckBox,
                   .name = "PassoAdição",
                   .place = {150, 900, 2400, 255},
                   .text = "Um passo de cada vez"})
            .onClick([this] { ++ticks; });
        form->add({.kind = ControlKind::Button,
                   .name = "Adição",
                   .place = {150, 1500, 315, 315},
                   .text = "="})
            .onClick([this] { ++clicks; });
    }
};

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

// Closes whatever modal window opens, after noting what it showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    qreal points = 0;
    int iconWidth = 0;
};

void closeNextModal(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {box->windowTitle(),
                box->text(),
                box->icon(),
                static_cast<int>(box->buttons().size()),
                box->font().pointSizeF(),
                box->iconPixmap().width()};
        box->accept();
    });
}

}  // namespace

class QtBinderTest : public QObject {
    Q_OBJECT
  private slots:
    // The program's own look, as the program runs with it.
    static void initTestCase() { talvera::ui::qt::installProgramStyle(*qApp); }

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
        QCOMPARE(talvera::ui::qt::toPixels(twips), pixels);
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

    void contextMenuIsPortuguese_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("term box with all selected")
            << false << QStringList{"Cortar", "Copiar", "Eliminar"};
        QTest::newRow("result box with all selected") << true << QStringList{"Copiar"};
    }

    void contextMenuIsPortuguese() {
        QFETCH(bool, readOnly);
        QFETCH(QStringList, enabled);
        talvera::ui::qt::LineEdit box;
        box.setText(QStringLiteral("15"));
        box.setReadOnly(readOnly);
        box.selectAll();
        const std::unique_ptr<QMenu> menu(box.createPortugueseMenu());
        QStringList texts;
        QStringList enabledTexts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
                if (action->isEnabled() && action->text() != QStringLiteral("Colar")) {
                    enabledTexts << action->text();
                }
            }
        }
        QCOMPARE(texts, (QStringList{"Desfazer", "Refazer", "Cortar", "Copiar", "Colar", "Eliminar",
                                     "Seleccionar tudo"}));
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
        QVERIFY(calculator.changes > 0);
    }

    // A read-only box refuses an assistive tool's write and shows the model's text again; the
    // program's own write runs the change handler once, with no echo from the widget.
    void refusalsAndNoEcho() {
        Calculator calculator;
        FormWindow window(*calculator.form);
        window.show();
        auto* result = qobject_cast<QLineEdit*>(window.widgetFor("AdiçãoN3"));
        accessible(result)->setText(QAccessible::Value, QStringLiteral("99"));
        QCOMPARE(result->text(), QStringLiteral("11"));
        QCOMPARE(calculator.form->control("AdiçãoN3").text(), std::string("11"));

        calculator.form->control("AdiçãoN1").setText("9");
        QCOMPARE(calculator.changes, 1);
        QCOMPARE(qobject_cast<QLineEdit*>(window.widgetFor("AdiçãoN1"))->text(),
                 QStringLiteral("9"));
        calculator.form->control("PassoAdição").setChecked(true);
        QCOMPARE(calculator.ticks, 0);
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
        QAction* action = nullptr;
        for (QAction* candidate : window.findChildren<QAction*>()) {
            if (QString(candidate->text()).remove(QLatin1Char('&')) == caption) {
                action = candidate;
            }
        }
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

    // A window that does not fit the screen at the chosen zoom opens at the largest step that
    // does; a step that would not fit is not taken; the chosen zoom is remembered.
    void zoomFitsTheScreen() {
        struct Memory : talvera::ui::qt::ZoomMemory {
            int kept = 100;
            int load() override { return kept; }
            void save(int percent) override { kept = percent; }
        } memory;
        const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
        // A page just wider than the screen at 100 %, and a small one.
        Form wide("Form1", "TALVERA", {(area.width() + 10) * 15, 3000});
        Form small("Form4", "INSTRUÇÕES", {3000, 3000});
        talvera::ui::qt::WindowManager windows(&memory);
        windows.formOpened(wide);
        windows.formOpened(small);
        QCOMPARE(windows.windowFor(wide)->zoom(), 90);
        QCOMPARE(windows.windowFor(small)->zoom(), 100);
        windows.zoomIn();
        QCOMPARE(windows.zoom(), 100);
        QCOMPARE(windows.windowFor(small)->zoom(), 100);
        windows.formClosing(wide);
        QApplication::setActiveWindow(windows.windowFor(small));
        QTest::keyClick(windows.windowFor(small), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(windows.zoom(), 125);
        QCOMPARE(memory.kept, 125);
        QCOMPARE(windows.windowFor(small)->findChild<QWidget*>("canvas")->size(), QSize(250, 250));
        QTest::keyClick(windows.windowFor(small), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(windows.zoom(), 100);
        QCOMPARE(windows.windowFor(small)->findChild<QWidget*>("canvas")->size(), QSize(200, 200));
        windows.formClosing(small);
    }

    // A caption that just fits its place at 100 % is never cut at another zoom, and keeps its
    // designed width at 100 %.
    void captionKeepsItsRoom_data() {
        QTest::addColumn<int>("percent");
        for (const int percent : {75, 125, 150, 200, 250, 300}) {
            QTest::newRow(qPrintable(QString::number(percent))) << percent;
        }
    }

    void captionKeepsItsRoom() {
        QFETCH(int, percent);
        Form form("Form4", "INSTRUÇÕES", {3000, 1000});
        form.add({.kind = ControlKind::Label,
                  .name = "Label1",
                  .place = {150, 150, 495, 195},
                  .text = "Página"});
        FormWindow window(form);
        auto* label = qobject_cast<QLabel*>(window.widgetFor("Label1"));
        const int designed = label->width();
        window.setZoom(percent);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        window.setZoom(100);
        QCOMPARE(label->width(), designed);
    }

    // The check box's square grows with the window's zoom, as its text does.
    void checkBoxSquareFollowsZoom() {
        Calculator calculator;
        FormWindow window(*calculator.form);
        const talvera::ui::qt::ProgramStyle style;
        QWidget* box = window.widgetFor("PassoAdição");
        const int designed = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
        window.setZoom(200);
        QCOMPARE(style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), designed * 2);
        QCOMPARE(style.pixelMetric(QStyle::PM_IndicatorHeight, nullptr, box), designed * 2);
        window.setZoom(100);
        QCOMPARE(style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), designed);
    }

    // The menu bar's overflow chevrons are drawn, not read from files, crisp at any size.
    void extensionChevronsAreDrawn_data() {
        QTest::addColumn<int>("pixmap");
        QTest::addColumn<int>("side");
        QTest::newRow("horizontal, small")
            << static_cast<int>(QStyle::SP_ToolBarHorizontalExtensionButton) << 16;
        QTest::newRow("horizontal, zoomed")
            << static_cast<int>(QStyle::SP_ToolBarHorizontalExtensionButton) << 48;
        QTest::newRow("vertical") << static_cast<int>(QStyle::SP_ToolBarVerticalExtensionButton)
                                  << 16;
    }

    void extensionChevronsAreDrawn() {
        QFETCH(int, pixmap);
        QFETCH(int, side);
        const talvera::ui::qt::ProgramStyle style;
        const QIcon icon =
            style.standardIcon(static_cast<QStyle::StandardPixmap>(pixmap), nullptr, nullptr);
        const QImage image = icon.pixmap(side, side).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        int inked = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                inked += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        // Lines, not a blot and not nothing.
        QVERIFY2(inked > side / 2 && inked < side * side / 3, qPrintable(QString::number(inked)));
    }

    // A box grows with the zoom of the window it stands over, or with the program's zoom when
    // none of its windows is active.
    void messageBoxFollowsZoom_data() {
        QTest::addColumn<int>("windowZoom");  // 0: no window active
        QTest::addColumn<int>("programZoom");
        QTest::addColumn<int>("expected");
        QTest::newRow("over a window at 200 %") << 200 << 100 << 200;
        QTest::newRow("over a window at 100 %") << 100 << 300 << 100;
        QTest::newRow("no window active, program at 150 %") << 0 << 150 << 150;
    }

    void messageBoxFollowsZoom() {
        QFETCH(int, windowZoom);
        QFETCH(int, programZoom);
        QFETCH(int, expected);
        SeenBox normal;
        closeNextModal(normal);
        talvera::ui::qt::MessageBoxDialogs().inform("Texto.", "TALVERA",
                                                    talvera::ui::MessageIcon::Information);

        Calculator calculator;
        FormWindow window(*calculator.form);
        if (windowZoom != 0) {
            window.setZoom(windowZoom);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        SeenBox seen;
        closeNextModal(seen);
        talvera::ui::qt::MessageBoxDialogs([programZoom] {
            return programZoom;
        }).inform("Texto.", "TALVERA", talvera::ui::MessageIcon::Information);
        QCOMPARE(seen.points, normal.points * expected / 100);
        QCOMPARE(seen.iconWidth, (normal.iconWidth * expected + 50) / 100);
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
        talvera::ui::qt::MessageBoxDialogs dialogs;
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
