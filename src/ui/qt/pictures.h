#pragma once

#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>
#include <string>

namespace talvera::ui::qt {

// Draws the picture of that name at the given size in device-independent pixels: an SVG drawing
// from :/pictures/<name>.svg, centred with its proportions kept, or formatted text from
// :/pictures/<name>.html, laid out at the picture's width in the look of
// :/pictures/text-pictures.css.
QPixmap drawPicture(const std::string& name, QSize size, qreal devicePixelRatio);

// The same drawing, straight onto a painter whose coordinates are the picture's own pixels.
void paintPicture(QPainter& painter, const std::string& name, QSize size);

// The room that the formatted text of a text picture takes when laid out at that width, exactly
// as drawPicture lays it out; anything beyond the picture's size is cut off when drawn. Empty
// when there is no text picture of that name.
std::optional<QSizeF> textPictureExtent(const std::string& name, qreal width);

// What a screen reader reads of a text picture, from the very document that draws it: its title
// and its whole text.
struct TextPictureReading {
    QString title;
    QString text;
};

// Empty when there is no text picture of that name.
std::optional<TextPictureReading> readTextPicture(const std::string& name);

}  // namespace talvera::ui::qt
