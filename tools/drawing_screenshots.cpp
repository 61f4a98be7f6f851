// Saves the picture of every classic example at every stage, for looking at the painter's work:
//   talvera-drawing-screenshots DIR [WIDTH HEIGHT]
// each at 100 % and 200 % (the size doubled), and at 100 % in high contrast ("-contrast").
#include <QApplication>
#include <QDir>
#include <vector>

#include "picture/picture.h"
#include "qt/drawing_widget.h"
#include "qt/program_style.h"

namespace {

using talvera::picture::Kind;

struct Example {
    const char* name;
    Kind kind;
    std::vector<std::string> texts;
};

const std::vector<Example>& examples() {
    static const std::vector<Example> all{
        {"add", Kind::Addition, {"1", "4", "15", "6"}},
        {"subtract", Kind::Subtraction, {"1", "4", "1", "2"}},
        {"multiply", Kind::Multiplication, {"2", "3", "3", "4"}},
        {"divide", Kind::Division, {"5", "12", "7", "18"}},
        {"simplify", Kind::Simplification, {"15", "12"}},
        {"compare", Kind::Comparison, {"5", "12", "2", "3"}},
        {"to-decimal", Kind::ToDecimal, {"7", "8"}},
        {"to-fraction", Kind::ToFraction, {"0.14(27)"}},
        {"negative-multiply", Kind::Multiplication, {"-7", "2", "5", "3"}},
        {"negative-divide", Kind::Division, {"-5", "2", "3", "4"}},
        {"most-parts-multiply", Kind::Multiplication, {"239", "24", "229", "23"}},
        {"most-parts-add", Kind::Addition, {"239", "24", "229", "23"}},
        {"huge-add",
         Kind::Addition,
         {"9999999999999999999999999999", "9999999999999999999999999998", "1", "7"}},
    };
    return all;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    talvera::qt::installProgramStyle(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("drawings"));
    QDir().mkpath(out.path());
    const QSize size = argc > 3 ? QSize(QString::fromLocal8Bit(argv[2]).toInt(),
                                        QString::fromLocal8Bit(argv[3]).toInt())
                                : QSize(600, 450);
    talvera::qt::DrawingWidget widget;
    for (const Example& example : examples()) {
        const int last = talvera::picture::lastStage(example.kind);
        for (int stage = 0; stage <= last; ++stage) {
            widget.setDrawing(talvera::picture::draw({example.kind, example.texts, stage}));
            const QString base = QStringLiteral("%1-%2").arg(example.name).arg(stage);
            for (const auto& [percent, contrast] :
                 std::vector<std::pair<int, bool>>{{100, false}, {200, false}, {100, true}}) {
                widget.setLook({talvera::qt::Scale(percent), contrast});
                widget.resize(size * percent / 100);
                const QString suffix =
                    contrast ? QStringLiteral("-contrast") : QStringLiteral("-%1").arg(percent);
                widget.grab().save(out.filePath(base + suffix + QStringLiteral(".png")));
            }
        }
    }
    return 0;
}
