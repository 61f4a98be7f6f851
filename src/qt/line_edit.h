#pragma once

#include <QLineEdit>

class QMenu;

namespace talvera::qt {

// A text box whose context menu speaks European Portuguese, like the rest of the screen, and
// which a screen reader reads once, as its name and then its whole text: Qt's selecting and
// unselecting as the focus comes and goes, and the text that typing over a selection takes away,
// say nothing.
class LineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    // The context menu, built for the box's current state; the caller owns it.
    QMenu* createPortugueseMenu();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace talvera::qt
