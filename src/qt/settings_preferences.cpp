#include "qt/settings_preferences.h"

#include <QSettings>

namespace talvera::qt {

namespace {
QString keyOf(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

bool SettingsPreferences::flag(std::string_view key) const {
    return QSettings().value(keyOf(key), false).toBool();
}

void SettingsPreferences::setFlag(std::string_view key, bool value) {
    QSettings().setValue(keyOf(key), value);
}

}  // namespace talvera::qt
