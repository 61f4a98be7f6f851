#pragma once

#include <QWidget>

#include "qt/scale.h"
#include "ui/drawing.h"

namespace talvera::qt {

// The picture of a calculation, painted from its drawing at every paint, straight onto the
// window, so that nothing is kept but the drawing itself. Its figures fill the widget's width;
// a drawing taller than the widget is scaled down to fit. What a screen reader reads of it, its
// name and the words of every stage shown, comes from the model like every control's.
class DrawingWidget : public QWidget {
  public:
    explicit DrawingWidget(QWidget* parent = nullptr);

    void setDrawing(ui::Drawing drawing);
    const ui::Drawing& drawing() const { return drawing_; }

    // The zoom and high contrast it is drawn with; at 100 % in the program's colours until set.
    void setLook(const Look& look);
    const Look& look() const { return look_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    ui::Drawing drawing_;
    Look look_;
};

}  // namespace talvera::qt
