// The drawing widget paints offscreen: shading where a run or a column is and not beside it, the
// series told apart in high contrast, a tall drawing fitted whole, absurd values survived.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <limits>

#include "qt/drawing_ink.h"
#include "qt/drawing_painter.h"
#include "qt/drawing_widget.h"

namespace ui = talvera::ui;
using talvera::qt::DrawingWidget;
using talvera::qt::Look;

Q_DECLARE_METATYPE(talvera::ui::Drawing)

namespace {

bool dark(QRgb pixel) {
    return qGray(pixel) < 170;
}

// The bounding box of the dark pixels, where the figures are.
QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (dark(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The share of dark pixels in a part of the box given in fractions of it.
double darkShare(const QImage& image, const QRect& box, const QRectF& part) {
    const QRect place(box.left() + static_cast<int>(part.left() * box.width()),
                      box.top() + static_cast<int>(part.top() * box.height()),
                      std::max(1, static_cast<int>(part.width() * box.width())),
                      std::max(1, static_cast<int>(part.height() * box.height())));
    int count = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            count += dark(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return double(count) / (place.width() * place.height());
}

QImage painted(const ui::Drawing& drawing, bool highContrast, QSize size) {
    DrawingWidget widget;
    widget.setDrawing(drawing);
    widget.setLook({talvera::qt::Scale(100), highContrast});
    widget.resize(size);
    return widget.grab().toImage();
}

ui::Drawing bars(std::vector<ui::Bar> all) {
    return {.figures = {all.begin(), all.end()}};
}

}  // namespace

class DrawingWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    // Regions are fractions of the box the dark pixels fill: the first is much darker.
    void shading_data() {
        QTest::addColumn<ui::Drawing>("drawing");
        QTest::addColumn<bool>("highContrast");
        QTest::addColumn<QRectF>("darker");
        QTest::addColumn<QRectF>("lighter");
        const QRectF left(0.05, 0.3, 0.35, 0.4);
        const QRectF right(0.6, 0.3, 0.35, 0.4);
        const ui::Run half{ui::Series::First, 0, 0.5};
        QTest::newRow("bar with parts")
            << bars({{.parts = 4, .runs = {half}}}) << false << left << right;
        QTest::newRow("bar with 0 parts")
            << bars({{.length = 3, .units = 0, .parts = 0, .runs = {{.length = 1.5}}}}) << false
            << left << right;
        QTest::newRow("taken away")
            << bars({{.runs = {{.length = 1}, {.start = 0.5, .length = 0.5, .takenAway = true}}}})
            << false << left << right;
        QTest::newRow("high contrast keeps the patterns")
            << bars({{.runs = {half, {ui::Series::Second, 0.5, 0.5}}}}) << true << left << right;
        // The first's columns (left), solid, beside the square's unshaded corner.
        QTest::newRow("grid")
            << ui::Drawing{.figures = {ui::Grid{
                               .columns = 2, .rows = 2, .width = 0.5, .height = 0.5}}}
            << false << QRectF(0.1, 0.6, 0.3, 0.3) << QRectF(0.6, 0.6, 0.3, 0.3);
        // A jump's arc over the left half, nothing over the right.
        QTest::newRow("number line")
            << ui::Drawing{.figures = {ui::NumberLine{
                               .ticks = {"0", "", "1", "", "2"},
                               .marks = {{.at = 2, .label = "1"}, {ui::Series::Second, 2, "2/2"}},
                               .jumps = {{.from = 0, .to = 2, .label = "1"}}}}}
            << false << QRectF(0.05, 0.0, 0.3, 0.5) << QRectF(0.65, 0.0, 0.3, 0.5);
    }

    void shading() {
        QFETCH(ui::Drawing, drawing);
        QFETCH(bool, highContrast);
        QFETCH(QRectF, darker);
        QFETCH(QRectF, lighter);
        const QImage image = painted(drawing, highContrast, {400, 300});
        const QRect box = inked(image);
        QVERIFY(!box.isEmpty());
        QVERIFY2(darkShare(image, box, darker) > 1.5 * darkShare(image, box, lighter) + 0.03,
                 qPrintable(QString::number(darkShare(image, box, darker)) + " vs " +
                            QString::number(darkShare(image, box, lighter))));
    }

    // Empty bars above a solid one, in a place far too short for them: the solid one is drawn
    // at the bottom of the place, and nothing below it.
    void tallDrawingFits() {
        std::vector<ui::Bar> all(12, ui::Bar{.parts = 0});
        all.push_back({.runs = {{.length = 1}}});
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        talvera::qt::paintDrawing(painter, bars(all), QSizeF(300, 100),
                                  talvera::qt::DrawingInk({}, QFont()));
        painter.end();
        const QRect box = inked(image);
        QVERIFY(box.bottom() < 100 && box.bottom() > 90);
        QVERIFY(darkShare(image, box,
                          QRectF(0.1, double(box.height() - 3) / box.height(), 0.8, 0)) > 0.9);
    }

    void absurdValues_data() {
        QTest::addColumn<ui::Drawing>("drawing");
        const double huge = 1e300;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("empty") << ui::Drawing{};
        QTest::newRow("zero length") << bars({{.length = 0, .units = 0, .runs = {{.length = 0}}}});
        QTest::newRow("huge bar") << bars({{.length = huge,
                                            .units = 1000000000,
                                            .parts = -3,
                                            .runs = {{.start = nan, .length = huge}}}});
        QTest::newRow("huge grid") << ui::Drawing{.figures = {ui::Grid{.across = huge,
                                                                       .down = nan,
                                                                       .squaresAcross = 99,
                                                                       .squaresDown = 99,
                                                                       .columns = 99,
                                                                       .rows = 99,
                                                                       .width = huge}}};
        QTest::newRow("many ticks and marks") << ui::Drawing{
            .figures = {ui::NumberLine{
                .ticks = std::vector<std::string>(100000, "1"),
                .marks = std::vector<ui::Mark>(100000, ui::Mark{.at = huge}),
                .jumps = std::vector<ui::Jump>(100000, ui::Jump{.from = nan, .to = 9})}}};
        QTest::newRow("many figures")
            << ui::Drawing{.figures = std::vector<ui::Figure>(100000, ui::Note{"nota"})};
    }

    void absurdValues() {
        QFETCH(ui::Drawing, drawing);
        DrawingWidget widget;
        widget.setDrawing(drawing);
        QVERIFY(widget.heightForWidth(400) > 0);
        const QImage image = painted(drawing, false, {400, 300});
        QCOMPARE(image.size(), QSize(400, 300));
    }
};

QTEST_MAIN(DrawingWidgetTest)

#include "test_drawing_widget.moc"
