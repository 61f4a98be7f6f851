#include <limits>

#include "ui/qt/kind_binding.h"
#include "ui/qt/line_edit.h"
#include "ui/qt/widget_look.h"
#include "ui/user.h"

namespace talvera::ui::qt {

namespace {

QWidget* create(const Control& control, QWidget* parent, const Scale& /*scale*/) {
    const ControlDesign& design = control.design();
    auto* edit = new LineEdit(parent);
    edit->setReadOnly(design.readOnly);
    // No maximum means none: Qt's own default would cut a text at 32767 characters.
    edit->setMaxLength(design.maxLength > 0 ? design.maxLength : std::numeric_limits<int>::max());
    edit->setAlignment(toQtAlignment(design.alignment));
    // Result boxes keep the caret for scrolling through long numbers, but Tab passes them by.
    edit->setFocusPolicy(design.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

void showText(QWidget* widget, const Control& control) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    const QString text = QString::fromStdString(control.text());
    if (edit->text() != text) {
        edit->setText(text);
        // Long numbers show their first digits; the caret scrolls to the rest.
        edit->setCursorPosition(0);
    }
}

// Every change of the box's text reaches the model, whatever made it: typing, paste, undo, a drop,
// an input method or an assistive tool writing through the accessibility interface. Whatever the
// model refuses, the box is set back to what the model holds.
void listen(QWidget* widget, Control& control, EchoGuard& guard) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&control, &guard, edit](const QString& text) {
                         if (!guard.quiet() && !user::type(control, text.toStdString())) {
                             const EchoGuard::Scope mirroring(guard);
                             showText(edit, control);
                         }
                     });
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [&control, &guard] {
        if (!guard.quiet()) {
            user::pressEnter(control);
        }
    });
}

}  // namespace

const KindBinding& textBoxBinding() {
    static const KindBinding binding{.create = create, .showText = showText, .listen = listen};
    return binding;
}

}  // namespace talvera::ui::qt
