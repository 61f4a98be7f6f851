#pragma once

// What the Qt binder's tests share: a small calculator form that counts what reaches the
// model, and a catcher for the message box a call is about to show.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "ui/form.h"

namespace binder_fixture {

using talvera::ui::Control;
using talvera::ui::ControlKind;
using talvera::ui::Form;

// A term box, a read-only result box, a check box and a button, each counting what reaches the
// model's handlers.
struct Calculator {
    std::unique_ptr<Form> form =
        std::make_unique<Form>("Form9", "TALVERA", talvera::ui::Size{6000, 3000});
    int changes = 0;
    int clicks = 0;
    int ticks = 0;

    Calculator() {
        Control& term = form->add({.kind = ControlKind::TextBox,
                                   .name = "AdiçãoN1",
                                   .place = {150, 150, 915, 330},
                                   .text = "1",
                                   .maxLength = 5});
        term.onChange([this] { ++changes; });
        form->add({.kind = ControlKind::TextBox,
                   .name = "AdiçãoN3",
                   .place = {1500, 150, 915, 330},
                   .text = "11",
                   .readOnly = true,
                   .tabStop = false});
        form->add({.kind = ControlKind::CheckBox,
                   .name = "PassoAdição",
                   .place = {150, 900, 2400, 255},
                   .text = "Um passo de cada vez"})
            .onClick([this] { ++ticks; });
        form->add({.kind = ControlKind::Button,
                   .name = "Adição",
                   .place = {150, 1500, 315, 315},
                   .text = "="})
            .onClick([this] { ++clicks; });
    }
};

// Closes whatever modal window opens, after noting what it showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    qreal points = 0;
    int iconWidth = 0;
};

inline void closeNextModal(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {box->windowTitle(),
                box->text(),
                box->icon(),
                static_cast<int>(box->buttons().size()),
                box->font().pointSizeF(),
                box->iconPixmap().width()};
        box->accept();
    });
}

}  // namespace binder_fixture
