#include "ui/qt/message_box_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace talvera::ui::qt {

namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void MessageBoxDialogs::inform(std::string_view text, std::string_view title, MessageIcon icon) {
    QMessageBox box(QApplication::activeWindow());
    // The box takes the zoomed font of the page it stands over.
    box.setAttribute(Qt::WA_WindowPropagation);
    box.setWindowTitle(toQString(title));
    box.setText(toQString(text));
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace talvera::ui::qt
