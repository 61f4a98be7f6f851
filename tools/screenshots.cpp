// Saves a picture of every page, as a person would see it, for looking at the layout:
//   talvera-screenshots DIR
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <vector>

#include "shell/program.h"
#include "ui/qt/program_style.h"
#include "ui/qt/window_manager.h"
#include "ui/user.h"

namespace {

class SilentDialogs : public talvera::ui::Dialogs {
  public:
    void inform(std::string_view /*text*/, std::string_view /*title*/,
                talvera::ui::MessageIcon /*icon*/) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talvera::ui::qt::installProgramStyle(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(out.path());

    SilentDialogs dialogs;
    talvera::ui::qt::WindowManager windows;
    talvera::shell::Program program(dialogs, &windows);
    program.start();

    using talvera::shell::PageId;
    auto save = [&](PageId page, const QString& file) {
        talvera::ui::Form* form = program.form(page);
        if (form == nullptr) {
            return;
        }
        QApplication::processEvents();
        windows.windowFor(*form)->grab().save(out.filePath(file));
    };
    auto click = [&](PageId page, const char* name) {
        talvera::ui::user::click(program.form(page)->control(name));
    };

    for (const PageId page : talvera::shell::allPages) {
        program.show(page);
    }
    save(PageId::Title, QStringLiteral("form3-title.png"));
    save(PageId::Operations, QStringLiteral("form1-operations.png"));
    save(PageId::Details, QStringLiteral("form2-details.png"));
    save(PageId::Instructions, QStringLiteral("form4-instructions.png"));

    // Every task of the Operations page with a result on screen.
    for (const char* task : {"Adição", "Subtracção", "Multiplicação", "Divisão", "Simplificação",
                             "Comparação", "Dízima", "Conversão"}) {
        click(PageId::Operations, task);
    }
    save(PageId::Operations, QStringLiteral("form1-operations-results.png"));

    // Every row of the Details page worked out at once.
    for (const char* row : {"Adição", "Subtração", "Multiplicação", "Divisão"}) {
        click(PageId::Details, row);
    }
    save(PageId::Details, QStringLiteral("form2-details-results.png"));
    return 0;
}
