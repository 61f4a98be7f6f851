// The Qt binder against real widgets, offscreen, where the scenarios do not reach: geometry and
// stacking, the context menu, and the message box the program promises. Typing and clicking
// through widgets are covered by every scenario run with --widgets.
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/form.h"
#include "ui/qt/form_window.h"
#include "ui/qt/line_edit.h"
#include "ui/qt/message_box_dialogs.h"
#include "ui/qt/units.h"

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

// Closes whatever modal window opens, after noting what it showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

void closeNextModal(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {box->windowTitle(), box->text(), box->icon(),
                static_cast<int>(box->buttons().size())};
        box->accept();
    });
}

}  // namespace

class QtBinderTest : public QObject {
    Q_OBJECT
  private slots:
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
