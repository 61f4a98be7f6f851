#include "ui/qt/zoom_memory.h"

#include <QSettings>

#include "ui/zoom.h"

namespace talvera::ui::qt {

namespace {

QSettings settings() {
    return QSettings(QStringLiteral("TALVERA"), QStringLiteral("TALVERA"));
}

const QString zoomKey = QStringLiteral("zoom");

}  // namespace

int SettingsZoomMemory::load() {
    return zoom::nearestStep(settings().value(zoomKey, zoom::normal).toInt());
}

void SettingsZoomMemory::save(int percent) {
    settings().setValue(zoomKey, percent);
}

}  // namespace talvera::ui::qt
