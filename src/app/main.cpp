#include <QApplication>
#include <QIcon>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/self_test.h"
#include "shell/program.h"
#include "ui/qt/message_box_dialogs.h"
#include "ui/qt/program_style.h"
#include "ui/qt/window_manager.h"

int main(int argc, char* argv[]) {
    // Read before QApplication exists: --help and --version must work without a display.
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const talvera::app::CommandLine commandLine =
        talvera::app::readCommandLine(arguments, TALVERA_VERSION);
    using talvera::app::Request;
    if (commandLine.request == Request::Help || commandLine.request == Request::Version) {
        std::cout << commandLine.output;
        return commandLine.exitStatus;
    }
    if (commandLine.request == Request::Mistake) {
        std::cerr << commandLine.error;
        return commandLine.exitStatus;
    }
    const bool selfTest = commandLine.request == Request::SelfTest;
    if (selfTest && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TALVERA"));
    QApplication::setApplicationVersion(QStringLiteral(TALVERA_VERSION));
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pt.talvera.Talvera"));
    talvera::ui::qt::installProgramStyle(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/talvera.svg")));
    // The program ends when the title page closes or "Abandonar o programa" is chosen, not when
    // Qt sees no window left.
    QApplication::setQuitOnLastWindowClosed(false);

    if (selfTest) {
        return talvera::app::runSelfTest();
    }
    talvera::ui::qt::SettingsZoomMemory zoomMemory;
    talvera::ui::qt::WindowManager windows(&zoomMemory);
    talvera::ui::qt::MessageBoxDialogs dialogs([&windows] { return windows.zoom(); });
    talvera::shell::Program program(dialogs, &windows);
    program.start();
    return QApplication::exec();
}
