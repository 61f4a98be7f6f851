#pragma once

#include <QRect>
#include <QWidget>

#include "ui/control.h"
#include "ui/qt/echo_guard.h"
#include "ui/qt/units.h"

namespace talvera::ui::qt {

// How one kind of control lives as a widget: how it is made, how it shows the model's state, and
// how what the user does to it reaches the model. The binder dispatches on the kind once, to pick
// the binding; everything after goes through it.
struct KindBinding {
    // A new widget for the control; the parts every kind shares (object name, font, place, state)
    // are set afterwards by the binder.
    QWidget* (*create)(const Control& control, QWidget* parent, const Scale& scale) = nullptr;
    // Shows the control's text or caption; null for kinds that show none.
    void (*showText)(QWidget* widget, const Control& control) = nullptr;
    // Shows the control's check state; only check boxes have one.
    void (*showChecked)(QWidget* widget, const Control& control) = nullptr;
    // Where the widget stands in its container; null for the control's place in pixels.
    QRect (*geometry)(const Control& control, const Scale& scale) = nullptr;
    // Whatever else of the widget follows the zoom: borders, icons, drawings; null for nothing.
    void (*rescale)(QWidget* widget, const Control& control, const Scale& scale) = nullptr;
    // The control is about to show: a kind that put off drawing while hidden draws now; null
    // for kinds that never wait.
    void (*aboutToShow)(QWidget* widget, const Control& control, const Scale& scale) = nullptr;
    // Feeds what the user does to the widget back into the model; null for kinds the user cannot
    // change. The guard tells the binder's own writes apart.
    void (*listen)(QWidget* widget, Control& control, EchoGuard& guard) = nullptr;
    // Shows what a screen reader reads beyond the control's name; null for the model's
    // description alone.
    void (*describe)(QWidget* widget, const Control& control) = nullptr;
};

const KindBinding& labelBinding();
const KindBinding& textBoxBinding();
const KindBinding& buttonBinding();
const KindBinding& checkBoxBinding();
const KindBinding& frameBinding();  // panels and bordered frames
const KindBinding& titledFrameBinding();
const KindBinding& lineBinding();
const KindBinding& pictureBinding();

}  // namespace talvera::ui::qt
