#pragma once

#include <QLineEdit>

class QMenu;

namespace talvera::qt {

// A text box whose context menu speaks European Portuguese, like the rest of the screen.
class LineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    // The context menu, built for the box's current state; the caller owns it.
    QMenu* createPortugueseMenu();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace talvera::qt
