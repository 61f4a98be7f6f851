// The picture against exact arithmetic: over random fractions up to 28 digits, every shaded length
// and every mark equal to its exact value, and 28-digit terms drawn without a loop per part.
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <string>
#include <vector>

#include "picture/picture.h"

using talvera::picture::allStages;
using talvera::picture::draw;
using talvera::picture::Kind;
using talvera::picture::Task;
using Exact = boost::multiprecision::cpp_rational;
using Whole = boost::multiprecision::cpp_int;
namespace ui = talvera::ui;

namespace {

Task taskOf(Kind kind, const QStringList& texts) {
    Task task{kind, {}, allStages};
    for (const QString& text : texts) {
        task.texts.push_back(text.toStdString());
    }
    return task;
}

// "-0.8" or "3", as tick labels are written.
Exact decimalValue(const std::string& text) {
    const bool negative = text.starts_with('-');
    const std::string digits = text.substr(negative ? 1 : 0);
    const std::size_t point = digits.find('.');
    const std::size_t places = point == std::string::npos ? 0 : digits.size() - point - 1;
    std::string all = digits;
    all.erase(std::remove(all.begin(), all.end(), '.'), all.end());
    all.erase(0, std::min(all.find_first_not_of('0'), all.size() - 1));  // not an octal prefix
    const Exact value{Whole{all},
                      boost::multiprecision::pow(Whole{10}, static_cast<unsigned>(places))};
    return negative ? Exact{-value} : value;
}

// The value a bar or a mark is labelled with: "15/6", "menos 1/4", "1/4 = 3/12" (the last one).
Exact labelledValue(std::string label) {
    label = label.substr(label.rfind("= ") == std::string::npos ? 0 : label.rfind("= ") + 2);
    const bool negative = label.starts_with("menos ") || label.starts_with('-');
    label = label.substr(label.starts_with("menos ") ? 6 : negative ? 1 : 0);
    const std::size_t bar = label.find('/');
    const Exact value = bar == std::string::npos
                            ? Exact{Whole{label}}
                            : Exact{Whole{label.substr(0, bar)}, Whole{label.substr(bar + 1)}};
    return negative ? Exact{-value} : value;
}

QString randomTerm(QRandomGenerator& random, bool denominator) {
    // One term in three is short, so that bars are often few enough to draw one by one.
    const int digits = random.bounded(3) == 0 ? random.bounded(1, 3) : random.bounded(1, 29);
    QString text = QString::number(random.bounded(denominator || digits > 1 ? 1 : 0, 10));
    for (int i = 1; i < digits; ++i) {
        text += QString::number(random.bounded(10));
    }
    return random.bounded(4) == 0 ? "-" + text : text;
}

// Every bar's run and every mark against the exact value its label names, and the square's
// shaded columns and rows against the two fractions.
void checkFigure(const ui::Figure& figure, const Exact& a, const Exact& b) {
    if (const auto* bar = std::get_if<ui::Bar>(&figure)) {
        // A bar of one run is as long as the whole bars its value fills; one of two runs (a
        // sum's parts joined or taken away) may be longer than the result it is labelled with.
        const Exact value = abs(labelledValue(bar->label));
        if (bar->runs.size() > 1) {
            QVERIFY(bar->length >= value.convert_to<double>());
            return;
        }
        const Whole whole = numerator(value) / denominator(value);
        const Whole units = std::max(Whole{1}, value == whole ? whole : Whole{whole + 1});
        QCOMPARE(bar->length, units.convert_to<double>());
        QCOMPARE(bar->units, units <= 10 ? units.convert_to<int>() : 0);
        if (!bar->runs.empty()) {
            QCOMPARE(bar->runs.front().length, value.convert_to<double>());
        }
    } else if (const auto* line = std::get_if<ui::NumberLine>(&figure)) {
        const Exact from = decimalValue(line->ticks.front());
        const auto intervals = static_cast<int>(line->ticks.size()) - 1;
        QVERIFY(intervals >= 1 && intervals <= 10);
        const Exact step = (decimalValue(line->ticks.back()) - from) / intervals;
        for (const ui::Mark& mark : line->marks) {
            const Exact at = (labelledValue(mark.label) - from) / step;
            QCOMPARE(mark.at, at.convert_to<double>());
            QVERIFY(at >= 0 && at <= intervals);
        }
        // Jumps follow each other from 0 to the dividend.
        for (std::size_t i = 0; i < line->jumps.size(); ++i) {
            const double start =
                i == 0 ? Exact{-from / step}.convert_to<double>() : line->jumps[i - 1].to;
            QCOMPARE(line->jumps[i].from, start);
        }
        if (!line->jumps.empty()) {
            QCOMPARE(line->jumps.back().to, line->marks.front().at);
        }
    } else if (const auto* grid = std::get_if<ui::Grid>(&figure)) {
        QCOMPARE(grid->width, abs(a).convert_to<double>());
        QCOMPARE(grid->height, abs(b).convert_to<double>());
    }
}

}  // namespace

class PictureExactTest : public QObject {
    Q_OBJECT

  private slots:
    // 28-digit terms: the m.m.c. of two denominators needs 56 digits, and no loop may run once
    // per part. The parts and the bars are then drawn at their exact length alone.
    void largeTerms() {
        const std::string many = "9999999999999999999999999999";
        const ui::Drawing drawing =
            draw({Kind::Multiplication, {many, "7", "1", "9999999999999999999999999998"}, 1});
        const auto& grid = std::get<ui::Grid>(drawing.figures.at(2));
        QCOMPARE(grid.across, 1428571428571428571428571429.0);
        QCOMPARE(grid.squaresAcross, 0);
        QCOMPARE(grid.columns, 0);
        QCOMPARE(QString::fromStdString(describe(drawing.figures.at(3))),
                 QString::fromUtf8("label s2 \"9999999999999999999999999999/7 × "
                                   "1/9999999999999999999999999998 = "
                                   "9999999999999999999999999999/69999999999999999999999999986\""));
        const ui::Drawing quotient = draw({Kind::Division, {many, "1", "1", many}, allStages});
        QCOMPARE(std::get<ui::NumberLine>(quotient.figures.front()).jumps.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(describe(quotient.figures.back())),
                 QString::fromUtf8("note \"Demasiados saltos para se desenharem um a um.\""));
    }

    // Every bar's run and every mark against the exact value its label names; the heading's
    // result against the exact sum, difference, product or quotient.
    void exactOverRandomFractions() {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 300; ++round) {
            QStringList texts;
            for (int i = 0; i < 4; ++i) {
                texts << randomTerm(random, i % 2 == 1);
            }
            // Divided rather than built from two terms: Boost 1.74 refuses a negative denominator.
            const Exact a = Exact{Whole{texts[0].toStdString()}} / Whole{texts[1].toStdString()};
            const Exact b = Exact{Whole{texts[2].toStdString()}} / Whole{texts[3].toStdString()};
            const std::vector<std::pair<Kind, Exact>> results{
                {Kind::Addition, a + b},       {Kind::Subtraction, a - b},
                {Kind::Multiplication, a * b}, {Kind::Division, b == 0 ? b : a / b},
                {Kind::Comparison, 0},         {Kind::Simplification, 0},
                {Kind::ToDecimal, 0}};
            for (const auto& [kind, result] : results) {
                const ui::Drawing drawing = draw(taskOf(kind, texts));
                if (kind <= Kind::Division && (kind != Kind::Division || b != 0)) {
                    QVERIFY2(drawing.heading.ends_with(" = " + result.str()),
                             drawing.heading.c_str());
                }
                for (const ui::Figure& figure : drawing.figures) {
                    checkFigure(figure, a, b);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(PictureExactTest)
#include "test_picture_exact.moc"
