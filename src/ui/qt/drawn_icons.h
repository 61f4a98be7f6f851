#pragma once

#include <QIcon>

namespace talvera::ui::qt {

// Icons that the program's style draws as lines and shapes at whatever size they are asked for,
// so that they stay crisp at every zoom. Fusion's own are PNG files of a few fixed sizes, and
// reading them makes Qt load every image format plugin only to learn that they are PNGs.

// The "more" chevrons of a menu bar too narrow for its menus.
QIcon extensionIcon(Qt::Orientation orientation);

// The "i" of an information message box.
QIcon informationIcon();

}  // namespace talvera::ui::qt
