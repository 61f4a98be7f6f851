#include <QCheckBox>

#include "qt/kind_binding.h"
#include "qt/widget_look.h"
#include "ui/user.h"

namespace talvera::qt {

namespace {

class CheckBoxBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& /*control*/, QWidget* parent) const override {
        return new QCheckBox(parent);
    }

    void restyle(QWidget* widget, const ui::Control& control, const Look& look) const override {
        setColor(widget, QPalette::WindowText, control.design().foreground, look.highContrast);
    }

    void showText(QWidget* widget, const ui::Control& control) const override {
        qobject_cast<QCheckBox*>(widget)->setText(QString::fromStdString(control.caption()));
    }

    void showChecked(QWidget* widget, const ui::Control& control) const override {
        qobject_cast<QCheckBox*>(widget)->setChecked(control.checked());
    }

    // A click and an assistive tool's toggle both come as a change of state, before any click
    // signal. Whatever the model refuses, the box is set back to what the model holds.
    void listen(QWidget* widget, ui::Control& control, EchoGuard& guard) const override {
        auto* box = qobject_cast<QCheckBox*>(widget);
        QObject::connect(box, &QCheckBox::toggled, box,
                         [this, &control, &guard, box](bool checked) {
                             if (guard.quiet() || checked == control.checked()) {
                                 return;
                             }
                             if (!ui::user::click(control)) {
                                 const EchoGuard::Scope mirroring(guard);
                                 showChecked(box, control);
                             }
                         });
    }
};

}  // namespace

const KindBinding& checkBoxBinding() {
    static const CheckBoxBinding binding;
    return binding;
}

}  // namespace talvera::qt
