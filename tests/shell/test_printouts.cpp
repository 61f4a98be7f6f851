// Printouts on paper, as PDF files written offscreen and read back with pdftotext: a worksheet
// holds its name line, every exercise and every solution, and the same number gives the same
// sheet; the Details page prints its rows as they stand.
#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "exercises/worksheet_document.h"
#include "qt/document_painter.h"
#include "qt/document_printer.h"
#include "qt/window_manager.h"
#include "shell/program.h"
#include "ui/silent_dialogs.h"
#include "ui/user.h"

using namespace talvera;
using exercises::Kind;
using exercises::Level;
using exercises::SheetLength;

namespace {

// The PDF's words in the order they were drawn, every run of blanks and line ends one blank.
QString pdfText(const ui::printout::Document& document, const QString& path,
                const qt::WindowFinder& windowOf = nullptr) {
    if (!qt::writePdf(document, path, windowOf)) {
        return {};
    }
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    reader.waitForFinished();
    return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
}

// A line as pdftotext reads it back: a fraction is its numerator, then its denominator; boxes to
// write in have no words.
QString wordsOf(const ui::printout::Line& line) {
    QStringList words;
    for (const ui::printout::Piece& piece : line) {
        if (const auto* text = std::get_if<ui::printout::Words>(&piece)) {
            words << QString::fromStdString(text->text);
        } else if (const auto* fraction = std::get_if<ui::printout::Fraction>(&piece)) {
            words << QString::fromStdString(fraction->numerator + " " + fraction->denominator);
        }
    }
    return words.join(' ').simplified();
}

// Hands what the program prints to a PDF file, through the windows on screen.
class PdfPrinting : public ui::Printing {
  public:
    PdfPrinting(QString path, const qt::WindowManager& windows)
        : path_(std::move(path)), windows_(windows) {}
    void print(const ui::printout::Document& document) override {
        text = pdfText(document, path_, [this](const ui::Form& form) -> QWidget* {
            return windows_.windowFor(form);
        });
    }
    void saveAsPdf(const ui::printout::Document& document, std::string_view /*name*/) override {
        print(document);
    }
    QString text;

  private:
    QString path_;
    const qt::WindowManager& windows_;
};

}  // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
  private slots:
    static void worksheet_data() {
        QTest::addColumn<std::vector<Kind>>("kinds");
        QTest::addColumn<Level>("level");
        QTest::addColumn<SheetLength>("length");
        QTest::addColumn<std::uint32_t>("number");
        QTest::newRow("every kind, 10")
            << std::vector<Kind>(exercises::allKinds.begin(), exercises::allKinds.end())
            << Level::One << SheetLength::Ten << 1234U;
        QTest::newRow("+ - x :, 30, over two sheets")
            << std::vector<Kind>{Kind::Addition, Kind::Subtraction, Kind::Multiplication,
                                 Kind::Division}
            << Level::Three << SheetLength::Thirty << 17U;
        QTest::newRow("conversions and comparison, 20")
            << std::vector<Kind>{Kind::ToFraction, Kind::ToDecimal, Kind::Comparison} << Level::Two
            << SheetLength::Twenty << 999999U;
    }

    static void worksheet() {
        QFETCH(std::vector<Kind>, kinds);
        QFETCH(Level, level);
        QFETCH(SheetLength, length);
        QFETCH(std::uint32_t, number);
        const exercises::SheetRequest request{kinds, level, length, number};
        const ui::printout::Document document =
            exercises::worksheetDocument(exercises::makeWorksheet(request));
        QTemporaryDir folder;
        const QString text = pdfText(document, folder.filePath(QStringLiteral("first.pdf")));
        QVERIFY(text.startsWith(QStringLiteral("Nome: ______ N.º: ___ Turma: ___ Data: ______")));
        QVERIFY(text.contains(QStringLiteral("Ficha n.º %1").arg(number)));
        const qsizetype solutions = text.indexOf(QStringLiteral("Soluções"));
        QVERIFY(solutions > 0);
        for (std::size_t page = 0; page < 2; ++page) {
            const auto& cells =
                std::get<ui::printout::Columns>(document.pages.at(page).elements.back()).cells;
            QCOMPARE(cells.size(), static_cast<std::size_t>(length));
            for (const ui::printout::Cell& cell : cells) {
                for (const ui::printout::Line& line : cell.lines) {
                    const qsizetype at = text.indexOf(wordsOf(line));
                    QVERIFY2(page == 0 ? at >= 0 && at < solutions : at > solutions,
                             qPrintable(wordsOf(line)));
                }
            }
        }
        QCOMPARE(pdfText(exercises::worksheetDocument(exercises::makeWorksheet(request)),
                         folder.filePath(QStringLiteral("second.pdf"))),
                 text);
    }

    // Saving proposes the sheet's own name, and writes where the file dialog says, as a PDF.
    static void savedWhereTheDialogSays() {
        QTemporaryDir folder;
        ui::SilentDialogs dialogs;
        qt::DocumentPrinter printer(nullptr, dialogs);
        QString proposed;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(folder.filePath(QStringLiteral("sheet")));
            QDialog* pressed = dialog;  // the file dialog's own accept() is protected
            pressed->accept();
        });
        printer.saveAsPdf(
            exercises::worksheetDocument(exercises::makeWorksheet({{Kind::Addition}})),
            "ficha-1.pdf");
        QCOMPARE(proposed, QStringLiteral("ficha-1.pdf"));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("sheet.pdf"))).size() > 0);
    }

    // The window's own widgets drawn on paper: the title, the terms typed and the results.
    static void detailsAsTheyStand() {
        QTemporaryDir folder;
        ui::SilentDialogs dialogs;
        qt::WindowManager windows;
        PdfPrinting printing(folder.filePath(QStringLiteral("details.pdf")), windows);
        shell::Program program({.dialogs = dialogs, .windows = &windows, .printing = &printing});
        program.show(shell::PageId::Details);
        ui::Form& details = *program.form(shell::PageId::Details);
        ui::user::type(details.control("MultiplicaçãoN1"), "37");
        ui::user::click(details.control("Multiplicação"));
        QVERIFY(ui::user::choose(details, "Imprimir…"));
        QVERIFY(printing.text.contains(QStringLiteral("TALVERA VENDO OS DETALHES")));
        QVERIFY(printing.text.contains(QStringLiteral("37")));
        QVERIFY(printing.text.contains(QStringLiteral("111")));
    }
};

QTEST_MAIN(PrintoutsTest)
#include "test_printouts.moc"
