// The Qt binder at every zoom, offscreen: windows that fit their screen, captions and check boxes
// in proportion, the style's drawn icons, and message boxes at the zoom of what they stand over.
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "qt/form_window.h"
#include "qt/message_box_dialogs.h"
#include "qt/program_style.h"
#include "qt/window_manager.h"
#include "ui/binder_fixture.h"
#include "ui/form.h"

using binder_fixture::Calculator;
using binder_fixture::closeNextModal;
using binder_fixture::SeenBox;
using talvera::qt::FormWindow;
using talvera::ui::ControlKind;
using talvera::ui::Form;

class QtZoomTest : public QObject {
    Q_OBJECT
  private slots:
    // The program's own look, as the program runs with it.
    static void initTestCase() { talvera::qt::installProgramStyle(*qApp); }

    // A window that does not fit the screen at the chosen zoom opens at the largest step that
    // does; a step that would not fit is not taken; the chosen zoom is remembered.
    void zoomFitsTheScreen() {
        struct Memory : talvera::qt::ZoomMemory {
            int kept = 100;
            int load() override { return kept; }
            void save(int percent) override { kept = percent; }
        } memory;
        const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
        // A page just wider than the screen at 100 %, and a small one.
        Form wide("Form1", "TALVERA", {(area.width() + 10) * 15, 3000});
        Form small("Form4", "INSTRUÇÕES", {3000, 3000});
        talvera::qt::WindowManager windows(&memory);
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
        const talvera::qt::ProgramStyle style;
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
        const talvera::qt::ProgramStyle style;
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
        talvera::qt::MessageBoxDialogs().inform("Texto.", "TALVERA",
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
        talvera::qt::MessageBoxDialogs([programZoom] {
            return talvera::qt::Look{.scale = talvera::qt::Scale(programZoom)};
        }).inform("Texto.", "TALVERA", talvera::ui::MessageIcon::Information);
        QCOMPARE(seen.points, normal.points * expected / 100);
        QCOMPARE(seen.iconWidth, (normal.iconWidth * expected + 50) / 100);
    }
};

QTEST_MAIN(QtZoomTest)
#include "test_qt_zoom.moc"
