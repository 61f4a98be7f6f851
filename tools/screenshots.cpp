// Saves a picture of every page, as a person would see it, for looking at the layout, at each
// zoom given (100 % when none is); pictures at another zoom than 100 % end in "-PERCENT". The pages
// with their results are then saved once more in high contrast, ending in "-contrast". A worksheet
// is saved as DIR/worksheet.pdf, for `make screenshots` to turn into pictures:
//   talvera-screenshots DIR [PERCENT...]
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "qt/document_painter.h"
#include "qt/program_style.h"
#include "qt/window_manager.h"
#include "shell/program.h"
#include "ui/printing.h"
#include "ui/silent_dialogs.h"
#include "ui/user.h"
#include "ui/zoom.h"

namespace {

// Keeps the worksheet the program hands over as a PDF file in the pictures' folder.
class PdfPrinting : public talvera::ui::Printing {
  public:
    explicit PdfPrinting(QString path) : path_(std::move(path)) {}
    void print(const talvera::ui::printout::Document& document) override {
        talvera::qt::writePdf(document, path_, nullptr);
    }
    void saveAsPdf(const talvera::ui::printout::Document& document,
                   std::string_view /*name*/) override {
        print(document);
    }

  private:
    QString path_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talvera::qt::installProgramStyle(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(out.path());

    talvera::ui::SilentDialogs dialogs;
    talvera::qt::WindowManager windows;
    PdfPrinting printing(out.filePath(QStringLiteral("worksheet.pdf")));
    // A fixed seed: the same exercise on every run.
    talvera::shell::Program program(
        {.dialogs = dialogs, .windows = &windows, .printing = &printing, .seed = 7});
    program.start();

    std::vector<int> zooms;
    for (int i = 2; i < argc; ++i) {
        zooms.push_back(QString::fromLocal8Bit(argv[i]).toInt());
    }
    if (zooms.empty()) {
        zooms.push_back(talvera::ui::zoom::normal);
    }

    using talvera::shell::PageId;
    // Each window is laid out at the zoom as it is, whether or not the screen would hold it.
    auto save = [&](PageId page, const QString& file, const std::vector<int>& at) {
        talvera::ui::Form* form = program.form(page);
        if (form == nullptr) {
            return;
        }
        talvera::qt::FormWindow* window = windows.windowFor(*form);
        for (const int zoom : at) {
            window->setZoom(zoom);
            QApplication::processEvents();
            const QString suffix =
                zoom == talvera::ui::zoom::normal ? QString() : QStringLiteral("-%1").arg(zoom);
            window->grab().save(out.filePath(file + suffix + QStringLiteral(".png")));
        }
    };
    auto click = [&](PageId page, const char* name) {
        talvera::ui::user::click(program.form(page)->control(name));
    };
    auto type = [&](PageId page, const char* name, const char* text) {
        talvera::ui::user::type(program.form(page)->control(name), text);
    };

    for (const PageId page : talvera::shell::allPages) {
        program.show(page);
    }
    save(PageId::Title, QStringLiteral("form3-title"), zooms);
    save(PageId::Operations, QStringLiteral("form1-operations"), zooms);
    save(PageId::Details, QStringLiteral("form2-details"), zooms);
    save(PageId::Instructions, QStringLiteral("form4-instructions"), zooms);
    save(PageId::Worksheet, QStringLiteral("form7-worksheet"), zooms);

    // An addition answered straight across, the mistake the page names.
    click(PageId::Exercises, "Novo");
    const talvera::ui::Form& exercise = *program.form(PageId::Exercises);
    const auto term = [&exercise](const char* name) {
        return std::stoi(exercise.control(name).text());
    };
    const std::string across = std::to_string(term("ExercícioN1") + term("ExercícioN2"));
    const std::string under = std::to_string(term("ExercícioD1") + term("ExercícioD2"));
    type(PageId::Exercises, "RespostaN", across.c_str());
    type(PageId::Exercises, "RespostaD", under.c_str());
    click(PageId::Exercises, "Verificar");
    save(PageId::Exercises, QStringLiteral("form5-exercises"), zooms);

    // Every task of the Operations page with a result on screen, and the file of its picture.
    const std::vector<std::pair<const char*, const char*>> tasks{
        {"Adição", "addition"},
        {"Subtracção", "subtraction"},
        {"Multiplicação", "multiplication"},
        {"Divisão", "division"},
        {"Simplificação", "simplification"},
        {"Comparação", "comparison"},
        {"Dízima", "to-decimal"},
        {"Conversão", "to-fraction"}};
    for (const auto& task : tasks) {
        click(PageId::Operations, task.first);
    }
    save(PageId::Operations, QStringLiteral("form1-operations-results"), zooms);

    // The picture of each task of the Operations page, once worked out.
    program.setPictureShown(true);
    for (const auto& [task, file] : tasks) {
        click(PageId::Operations, task);
        save(PageId::Picture, QStringLiteral("form6-picture-") + QString::fromLatin1(file), zooms);
    }

    // Every row of the Details page worked out at once.
    for (const char* row : {"Adição", "Subtração", "Multiplicação", "Divisão"}) {
        click(PageId::Details, row);
    }
    save(PageId::Details, QStringLiteral("form2-details-results"), zooms);

    program.setHighContrast(true);
    const std::vector<int> normal{talvera::ui::zoom::normal};
    save(PageId::Title, QStringLiteral("form3-title-contrast"), normal);
    save(PageId::Operations, QStringLiteral("form1-operations-results-contrast"), normal);
    save(PageId::Details, QStringLiteral("form2-details-results-contrast"), normal);
    save(PageId::Instructions, QStringLiteral("form4-instructions-contrast"), normal);
    save(PageId::Picture, QStringLiteral("form6-picture-to-fraction-contrast"), normal);
    save(PageId::Exercises, QStringLiteral("form5-exercises-contrast"), normal);

    // A sheet of three kinds at level 2, saved through the worksheet window.
    click(PageId::Worksheet, "FichaDivisão");
    click(PageId::Worksheet, "FichaDízima");
    talvera::ui::user::choose(program.form(PageId::Worksheet)->control("FichaNível"), "Nível 2");
    type(PageId::Worksheet, "FichaNúmero", "1234");
    click(PageId::Worksheet, "Guardar");
    return 0;
}
