#include <QKeyEvent>
#include <QPushButton>

#include "qt/kind_binding.h"
#include "qt/pictures.h"
#include "qt/widget_look.h"
#include "ui/user.h"

namespace talvera::qt {

namespace {

// Enter presses a focused button, as Space does.
class PushButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A picture face fills the button but for a margin that leaves its bevel visible.
void showPicture(QPushButton* button, const ui::Control& control, const Scale& scale) {
    const std::string& picture = control.design().picture;
    if (picture.empty()) {
        return;
    }
    const QSize area =
        scale.toPixels(control.place()).size() - QSize(scale.pixels(6), scale.pixels(4));
    button->setIcon(QIcon(drawPicture(picture, area, button->devicePixelRatioF())));
    button->setIconSize(area);
}

class ButtonBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& /*control*/, QWidget* parent) const override {
        auto* button = new PushButton(parent);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }

    void showText(QWidget* widget, const ui::Control& control) const override {
        qobject_cast<QPushButton*>(widget)->setText(QString::fromStdString(control.caption()));
    }

    void restyle(QWidget* widget, const ui::Control& control, const Look& look) const override {
        setColor(widget, QPalette::Button, control.design().background, look.highContrast);
        showPicture(qobject_cast<QPushButton*>(widget), control, look.scale);
    }

    void listen(QWidget* widget, ui::Control& control, EchoGuard& guard) const override {
        auto* button = qobject_cast<QPushButton*>(widget);
        QObject::connect(button, &QPushButton::clicked, button, [&control, &guard] {
            if (!guard.quiet()) {
                ui::user::click(control);
            }
        });
    }
};

}  // namespace

const KindBinding& buttonBinding() {
    static const ButtonBinding binding;
    return binding;
}

}  // namespace talvera::qt
