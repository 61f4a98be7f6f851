#include "qt/line_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <memory>

#include "qt/accessibility.h"

namespace talvera::qt {

void LineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createPortugueseMenu());
    menu->exec(event->globalPos());
}

// Alt with a letter is for the menus, never a letter in the box; AltGr, which some keyboards
// report as Ctrl+Alt, still types its characters.
void LineEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    // Typing over a selection is heard as what was typed; arrows and the rest read as ever.
    if (hasSelectedText() && !event->text().isEmpty() && event->text().front().isPrint()) {
        const QuietSelection quiet(this, true);
        QLineEdit::keyPressEvent(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    const QuietSelection quiet(this);
    QLineEdit::focusInEvent(event);
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
    const QuietSelection quiet(this);
    QLineEdit::focusOutEvent(event);
}

QMenu* LineEdit::createPortugueseMenu() {
    auto* menu = new QMenu(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    auto add = [menu](const QString& text, bool enabled, auto slot) {
        QAction* action = menu->addAction(text, slot);
        action->setEnabled(enabled);
    };
    add(QStringLiteral("Desfazer"), editable && isUndoAvailable(), [this] { undo(); });
    add(QStringLiteral("Refazer"), editable && isRedoAvailable(), [this] { redo(); });
    menu->addSeparator();
    add(QStringLiteral("Cortar"), editable && selected && echoMode() == Normal, [this] { cut(); });
    add(QStringLiteral("Copiar"), selected && echoMode() == Normal, [this] { copy(); });
    const bool canPaste = !QGuiApplication::clipboard()->text().isEmpty();
    add(QStringLiteral("Colar"), editable && canPaste, [this] { paste(); });
    add(QStringLiteral("Eliminar"), editable && selected, [this] { del(); });
    menu->addSeparator();
    add(QStringLiteral("Seleccionar tudo"), !text().isEmpty() && selectedText() != text(),
        [this] { selectAll(); });
    return menu;
}

}  // namespace talvera::qt
