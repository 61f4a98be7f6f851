#pragma once

#include <QRect>
#include <QWidget>

#include "qt/echo_guard.h"
#include "qt/scale.h"
#include "ui/control.h"

namespace talvera::qt {

// How one kind of control lives as a widget: how it is made, how it shows the model's state, and
// how what the user does to it reaches the model. The binder dispatches on the kind once, to pick
// the binding; everything after goes through it. What a kind has no use for does nothing.
class KindBinding {
  public:
    KindBinding() = default;
    KindBinding(const KindBinding&) = delete;
    KindBinding& operator=(const KindBinding&) = delete;
    virtual ~KindBinding() = default;

    // A new widget for the control; the parts every kind shares (object name, font, place, state)
    // and its look are set afterwards by the binder.
    virtual QWidget* create(const ui::Control& control, QWidget* parent) const = 0;
    // Shows the control's text or caption.
    virtual void showText(QWidget* /*widget*/, const ui::Control& /*control*/) const {}
    // Shows the control's check state; only check boxes have one.
    virtual void showChecked(QWidget* /*widget*/, const ui::Control& /*control*/) const {}
    // Shows the picture the program built; only drawings have one.
    virtual void showDrawing(QWidget* /*widget*/, const ui::Control& /*control*/) const {}
    // Where the widget stands in its container.
    virtual QRect geometry(const ui::Control& control, const Look& look) const {
        return look.scale.toPixels(control.place());
    }
    // Whatever else of the widget follows the window's look: colours, borders, icons, drawings.
    virtual void restyle(QWidget* /*widget*/, const ui::Control& /*control*/,
                         const Look& /*look*/) const {}
    // Feeds what the user does to the widget back into the model. The guard tells the binder's
    // own writes apart.
    virtual void listen(QWidget* /*widget*/, ui::Control& /*control*/, EchoGuard& /*guard*/) const {
    }
    // Shows what a screen reader reads beyond the control's name.
    virtual void describe(QWidget* widget, const ui::Control& control) const {
        widget->setAccessibleDescription(QString::fromStdString(control.description()));
    }
};

const KindBinding& labelBinding();
const KindBinding& textBoxBinding();
const KindBinding& buttonBinding();
const KindBinding& checkBoxBinding();
const KindBinding& frameBinding();  // panels and bordered frames
const KindBinding& titledFrameBinding();
const KindBinding& lineBinding();
const KindBinding& pictureBinding();
const KindBinding& drawingBinding();
const KindBinding& comboBoxBinding();

}  // namespace talvera::qt
