#include "qt/message_box_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "qt/fonts.h"
#include "qt/scale.h"
#include "qt/widget_look.h"
#include "ui/zoom.h"

namespace talvera::qt {

namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

Look MessageBoxDialogs::lookFor(const QWidget* parent) const {
    if (parent != nullptr) {
        return lookOf(parent);
    }
    return look_ ? look_() : Look{};
}

void MessageBoxDialogs::inform(std::string_view text, std::string_view title,
                               ui::MessageIcon icon) {
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(parent);
    // The palette and locale of the window it stands over.
    box.setAttribute(Qt::WA_WindowPropagation);
    // Text, button and icon grow with the zoom, as the pages do: the font here, the rest through
    // the program's style, which reads the zoom off the box.
    const Look look = lookFor(parent);
    setLookOf(&box, look);
    if (look.highContrast && parent == nullptr) {
        box.setPalette(highContrastPalette());
    }
    // From the program's own font: the box has already inherited the parent's zoomed one.
    box.setFont(zoomedFont(QApplication::font(&box), look.scale.percent()));
    box.setWindowTitle(toQString(title));
    box.setText(toQString(text));
    box.setIcon(icon == ui::MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace talvera::qt
