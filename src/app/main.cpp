#include <QApplication>
#include <QIcon>

#include "shell/program.h"
#include "ui/qt/message_box_dialogs.h"
#include "ui/qt/program_style.h"
#include "ui/qt/window_manager.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TALVERA"));
    talvera::ui::qt::installProgramStyle(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/talvera.svg")));
    // The program ends when the title page closes or "Abandonar o programa" is chosen, not when
    // Qt sees no window left.
    QApplication::setQuitOnLastWindowClosed(false);

    talvera::ui::qt::MessageBoxDialogs dialogs;
    talvera::ui::qt::SettingsZoomMemory zoomMemory;
    talvera::ui::qt::WindowManager windows(&zoomMemory);
    talvera::shell::Program program(dialogs, &windows);
    program.start();
    return QApplication::exec();
}
