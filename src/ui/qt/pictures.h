#pragma once

#include <QPixmap>
#include <QSize>
#include <string>

namespace talvera::ui::qt {

// Draws the picture of that name at the given size in device-independent pixels: an SVG drawing
// from :/pictures/<name>.svg, or formatted text from :/pictures/<name>.html.
QPixmap drawPicture(const std::string& name, QSize size, qreal devicePixelRatio);

}  // namespace talvera::ui::qt
