// One full repaint of the worst pictures the picture library makes, every stage shown, at 300 %
// on a widget the size of a 3840 × 2160 screen, painted into an image kept from round to round.
// Goal: under 16 ms a repaint, one frame at 60 Hz.
#include <QApplication>
#include <QImage>
#include <QTest>

#include "picture/picture.h"
#include "qt/drawing_widget.h"
#include "qt/program_style.h"

namespace {

using talvera::picture::Kind;

const std::string many = "9999999999999999999999999999";
const std::string almost = "9999999999999999999999999998";

}  // namespace

class DrawingBenchmark : public QObject {
    Q_OBJECT
  private slots:
    void repaint_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        const auto row = [](const char* name, Kind kind, const std::vector<std::string>& texts) {
            QStringList list;
            for (const std::string& text : texts) {
                list << QString::fromStdString(text);
            }
            QTest::newRow(name) << static_cast<int>(kind) << list;
        };
        const std::vector<std::string> huge{many, almost, "1", "7"};
        row("28 digits +", Kind::Addition, huge);
        row("28 digits -", Kind::Subtraction, huge);
        row("28 digits x", Kind::Multiplication, huge);
        row("28 digits :", Kind::Division, {many, "1", "1", many});
        row("28 digits, compared", Kind::Comparison, huge);
        row("28 digits, simplified", Kind::Simplification, {many, almost});
        row("28 digits, to a decimal", Kind::ToDecimal, {many, almost});
        row("28 digits, to a fraction", Kind::ToFraction, {"0.1(234567890123456789012345678)"});
        // Ten unit bars of 24 parts, and ten by ten squares of 24 columns and 23 rows.
        row("most parts +", Kind::Addition, {"239", "24", "229", "23"});
        row("most parts x", Kind::Multiplication, {"239", "24", "229", "23"});
        row("classic 1/4 + 15/6", Kind::Addition, {"1", "4", "15", "6"});
    }

    void repaint() {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        talvera::picture::Task task{Kind(kind), {}, talvera::picture::allStages};
        for (const QString& text : texts) {
            task.texts.push_back(text.toStdString());
        }
        talvera::qt::DrawingWidget widget;
        widget.setDrawing(talvera::picture::draw(task));
        widget.setLook({talvera::qt::Scale(300), false});
        widget.resize(3840, 2160);
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            widget.render(&image);
        }
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talvera::qt::installProgramStyle(app);
    DrawingBenchmark benchmark;
    return QTest::qExec(&benchmark, argc, argv);
}

#include "bench_drawing.moc"
