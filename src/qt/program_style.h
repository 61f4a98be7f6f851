#pragma once

#include <QProxyStyle>

class QApplication;

namespace talvera::qt {

// The program's look over Fusion: a focus frame that a pupil sees from the back of the room;
// access keys underlined only while Alt is held, so that captions look as designed; check boxes,
// message-box icons and titled frames that grow with the window's zoom. Drawing the frames here
// keeps the pages free of style sheets, which Qt re-applies to every widget at each zoom step.
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

}  // namespace talvera::qt
