#pragma once

#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QSvgRenderer;
class QTextDocument;

namespace talvera::qt {

// What a screen reader reads of a text picture, from the very document that draws it: its title
// and its whole text.
struct TextPictureReading {
    QString title;
    QString text;
};

// One of the program's pictures, read and parsed once: an SVG drawing from
// :/pictures/<name>.svg, drawn centred with its proportions kept, or formatted text from
// :/pictures/<name>.html, laid out at the picture's width in the look of
// :/pictures/text-pictures.css. Null when there is no picture of that name.
class Picture {
  public:
    Picture(const std::string& name, qreal width);
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    bool isNull() const { return !svg_ && !text_; }

    // Draws onto a painter whose coordinates are the picture's own pixels, at that size.
    void paint(QPainter& painter, QSize size) const;

    // The room that a text picture's text takes at its width; anything beyond the picture's size
    // is cut off when drawn. Empty for a drawing.
    std::optional<QSizeF> textExtent() const;
    // Empty for a drawing.
    std::optional<TextPictureReading> reading() const;

  private:
    std::unique_ptr<QSvgRenderer> svg_;
    std::unique_ptr<QTextDocument> text_;
};

// The picture of that name at the given size in device-independent pixels, as a pixmap: for the
// faces of buttons, made once per zoom.
QPixmap drawPicture(const std::string& name, QSize size, qreal devicePixelRatio);

}  // namespace talvera::qt
