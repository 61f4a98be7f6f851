#pragma once

#include <QColor>
#include <QFont>

#include "ui/geometry.h"

namespace talvera::qt {

// The designed face, followed by the free faces that stand in for it where it is not installed.
QFont toQFont(const ui::Font& font, const QFont& fallback);

// A font that Qt chose, such as the application's or a message box's, at a zoom.
QFont zoomedFont(QFont font, int percent);

inline QColor toQColor(const ui::Color& color) {
    return {color.red, color.green, color.blue};
}

}  // namespace talvera::qt
