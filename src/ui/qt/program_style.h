#pragma once

#include <QProxyStyle>

class QApplication;

namespace talvera::ui::qt {

// The window property that holds its zoom in percent, for the drawing that the style sizes itself.
inline constexpr const char* zoomProperty = "talveraZoomPercent";

// The program's look over Fusion: a focus frame that a pupil sees from the back of the room, and
// the menus' access keys underlined only while Alt is held, so the captions look as designed;
// check-box squares and message-box icons that grow with the zoom, as the text does; titled frames
// with their title on the top line, drawn here rather than by a style sheet, which would keep a
// cache of rules for every widget of the page and polish them all again at each zoom step; the menu
// bar's overflow chevrons drawn as lines.
class ProgramStyle : public QProxyStyle {
  public:
    ProgramStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setAltHeld(bool held);

    bool altHeld_ = false;
};

// Sets the program's style on the application and lets it watch the Alt key.
void installProgramStyle(QApplication& app);

}  // namespace talvera::ui::qt
