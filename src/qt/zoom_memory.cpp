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

}  // namespace talvera::qt
