#include <limits>

#include "qt/kind_binding.h"
#include "qt/line_edit.h"
#include "qt/widget_look.h"
#include "ui/user.h"

namespace talvera::qt {

namespace {

void showTextOf(QLineEdit* edit, const ui::Control& control) {
    const QString text = QString::fromStdString(control.text());
    if (edit->text() != text) {
        edit->setText(text);
        // Long numbers show their first digits; the caret scrolls to the rest.
        edit->setCursorPosition(0);
    }
}

class TextBoxBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& control, QWidget* parent) const override {
        const ui::ControlDesign& design = control.design();
        auto* edit = new LineEdit(parent);
        edit->setReadOnly(design.readOnly);
        // No maximum means none: Qt's own default would cut a text at 32767 characters.
        edit->setMaxLength(design.maxLength > 0 ? design.maxLength
                                                : std::numeric_limits<int>::max());
        edit->setAlignment(toQtAlignment(design.alignment));
        // Result boxes keep the caret for scrolling through long numbers, but Tab passes them by.
        edit->setFocusPolicy(design.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        return edit;
    }

    void showText(QWidget* widget, const ui::Control& control) const override {
        showTextOf(qobject_cast<QLineEdit*>(widget), control);
    }

    // Every change of the box's text reaches the model, whatever made it: typing, paste, undo, a
    // drop, an input method or an assistive tool writing through the accessibility interface.
    // Whatever the model refuses, the box is set back to what the model holds.
    void listen(QWidget* widget, ui::Control& control, EchoGuard& guard) const override {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        QObject::connect(edit, &QLineEdit::textChanged, edit,
                         [&control, &guard, edit](const QString& text) {
                             if (!guard.quiet() && !ui::user::type(control, text.toStdString())) {
                                 const EchoGuard::Scope mirroring(guard);
                                 showTextOf(edit, control);
                             }
                         });
        QObject::connect(edit, &QLineEdit::returnPressed, edit, [&control, &guard] {
            if (!guard.quiet()) {
                ui::user::pressEnter(control);
            }
        });
    }
};

}  // namespace

const KindBinding& textBoxBinding() {
    static const TextBoxBinding binding;
    return binding;
}

}  // namespace talvera::qt
