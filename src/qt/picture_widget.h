#pragma once

#include <QLabel>
#include <QSize>
#include <memory>
#include <string>

#include "qt/pictures.h"

namespace talvera::qt {

// A picture drawn straight onto the window at each paint, from a drawing parsed once: the first
// time it is shown, so that the pages of a window that are never turned to are never read. A text
// picture reads, to a screen reader, as the title and the text of the document it draws.
//
// A label underneath, so that accessibility tools meet it as static text.
class PictureWidget : public QLabel {
  public:
    // The picture of that name at its designed size in pixels, at a zoom of 1.0 for 100 %.
    PictureWidget(std::string picture, QSize designed, qreal zoom, QWidget* parent);

    // The designed size is kept; the drawing follows the zoom on its next paint.
    void setZoom(qreal zoom);
    // What the text picture says, for screen readers; empty for a drawing.
    const QString& spokenText() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string name_;
    QSize designed_;
    qreal zoom_;
    QString text_;
    std::unique_ptr<Picture> picture_;
};

}  // namespace talvera::qt
