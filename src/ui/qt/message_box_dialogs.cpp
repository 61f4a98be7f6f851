#include "ui/qt/message_box_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/fonts.h"
#include "ui/qt/program_style.h"
#include "ui/qt/units.h"
#include "ui/zoom.h"

namespace talvera::ui::qt {

namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

int MessageBoxDialogs::zoomFor(const QWidget* parent) const {
    if (parent != nullptr) {
        if (const QVariant percent = parent->property(zoomProperty); percent.isValid()) {
            return percent.toInt();
        }
    }
    return zoom_ ? zoom_() : zoom::normal;
}

void MessageBoxDialogs::inform(std::string_view text, std::string_view title, MessageIcon icon) {
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(parent);
    // The palette and locale of the window it stands over.
    box.setAttribute(Qt::WA_WindowPropagation);
    // Text, button and icon grow with the zoom, as the pages do: the font here, the rest through
    // the program's style, which reads the zoom off the box.
    const int percent = zoomFor(parent);
    box.setProperty(zoomProperty, percent);
    // From the program's own font: the box has already inherited the parent's zoomed one.
    box.setFont(zoomedFont(QApplication::font(&box), percent));
    box.setWindowTitle(toQString(title));
    box.setText(toQString(text));
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace talvera::ui::qt
