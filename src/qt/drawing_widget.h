#pragma once

#include <QWidget>

#include "qt/scale.h"
#include "ui/drawing.h"

namespace talvera::qt {

// Placeholder until the painter lands: keeps the drawing, paints nothing.
class DrawingWidget : public QWidget {
  public:
    using QWidget::QWidget;
    void setDrawing(ui::Drawing drawing) { drawing_ = std::move(drawing); update(); }
    void setLook(const Look& look) { look_ = look; update(); }
    const ui::Drawing& drawing() const { return drawing_; }

  private:
    ui::Drawing drawing_;
    Look look_;
};

}  // namespace talvera::qt
