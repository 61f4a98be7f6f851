#include "qt/document_printer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace talvera::qt {

namespace {
constexpr std::string_view notSaved = "Não foi possível guardar o ficheiro ";
constexpr std::string_view programName = "TALVERA";
}  // namespace

void DocumentPrinter::print(const ui::printout::Document& document) {
    QPrinter printer(QPrinter::HighResolution);
    setPaper(printer);
    printer.setDocName(QString::fromStdString(document.title));
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    preview.setWindowTitle(QString::fromStdString(document.title));
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview,
        [this, &document](QPrinter* paper) { paintDocument(document, *paper, windowOf_); });
    preview.exec();
}

void DocumentPrinter::saveAsPdf(const ui::printout::Document& document,
                                std::string_view suggestedName) {
    const QString suggested = QDir::home().filePath(
        QString::fromUtf8(suggestedName.data(), static_cast<qsizetype>(suggestedName.size())));
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Guardar em PDF"), suggested,
                       QStringLiteral("Documentos PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its ending still makes a file that opens as a PDF.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    if (!writePdf(document, path, windowOf_)) {
        dialogs_.inform(std::string(notSaved) + path.toStdString() + ".", programName,
                        ui::MessageIcon::Information);
    }
}

}  // namespace talvera::qt
