#include <QFrame>
#include <QGroupBox>

#include "qt/kind_binding.h"
#include "qt/widget_look.h"
#include "ui/form.h"

namespace talvera::qt {

namespace {

// The look comes from the program's style, which draws the title on the frame's top line.
class TitledFrameBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& /*control*/, QWidget* parent) const override {
        return new QGroupBox(parent);
    }

    void restyle(QWidget* widget, const ui::Control& control, const Look& look) const override {
        setColor(widget, QPalette::WindowText, control.design().foreground, look.highContrast);
    }

    void showText(QWidget* widget, const ui::Control& control) const override {
        qobject_cast<QGroupBox*>(widget)->setTitle(QString::fromStdString(control.caption()));
    }
};

class FrameBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& control, QWidget* parent) const override {
        if (control.design().border == ui::Border::None) {
            // A borderless panel must hide what lies beneath it, in the form's own colour.
            auto* panel = new QWidget(parent);
            panel->setAutoFillBackground(true);
            return panel;
        }
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(control.design().border == ui::Border::Sunken ? QFrame::Sunken
                                                                            : QFrame::Plain);
        return frame;
    }

    void restyle(QWidget* widget, const ui::Control& control, const Look& look) const override {
        if (control.design().border == ui::Border::None) {
            setColor(widget, QPalette::Window, control.form().background(), look.highContrast);
            return;
        }
        qobject_cast<QFrame*>(widget)->setLineWidth(look.scale.pixels(look.highContrast ? 2 : 1));
    }
};

}  // namespace

const KindBinding& frameBinding() {
    static const FrameBinding binding;
    return binding;
}

const KindBinding& titledFrameBinding() {
    static const TitledFrameBinding binding;
    return binding;
}

}  // namespace talvera::qt
