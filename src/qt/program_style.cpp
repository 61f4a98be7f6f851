#include "qt/program_style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "qt/drawn_icons.h"
#include "qt/fonts.h"
#include "qt/scale.h"

namespace talvera::qt {

namespace {

// Black against the light faces, grey buttons and white boxes of the pages.
const QColor focusColor(0, 0, 0);
constexpr int messageIconSide = 32;
// The grey of a titled frame's line.
const QColor frameColor(0xa0, 0xa0, 0xa0);

// At least two pixels, and thicker as the zoom makes the text larger.
int focusWidth(const QStyleOption& option) {
    return std::max(2, option.fontMetrics.height() / 8);
}

// A frame of that width and colour just inside the rectangle.
void drawFrame(QPainter* painter, const QRect& rect, int width, const QColor& color) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    const int inset = width / 2;
    const int odd = width % 2 == 0 ? 0 : 1;
    painter->drawRect(rect.adjusted(inset, inset, -inset - odd, -inset - odd));
    painter->restore();
}

bool highContrast(const QWidget* widget) {
    return lookOf(widget).highContrast;
}

// In high contrast the focus frame is twice as thick and yellow within black, so that it stands
// out from the black outlines that every box and button has there.
void drawFocusFrame(const QStyleOption& option, QPainter* painter, const QWidget* widget) {
    const int width = focusWidth(option);
    if (!highContrast(widget)) {
        drawFrame(painter, option.rect, width, focusColor);
        return;
    }
    drawFrame(painter, option.rect, 2 * width, focusColor);
    drawFrame(painter, option.rect.adjusted(width / 2, width / 2, -width / 2, -width / 2), width,
              QColor(255, 215, 0));
}

// A length designed in pixels, at the window's zoom, never below one.
int zoomed(int designed, const QWidget* widget) {
    return lookOf(widget).scale.pixels(designed);
}

// The strong outline of a box, a button or a check box in high contrast.
int outline(const QWidget* widget) {
    return zoomed(2, widget);
}

// A titled frame's parts: its line starts half the title's height down, and the title sits on it
// a little in from the left, with a small gap either side.
struct TitledFrame {
    QRect frame;
    QRect title;
    int line = 0;
    int gap = 0;
};

TitledFrame titledFrame(const QStyleOptionGroupBox& option, const QWidget* widget) {
    const int height = option.fontMetrics.height();
    const int gap = zoomed(2, widget);
    const int width = option.fontMetrics.horizontalAdvance(option.text) + 2 * gap;
    return {
        .frame = option.rect.adjusted(0, height / 2, 0, 0),
        .title = QRect(option.rect.left() + zoomed(8, widget), option.rect.top(), width, height),
        .line = zoomed(highContrast(widget) ? 2 : 1, widget),
        .gap = gap};
}

// A white square in a strong black outline, with a black tick when it is ticked.
void drawCheckBox(const QStyleOption& option, QPainter* painter, int width) {
    painter->fillRect(option.rect, Qt::white);
    drawFrame(painter, option.rect, width, Qt::black);
    if (!option.state.testFlag(QStyle::State_On)) {
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF r =
        QRectF(option.rect).adjusted(2.0 * width, 2.0 * width, -2.0 * width, -2.0 * width);
    painter->drawPolyline(QPolygonF{
        {r.left(), r.center().y()}, {r.left() + r.width() / 3, r.bottom()}, {r.right(), r.top()}});
    painter->restore();
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    switch (hint) {
        case SH_UnderlineShortcut:
            return altHeld_ ? 1 : 0;
        case SH_MenuBar_AltKeyNavigation:
            return 1;
        default:
            break;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const TitledFrame parts = titledFrame(*box, widget);
    switch (part) {
        case SC_GroupBoxLabel:
            return parts.title;
        case SC_GroupBoxFrame:
            return parts.frame;
        case SC_GroupBoxContents:
            return parts.frame.adjusted(parts.line, parts.title.height() / 2, -parts.line,
                                        -parts.line);
        default:
            return {};
    }
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const TitledFrame parts = titledFrame(*box, widget);
    painter->save();
    // The line stops either side of the title.
    painter->setClipRegion(QRegion(box->rect).subtracted(QRegion(parts.title)));
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(highContrast(widget) ? Qt::black : frameColor, parts.line));
    painter->setBrush(Qt::NoBrush);
    const qreal half = parts.line / 2.0;
    painter->drawRoundedRect(QRectF(parts.frame).adjusted(half, half, -half, -half),
                             2.0 * parts.line, 2.0 * parts.line);
    painter->restore();
    drawItemText(painter, parts.title.adjusted(parts.gap, 0, -parts.gap, 0),
                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                 box->state.testFlag(State_Enabled), box->text, QPalette::WindowText);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return zoomed(base, widget);
        case PM_MessageBoxIconSize:
            // 32 pixels at 100 %, the usual size of a message box's icon; Fusion asks 48.
            return zoomed(messageIconSide, widget);
        default:
            return base;
    }
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_FrameFocusRect:
            // Buttons and check boxes ask for this whenever they have the focus.
            drawFocusFrame(*option, painter, widget);
            return;
        case PE_FrameLineEdit:
            if (highContrast(widget)) {
                drawFrame(painter, option->rect, outline(widget), Qt::black);
            } else {
                QProxyStyle::drawPrimitive(element, option, painter, widget);
            }
            if (option->state.testFlag(State_HasFocus)) {
                drawFocusFrame(*option, painter, widget);
            }
            return;
        case PE_Frame:
            if (highContrast(widget)) {
                drawFrame(painter, option->rect, outline(widget), Qt::black);
                return;
            }
            break;
        case PE_PanelButtonCommand:
            if (highContrast(widget)) {
                const bool down = option->state.testFlag(State_Sunken);
                const bool enabled = option->state.testFlag(State_Enabled);
                painter->fillRect(option->rect, down ? QColor(0xd0, 0xd0, 0xd0) : Qt::white);
                // A button that cannot be pressed keeps a thin grey outline only.
                drawFrame(painter, option->rect, enabled ? outline(widget) : zoomed(1, widget),
                          enabled ? QColor(Qt::black) : QColor(96, 96, 96));
                return;
            }
            break;
        case PE_IndicatorCheckBox:
            if (highContrast(widget)) {
                drawCheckBox(*option, painter, outline(widget));
                return;
            }
            break;
        default:
            break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    switch (icon) {
        // Every menu bar asks for this one as it is built, whether it is ever shown or not.
        case SP_ToolBarHorizontalExtensionButton:
            return extensionIcon(Qt::Horizontal);
        case SP_ToolBarVerticalExtensionButton:
            return extensionIcon(Qt::Vertical);
        // Drawn at the size of the zoomed box, where Fusion's has one size of 32 pixels.
        case SP_MessageBoxInformation:
            return informationIcon();
        default:
            return QProxyStyle::standardIcon(icon, option, widget);
    }
}

bool ProgramStyle::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (const auto* key = dynamic_cast<const QKeyEvent*>(event);
                key != nullptr && key->key() == Qt::Key_Alt) {
                setAltHeld(event->type() == QEvent::KeyPress);
            }
            break;
        case QEvent::ApplicationDeactivate:
        case QEvent::WindowDeactivate:
            setAltHeld(false);
            break;
        default:
            break;
    }
    return QProxyStyle::eventFilter(watched, event);
}

void ProgramStyle::setAltHeld(bool held) {
    if (altHeld_ == held) {
        return;
    }
    altHeld_ = held;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (qobject_cast<QMenuBar*>(widget) != nullptr || qobject_cast<QMenu*>(widget) != nullptr) {
            widget->update();
        }
    }
}

void installProgramStyle(QApplication& app) {
    // What has no face of its own (buttons, menus, message boxes, the picture) takes the pages'
    // face at the desktop's size, as the forms were designed: one family reads calmer, and the
    // program loads one family of fonts instead of two.
    const QFont desktop = QApplication::font();
    QApplication::setFont(toQFont({"MS Sans Serif", desktop.pointSizeF(), false}, desktop));
    auto* style = new ProgramStyle;
    QApplication::setStyle(style);
    app.installEventFilter(style);
}

}  // namespace talvera::qt
