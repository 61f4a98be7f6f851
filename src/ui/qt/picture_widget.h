#pragma once

#include <QLabel>
#include <QSize>
#include <string>

namespace talvera::ui::qt {

// A picture drawn only while it is on screen, and then straight onto the window, so a window of
// many pages holds no drawing of its own. A text picture reads, to a screen reader, as the title
// and the text of the document it draws.
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
    std::string picture_;
    QSize designed_;
    qreal zoom_;
    QString text_;
};

}  // namespace talvera::ui::qt
