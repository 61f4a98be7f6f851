#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QWidget>
#include <functional>

#include "ui/printout.h"

namespace talvera::qt {

// The window that shows a form, for the snapshots of a printout; nullptr when it has none.
using WindowFinder = std::function<QWidget*(const ui::Form&)>;

// Lays a printout out on a printer or a PDF file, sheet by sheet: each page of the printout starts
// a sheet, and one that is longer runs on to the next. False when the device cannot be painted on.
bool paintDocument(const ui::printout::Document& document, QPagedPaintDevice& device,
                   const WindowFinder& windowOf);

// The page size and margins of every printout: A4, 15 mm all round.
void setPaper(QPagedPaintDevice& device);

// Writes the printout as a PDF file of A4 sheets; false when the file cannot be written.
bool writePdf(const ui::printout::Document& document, const QString& path,
              const WindowFinder& windowOf);

}  // namespace talvera::qt
