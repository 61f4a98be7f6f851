#pragma once

#include <QLineEdit>

namespace talvera::ui::qt {

// A text box whose context menu speaks European Portuguese, like the rest of the screen.
class LineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace talvera::ui::qt
