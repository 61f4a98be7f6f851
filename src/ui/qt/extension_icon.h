#pragma once

#include <QIcon>

namespace talvera::ui::qt {

// The "more" chevrons of a menu bar too narrow for its menus, drawn as lines at whatever size
// they are asked for. Fusion's own are PNG files, and reading them makes Qt load every image
// format plugin only to learn that they are PNGs.
QIcon extensionIcon(Qt::Orientation orientation);

}  // namespace talvera::ui::qt
