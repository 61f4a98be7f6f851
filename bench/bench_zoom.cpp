// How long one zoom step takes to lay out every open window again on real widgets, offscreen.
// Goal: under 50 ms for all four windows.
#include <QApplication>
#include <QTest>
#include <vector>

#include "qt/program_style.h"
#include "qt/window_manager.h"
#include "shell/program.h"
#include "ui/silent_dialogs.h"

class ZoomBenchmark : public QObject {
    Q_OBJECT
  private slots:
    void zoomStep_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("100 % to 125 %") << 100 << 125;
        QTest::newRow("100 % to 200 %") << 100 << 200;
        QTest::newRow("200 % to 300 %") << 200 << 300;
    }

    // Each round is one step, there or back, with the windows painted after it.
    void zoomStep() {
        QFETCH(int, from);
        QFETCH(int, to);
        talvera::ui::SilentDialogs dialogs;
        talvera::qt::WindowManager windows;
        talvera::shell::Program program(dialogs, &windows);
        program.start();
        std::vector<talvera::qt::FormWindow*> shown;
        for (const talvera::shell::PageId page : talvera::shell::allPages) {
            program.show(page);
            shown.push_back(windows.windowFor(*program.form(page)));
        }
        auto zoomAll = [&shown](int percent) {
            for (talvera::qt::FormWindow* window : shown) {
                window->setZoom(percent);
            }
            for (talvera::qt::FormWindow* window : shown) {
                window->repaint();
            }
        };
        zoomAll(from);
        int next = to;
        QBENCHMARK {
            zoomAll(next);
            next = next == to ? from : to;
        }
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talvera::qt::installProgramStyle(app);
    ZoomBenchmark benchmark;
    return QTest::qExec(&benchmark, argc, argv);
}

#include "bench_zoom.moc"
