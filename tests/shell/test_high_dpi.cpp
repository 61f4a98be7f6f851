// The projector zoom on top of Qt's own high-DPI scaling: the windows are sized and fitted in
// the screen's device-independent pixels, and drawn at its device pixels, so the two scalings
// multiply instead of fighting. The run scales by 1.5 a 1920 x 1080 screen, which leaves the
// program a 1280 x 720 area: the three pages of the designed size fit at 90 % only, the smaller
// instructions window at 100 % but not at 125 %.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "qt/window_manager.h"
#include "shell/program.h"
#include "ui/silent_dialogs.h"
#include "ui/zoom.h"

using talvera::shell::PageId;

Q_DECLARE_METATYPE(PageId)

namespace {

constexpr qreal scaleFactor = 1.5;

struct Opened {
    talvera::ui::SilentDialogs dialogs;
    talvera::qt::WindowManager windows;
    talvera::shell::Program program{dialogs, &windows};

    explicit Opened(PageId page) {
        program.start();
        program.show(page);
        QApplication::processEvents();
    }

    talvera::qt::FormWindow* window(PageId page) const {
        return windows.windowFor(*program.form(page));
    }
};

bool fitsTheScreen(const QWidget* window) {
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

  private slots:
    // What the rows below assume of the screen the run was given.
    static void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), scaleFactor);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1280, 720));
    }

    void opensAtTheLargestStepThatFits_data() {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<int>("opensAt");
        QTest::addColumn<int>("afterZoomIn");
        QTest::newRow("Operações") << PageId::Operations << 90 << 90;
        QTest::newRow("Detalhes") << PageId::Details << 90 << 90;
        QTest::newRow("abertura") << PageId::Title << 90 << 90;
        QTest::newRow("instruções") << PageId::Instructions << 100 << 100;
    }

    void opensAtTheLargestStepThatFits() {
        QFETCH(PageId, page);
        QFETCH(int, opensAt);
        QFETCH(int, afterZoomIn);
        Opened opened(page);
        auto* window = opened.window(page);
        QCOMPARE(window->zoom(), opensAt);
        QVERIFY(fitsTheScreen(window));
        opened.windows.zoomIn();
        QApplication::processEvents();
        QCOMPARE(window->zoom(), afterZoomIn);
        QVERIFY(fitsTheScreen(window));
    }

    // A zoomed window is drawn at the screen's own pixels, not enlarged after drawing.
    void drawnAtDevicePixels_data() {
        QTest::addColumn<int>("zoom");
        QTest::newRow("75 %") << 75;
        QTest::newRow("90 %") << 90;
    }

    void drawnAtDevicePixels() {
        QFETCH(int, zoom);
        const Opened opened(PageId::Operations);
        auto* window = opened.window(PageId::Operations);
        window->setZoom(zoom);
        QApplication::processEvents();
        const QPixmap picture = window->grab();
        QCOMPARE(picture.devicePixelRatio(), scaleFactor);
        QCOMPARE(picture.size(), (QSizeF(window->size()) * scaleFactor).toSize());
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scaleFactor));
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_dpi.moc"
