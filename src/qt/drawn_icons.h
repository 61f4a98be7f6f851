#pragma once

#include <QIcon>

namespace talvera::qt {

// Icons that the program's style draws as lines and shapes at whatever size they are asked for,
// so that they stay crisp at every zoom and no image format plugin is loaded to read a PNG.

// The "more" chevrons of a menu bar too narrow for its menus.
QIcon extensionIcon(Qt::Orientation orientation);

// The "i" of an information message box.
QIcon informationIcon();

}  // namespace talvera::qt
