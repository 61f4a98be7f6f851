// Every picture of the Instructions page, drawn offscreen by the program's own drawing code at the
// size the page gives it: each draws something, and no page's text runs past its picture.
#include <QImage>
#include <QTest>

#include "qt/pictures.h"
#include "qt/scale.h"
#include "shell/instructions_page.h"

using talvera::qt::drawPicture;
using talvera::qt::Picture;
using talvera::qt::Scale;

namespace {

bool drawsAnything(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

enum class Rows { EveryPicture, PagesOnly };

// One row per control of Form4 that shows a picture, with its picture's name and size.
void addPictureRows(Rows rows) {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    const talvera::shell::InstructionsPage page;
    for (const auto& control : page.form().controls()) {
        const auto& design = control->design();
        const bool isPage = design.kind == talvera::ui::ControlKind::Picture;
        if (!design.picture.empty() && (isPage || rows == Rows::EveryPicture)) {
            QTest::newRow(control->name().c_str())
                << QString::fromStdString(design.picture) << Scale().toPixels(design.place).size();
        }
    }
}

}  // namespace

class InstructionPicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsSomething_data() { addPictureRows(Rows::EveryPicture); }
    void drawsSomething() {
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        QVERIFY(drawsAnything(drawPicture(picture.toStdString(), size, 1.0).toImage()));
    }
    void textFits_data() { addPictureRows(Rows::PagesOnly); }
    void textFits() {
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        const auto extent = Picture(picture.toStdString(), size.width()).textExtent();
        QVERIFY2(extent.has_value(), "the page is not a text picture");
        QVERIFY2(extent->width() <= size.width(),
                 qPrintable(QStringLiteral("%1 px wide").arg(extent->width())));
        QVERIFY2(extent->height() <= size.height(),
                 qPrintable(
                     QStringLiteral("%1 px high for %2").arg(extent->height()).arg(size.height())));
    }
};

QTEST_MAIN(InstructionPicturesTest)
#include "test_instruction_pictures.moc"
