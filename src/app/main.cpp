#include <QApplication>
#include <QIcon>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/self_test.h"
#include "qt/accessibility.h"
#include "qt/document_printer.h"
#include "qt/message_box_dialogs.h"
#include "qt/program_style.h"
#include "qt/settings_preferences.h"
#include "qt/voice.h"
#include "qt/window_manager.h"
#include "shell/program.h"

namespace {

using talvera::app::CommandLine;
using talvera::app::Request;

// Prints what the command line answered; true when the program is to go on.
bool goesOn(const CommandLine& commandLine) {
    switch (commandLine.request) {
        case Request::Help:
        case Request::Version:
            std::cout << commandLine.output;
            return false;
        case Request::Mistake:
            std::cerr << commandLine.error;
            return false;
        case Request::Run:
        case Request::SelfTest:
            break;
    }
    return true;
}

// What QApplication left of the arguments, its own options taken out.
CommandLine leftovers() {
    std::vector<std::string> texts;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        texts.push_back(argument.toStdString());
    }
    return talvera::app::refuseLeftovers(std::vector<std::string_view>(texts.begin(), texts.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Read before QApplication exists: --help and --version must work without a display.
    const CommandLine commandLine =
        talvera::app::readCommandLine({argv + 1, argv + argc}, TALVERA_VERSION);
    if (!goesOn(commandLine)) {
        return commandLine.exitStatus;
    }
    const bool selfTest = commandLine.request == Request::SelfTest;
    if (selfTest && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    if (const CommandLine rest = leftovers(); !goesOn(rest)) {
        return rest.exitStatus;
    }
    // Every setting of the program lands in one file, ~/.config/TALVERA/TALVERA.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("TALVERA"));
    QCoreApplication::setApplicationName(QStringLiteral("TALVERA"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALVERA_VERSION));
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pt.talvera.Talvera"));
    talvera::qt::installProgramStyle(app);
    talvera::qt::installAccessibility();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/talvera.svg")));
    // The program ends when the title page closes or "Abandonar o programa" is chosen, not when
    // Qt sees no window left.
    QApplication::setQuitOnLastWindowClosed(false);

    if (selfTest) {
        return talvera::app::runSelfTest();
    }
    talvera::qt::SettingsZoomMemory zoomMemory;
    talvera::qt::WindowManager windows(&zoomMemory);
    talvera::qt::MessageBoxDialogs dialogs([&windows] { return windows.look(); });
    talvera::qt::Voice voice;
    talvera::qt::SettingsPreferences preferences;
    talvera::qt::DocumentPrinter printer(
        [&windows](const talvera::ui::Form& form) -> QWidget* { return windows.windowFor(form); },
        dialogs);
    talvera::shell::Program program({.dialogs = dialogs,
                                     .windows = &windows,
                                     .speech = &voice,
                                     .preferences = &preferences,
                                     .printing = &printer});
    program.start();
    return QApplication::exec();
}
