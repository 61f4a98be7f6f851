#include "qt/zoom_memory.h"

#include <QSettings>

#include "ui/zoom.h"

namespace talvera::qt {

namespace {

const QString zoomKey = QStringLiteral("zoom");

}  // namespace

int SettingsZoomMemory::load() {
    return ui::zoom::nearestStep(QSettings().value(zoomKey, ui::zoom::normal).toInt());
}

void SettingsZoomMemory::save(int percent) {
    QSettings().setValue(zoomKey, percent);
}

std::optional<QRect> SettingsZoomMemory::place(const QString& form) {
    const QVariant kept = QSettings().value(QStringLiteral("places/") + form);
    if (!kept.isValid()) {
        return std::nullopt;
    }
    return kept.toRect();
}

void SettingsZoomMemory::savePlace(const QString& form, const QRect& place) {
    QSettings().setValue(QStringLiteral("places/") + form, place);
}

}  // namespace talvera::qt
