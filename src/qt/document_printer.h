#pragma once

#include "qt/document_painter.h"
#include "ui/dialogs.h"
#include "ui/printing.h"

namespace talvera::qt {

// Prints through a print preview, from which the user chooses the printer and prints, and saves
// a PDF where a file dialog says, proposing the suggested name in the home folder. A file that
// cannot be written is told in a message box.
class DocumentPrinter : public ui::Printing {
  public:
    DocumentPrinter(WindowFinder windowOf, ui::Dialogs& dialogs)
        : windowOf_(std::move(windowOf)), dialogs_(dialogs) {}

    void print(const ui::printout::Document& document) override;
    void saveAsPdf(const ui::printout::Document& document, std::string_view suggestedName) override;

  private:
    WindowFinder windowOf_;
    ui::Dialogs& dialogs_;
};

}  // namespace talvera::qt
