// talvera-scenarios [--widgets] FILE...
// Runs each scenario file from a fresh start, on the form model or, with --widgets, on real Qt
// widgets offscreen. Prints each failure and then "N passed, N failed"; exits non-zero when any
// file failed.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "driver.h"
#include "qt/program_style.h"
#include "runner.h"

namespace {

// A modal window would wait for a person who never comes: close it and fail instead.
void startModalWatchdog(QApplication& app, bool& strayModal) {
    auto* watchdog = new QTimer(&app);
    QObject::connect(watchdog, &QTimer::timeout, &app, [&strayModal] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::cout << "a modal window appeared: " << modal->windowTitle().toStdString() << '\n';
            strayModal = true;
            modal->close();
        }
    });
    watchdog->start(100);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> files;
    bool widgets = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--widgets") {
            widgets = true;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: talvera-scenarios [--widgets] FILE...\n";
        return 2;
    }

    std::unique_ptr<QApplication> app;
    bool strayModal = false;
    if (widgets) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
        talvera::qt::installProgramStyle(*app);
        QApplication::setQuitOnLastWindowClosed(false);
        startModalWatchdog(*app, strayModal);
    }

    int passed = 0;
    int failed = 0;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        bool ok = !in.fail();
        if (ok) {
            const auto driver = widgets ? talvera::scenarios::makeWidgetDriver()
                                        : talvera::scenarios::makeModelDriver();
            ok = talvera::scenarios::runScenario(
                talvera::scenarios::parseScenario(file, contents.str()), *driver, std::cout);
        } else {
            std::cout << file << ":0: expected a readable scenario file, found none\n";
        }
        ok = ok && !strayModal;
        ++(ok ? passed : failed);
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
