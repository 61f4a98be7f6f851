#include "ui/qt/widget_factory.h"

#include <limits>

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/form.h"
#include "ui/qt/fonts.h"
#include "ui/qt/line_edit.h"
#include "ui/qt/pictures.h"
#include "ui/qt/units.h"

namespace talvera::ui::qt {

namespace {

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void setColor(QWidget* widget, QPalette::ColorRole role, const std::optional<Color>& color) {
    if (color) {
        QPalette palette = widget->palette();
        palette.setColor(role, toQColor(*color));
        widget->setPalette(palette);
    }
}

// A line is drawn as a thin filled strip around its segment.
QRect lineGeometry(const Control& control) {
    const Rect place = control.place();
    const int width = std::max(1, control.design().lineWidth);
    const QPoint from(toPixels(place.left), toPixels(place.top));
    const QPoint to(toPixels(place.left + place.width), toPixels(place.top + place.height));
    QRect strip = QRect(from, to).normalized();
    if (strip.height() < width) {
        strip.setTop(from.y() - width / 2);
        strip.setHeight(width);
    }
    if (strip.width() < width) {
        strip.setLeft(from.x() - width / 2);
        strip.setWidth(width);
    }
    return strip;
}

QWidget* createFrame(const Control& control, QWidget* parent) {
    switch (control.design().border) {
        case Border::Titled: {
            auto* box = new QGroupBox(parent);
            setColor(box, QPalette::WindowText, control.design().foreground);
            // The caption sits on the top border, as the pages were drawn.
            box->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 0.5em; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
            return box;
        }
        case Border::Flat:
        case Border::Sunken: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::StyledPanel);
            frame->setFrameShadow(control.design().border == Border::Sunken ? QFrame::Sunken
                                                                            : QFrame::Plain);
            return frame;
        }
        case Border::None:
            break;
    }
    // A borderless panel must hide what lies beneath it, in the form's own colour.
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    setColor(panel, QPalette::Window, control.form().background());
    return panel;
}

QWidget* createTextBox(const Control& control, QWidget* parent) {
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

QWidget* createButton(const Control& control, QWidget* parent) {
    const ControlDesign& design = control.design();
    auto* button = new QPushButton(parent);
    button->setFocusPolicy(Qt::StrongFocus);
    setColor(button, QPalette::Button, design.background);
    if (!design.picture.empty()) {
        const QSize area = toPixels(design.place).size() - QSize(6, 4);
        button->setIcon(QIcon(drawPicture(design.picture, area, button->devicePixelRatioF())));
        button->setIconSize(area);
    }
    return button;
}

QWidget* createWidgetOfKind(const Control& control, QWidget* parent) {
    const ControlDesign& design = control.design();
    switch (control.kind()) {
        case ControlKind::Frame:
            return createFrame(control, parent);
        case ControlKind::TextBox:
            return createTextBox(control, parent);
        case ControlKind::Button:
            return createButton(control, parent);
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(parent);
            setColor(box, QPalette::WindowText, design.foreground);
            return box;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setPixmap(drawPicture(design.picture, toPixels(design.place).size(),
                                           picture->devicePixelRatioF()));
            return picture;
        }
        case ControlKind::Line: {
            auto* line = new QWidget(parent);
            line->setAutoFillBackground(true);
            setColor(line, QPalette::Window, design.foreground.value_or(colors::black));
            return line;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setAlignment(toQtAlignment(design.alignment));
            setColor(label, QPalette::WindowText, design.foreground);
            return label;
        }
    }
    return new QWidget(parent);
}

}  // namespace

QWidget* createWidget(const Control& control, QWidget* parent) {
    QWidget* widget = createWidgetOfKind(control, parent);
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setFont(toQFont(control.design().font, parent->font()));
    if (!control.design().tooltip.empty()) {
        widget->setToolTip(QString::fromStdString(control.design().tooltip));
    }
    if (!control.accessibleName().empty()) {
        widget->setAccessibleName(QString::fromStdString(control.accessibleName()));
    }
    for (const Change what : {Change::Text, Change::Position, Change::Enabled, Change::Checked,
                              Change::Visible, Change::Description}) {
        mirror(widget, control, what);
    }
    return widget;
}

void mirror(QWidget* widget, const Control& control, Change what) {
    switch (what) {
        case Change::Text: {
            const QString text = QString::fromStdString(control.text());
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                if (edit->text() != text) {
                    edit->setText(text);
                    // Long numbers show their first digits; the caret scrolls to the rest.
                    edit->setCursorPosition(0);
                }
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                button->setText(text);
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (control.kind() == ControlKind::Label) {
                    label->setText(text);
                }
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                box->setTitle(text);
            }
            break;
        }
        case Change::Visible:
            widget->setVisible(control.visible());
            break;
        case Change::Enabled:
            widget->setEnabled(control.enabled());
            break;
        case Change::Position:
            widget->setGeometry(control.kind() == ControlKind::Line ? lineGeometry(control)
                                                                    : toPixels(control.place()));
            break;
        case Change::Stacking:
            widget->raise();
            break;
        case Change::Checked:
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                const QSignalBlocker blocker(box);
                box->setChecked(control.checked());
            }
            break;
        case Change::Description:
            widget->setAccessibleDescription(QString::fromStdString(control.description()));
            break;
        case Change::Focus:
            widget->setFocus(Qt::OtherFocusReason);
            break;
    }
}

}  // namespace talvera::ui::qt
