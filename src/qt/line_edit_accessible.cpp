#include "qt/line_edit_accessible.h"

#include <QFontMetrics>

namespace talvera::qt {

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* LineEditAccessible::edit() const {
    return qobject_cast<QLineEdit*>(widget());
}

QString LineEditAccessible::text(QAccessible::Text kind) const {
    QString text = kind == QAccessible::Value ? edit()->displayText() : QString();
    if (text.isEmpty()) {
        text = QAccessibleWidget::text(kind);
    }
    return text;
}

void LineEditAccessible::setText(QAccessible::Text kind, const QString& text) {
    if (kind != QAccessible::Value) {
        QAccessibleWidget::setText(kind, text);
        return;
    }
    edit()->setText(text);
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int index, int* start, int* end) const {
    *start = 0;
    *end = 0;
    if (index == 0 && edit()->hasSelectedText()) {
        *start = edit()->selectionStart();
        *end = edit()->selectionEnd();
    }
}

int LineEditAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int start, int end) {
    setSelection(0, start, end);
}

void LineEditAccessible::removeSelection(int index) {
    if (index == 0) {
        edit()->deselect();
    }
}

void LineEditAccessible::setSelection(int index, int start, int end) {
    if (index == 0) {
        edit()->setSelection(start, end - start);
    }
}

int LineEditAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int start, int end) const {
    return start > end ? QString() : edit()->displayText().mid(start, end - start);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int* start, int* end) const {
    return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, start, end);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                            int* start, int* end) const {
    return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, start, end);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* start, int* end) const {
    return QAccessibleTextInterface::textAtOffset(at(offset), boundary, start, end);
}

int LineEditAccessible::characterCount() const {
    return static_cast<int>(edit()->displayText().size());
}

QRect LineEditAccessible::characterRect(int offset) const {
    const QString shown = edit()->displayText();
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    const QFontMetrics metrics(edit()->font());
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int origin =
        caret.center().x() - metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
    QRect character(origin + metrics.horizontalAdvance(shown.left(offset)), caret.top(),
                    metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
    character.moveTo(edit()->mapToGlobal(character.topLeft()));
    return character;
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int start, int end) {
    edit()->setCursorPosition(end);
    edit()->setCursorPosition(start);
}

QString LineEditAccessible::attributes(int /*offset*/, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int start, int end) {
    edit()->setText(edit()->text().remove(start, end - start));
}

void LineEditAccessible::insertText(int offset, const QString& text) {
    edit()->setText(edit()->text().insert(offset, text));
}

void LineEditAccessible::replaceText(int start, int end, const QString& text) {
    edit()->setText(edit()->text().replace(start, end - start, text));
}

}  // namespace talvera::qt
