// The picture of every task: its figures pinned stage by stage for the classic examples, and bad
// terms said in a sentence.
#include <QTest>

#include <string>
#include <vector>

#include "picture/picture.h"

using talvera::picture::allStages;
using talvera::picture::draw;
using talvera::picture::Kind;
using talvera::picture::Task;
namespace ui = talvera::ui;

namespace {

Task taskOf(Kind kind, const QStringList& texts, int stage) {
    Task task{kind, {}, stage};
    for (const QString& text : texts) {
        task.texts.push_back(text.toStdString());
    }
    return task;
}

void columns() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("dump");
}

void row(const char* name, Kind kind, const QStringList& texts, int stage, const char* dump) {
    QTest::newRow(name) << static_cast<int>(kind) << texts << stage << QString::fromUtf8(dump);
}

void row(const char* name, Kind kind, const QStringList& texts, const char* dump) {
    row(name, kind, texts, allStages, dump);
}

}  // namespace

class PictureTest : public QObject {
    Q_OBJECT

  private slots:
    void stages_data() {
        columns();
        row("1/4 + 15/6, stage 1", Kind::Addition, {"1", "4", "15", "6"}, 1, R"#(Adição: 1/4 + 15/6
bar s0 "1/4" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "15/6" length 3 units 3 parts 6 runs s1 0+2.5
line 0|0.5|1|1.5|2|2.5|3 mark s0 0.5 "1/4" mark s1 5 "15/6"
)#");
        row("1/4 + 15/6, stage 2", Kind::Addition, {"1", "4", "15", "6"}, 2, R"#(Adição: 1/4 + 15/6
bar s0 "1/4" "× 3" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "15/6" "× 2" length 3 units 3 parts 6 runs s1 0+2.5
label s2 "m.m.c. (4, 6) = 12"
line 0|0.5|1|1.5|2|2.5|3 mark s0 0.5 "1/4" mark s1 5 "15/6"
)#");
        row("1/4 + 15/6, stage 3", Kind::Addition, {"1", "4", "15", "6"}, 3, R"#(Adição: 1/4 + 15/6
bar s0 "1/4" "× 3" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "15/6" "× 2" length 3 units 3 parts 6 runs s1 0+2.5
label s2 "m.m.c. (4, 6) = 12"
bar s0 "1/4 = 3/12" length 1 units 1 parts 12 runs s0 0+0.25
bar s1 "15/6 = 30/12" length 3 units 3 parts 12 runs s1 0+2.5
line 0|0.5|1|1.5|2|2.5|3 mark s0 0.5 "1/4" mark s1 5 "15/6"
)#");
        row("1/4 + 15/6, stage 4", Kind::Addition, {"1", "4", "15", "6"}, 4, R"#(Adição: 1/4 + 15/6
bar s0 "1/4" "× 3" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "15/6" "× 2" length 3 units 3 parts 6 runs s1 0+2.5
label s2 "m.m.c. (4, 6) = 12"
bar s0 "1/4 = 3/12" length 1 units 1 parts 12 runs s0 0+0.25
bar s1 "15/6 = 30/12" length 3 units 3 parts 12 runs s1 0+2.5
bar s2 "33/12" length 3 units 3 parts 12 runs s0 0+0.25 s1 0.25+2.5
line 0|0.5|1|1.5|2|2.5|3 mark s0 0.5 "1/4" mark s1 5 "15/6" mark s2 5.5 "33/12"
)#");
        row("1/4 + 15/6, stage 5", Kind::Addition, {"1", "4", "15", "6"}, 5,
            R"#(Adição: 1/4 + 15/6 = 11/4
bar s0 "1/4" "× 3" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "15/6" "× 2" length 3 units 3 parts 6 runs s1 0+2.5
label s2 "m.m.c. (4, 6) = 12"
bar s0 "1/4 = 3/12" length 1 units 1 parts 12 runs s0 0+0.25
bar s1 "15/6 = 30/12" length 3 units 3 parts 12 runs s1 0+2.5
bar s2 "33/12" length 3 units 3 parts 12 runs s0 0+0.25 s1 0.25+2.5
bar s2 "11/4" length 3 units 3 parts 4 runs s2 0+2.75
line 0|0.5|1|1.5|2|2.5|3 mark s0 0.5 "1/4" mark s1 5 "15/6" mark s2 5.5 "11/4"
)#");
        row("1/4 - 1/2, stage 1", Kind::Subtraction, {"1", "4", "1", "2"}, 1,
            R"#(Subtracção: 1/4 - 1/2
bar s0 "1/4" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2" length 1 units 1 parts 2 runs s1 0+0.5
line -1|-0.8|-0.6|-0.4|-0.2|0|0.2|0.4|0.6|0.8|1 mark s0 6.25 "1/4" mark s1 7.5 "1/2"
)#");
        row("1/4 - 1/2, stage 2", Kind::Subtraction, {"1", "4", "1", "2"}, 2,
            R"#(Subtracção: 1/4 - 1/2
bar s0 "1/4" "× 1" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2" "× 2" length 1 units 1 parts 2 runs s1 0+0.5
label s2 "m.m.c. (4, 2) = 4"
line -1|-0.8|-0.6|-0.4|-0.2|0|0.2|0.4|0.6|0.8|1 mark s0 6.25 "1/4" mark s1 7.5 "1/2"
)#");
        row("1/4 - 1/2, stage 3", Kind::Subtraction, {"1", "4", "1", "2"}, 3,
            R"#(Subtracção: 1/4 - 1/2
bar s0 "1/4" "× 1" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2" "× 2" length 1 units 1 parts 2 runs s1 0+0.5
label s2 "m.m.c. (4, 2) = 4"
bar s0 "1/4 = 1/4" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2 = 2/4" length 1 units 1 parts 4 runs s1 0+0.5
line -1|-0.8|-0.6|-0.4|-0.2|0|0.2|0.4|0.6|0.8|1 mark s0 6.25 "1/4" mark s1 7.5 "1/2"
)#");
        row("1/4 - 1/2, stage 4", Kind::Subtraction, {"1", "4", "1", "2"}, 4,
            R"#(Subtracção: 1/4 - 1/2
bar s0 "1/4" "× 1" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2" "× 2" length 1 units 1 parts 2 runs s1 0+0.5
label s2 "m.m.c. (4, 2) = 4"
bar s0 "1/4 = 1/4" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2 = 2/4" length 1 units 1 parts 4 runs s1 0+0.5
bar s2 "menos 1/4" length 1 units 1 parts 4 runs s1 0+0.5 s0 0.25+0.25 taken
line -1|-0.8|-0.6|-0.4|-0.2|0|0.2|0.4|0.6|0.8|1 mark s0 6.25 "1/4" mark s1 7.5 "1/2" mark s2 3.75 "-1/4"
)#");
        row("1/4 - 1/2, stage 5", Kind::Subtraction, {"1", "4", "1", "2"}, 5,
            R"#(Subtracção: 1/4 - 1/2 = -1/4
bar s0 "1/4" "× 1" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2" "× 2" length 1 units 1 parts 2 runs s1 0+0.5
label s2 "m.m.c. (4, 2) = 4"
bar s0 "1/4 = 1/4" length 1 units 1 parts 4 runs s0 0+0.25
bar s1 "1/2 = 2/4" length 1 units 1 parts 4 runs s1 0+0.5
bar s2 "menos 1/4" length 1 units 1 parts 4 runs s1 0+0.5 s0 0.25+0.25 taken
line -1|-0.8|-0.6|-0.4|-0.2|0|0.2|0.4|0.6|0.8|1 mark s0 6.25 "1/4" mark s1 7.5 "1/2" mark s2 3.75 "-1/4"
)#");
        row("2/3 x 3/4, stage 0", Kind::Multiplication, {"2", "3", "3", "4"}, 0,
            R"#(Multiplicação: 2/3 × 3/4
bar s0 "2/3" length 1 units 1 parts 3 runs s0 0+0.6666666666666666
bar s1 "3/4" length 1 units 1 parts 4 runs s1 0+0.75
)#");
        row("2/3 x 3/4, stage 1", Kind::Multiplication, {"2", "3", "3", "4"}, 1,
            R"#(Multiplicação: 2/3 × 3/4
bar s0 "2/3" length 1 units 1 parts 3 runs s0 0+0.6666666666666666
bar s1 "3/4" length 1 units 1 parts 4 runs s1 0+0.75
grid s2 "6 de 12 partes" 1x1 squares 1x1 parts 3x4 shaded 0.6666666666666666x0.75
label s2 "2/3 × 3/4 = 6/12"
)#");
        row("2/3 x 3/4, stage 2", Kind::Multiplication, {"2", "3", "3", "4"}, 2,
            R"#(Multiplicação: 2/3 × 3/4 = 1/2
bar s0 "2/3" length 1 units 1 parts 3 runs s0 0+0.6666666666666666
bar s1 "3/4" length 1 units 1 parts 4 runs s1 0+0.75
grid s2 "6 de 12 partes" 1x1 squares 1x1 parts 3x4 shaded 0.6666666666666666x0.75
label s2 "2/3 × 3/4 = 6/12"
bar s2 "1/2" length 1 units 1 parts 2 runs s2 0+0.5
)#");
        row("5/12 : 7/18, stage 0", Kind::Division, {"5", "12", "7", "18"}, 0,
            R"#(Divisão: 5/12 : 7/18
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 4.166666666666667 "5/12" mark s1 3.888888888888889 "7/18"
)#");
        row("5/12 : 7/18, stage 1", Kind::Division, {"5", "12", "7", "18"}, 1,
            R"#(Divisão: 5/12 : 7/18
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 4.166666666666667 "5/12" mark s1 3.888888888888889 "7/18"
label s2 "5/12 : 7/18 = 5/12 × 18/7"
)#");
        row("5/12 : 7/18, stage 2", Kind::Division, {"5", "12", "7", "18"}, 2,
            R"#(Divisão: 5/12 : 7/18
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 4.166666666666667 "5/12" mark s1 3.888888888888889 "7/18" jump s1 0..3.888888888888889 "1" jump s1 3.888888888888889..4.166666666666667 "1/14"
label s2 "5/12 : 7/18 = 5/12 × 18/7"
label s2 "5/12 × 18/7 = 90/84"
label s1 "7/18 cabe 1 vez e 1/14 em 5/12"
)#");
        row("5/12 : 7/18, stage 3", Kind::Division, {"5", "12", "7", "18"}, 3,
            R"#(Divisão: 5/12 : 7/18 = 15/14
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 4.166666666666667 "5/12" mark s1 3.888888888888889 "7/18" jump s1 0..3.888888888888889 "1" jump s1 3.888888888888889..4.166666666666667 "1/14"
label s2 "5/12 : 7/18 = 5/12 × 18/7"
label s2 "5/12 × 18/7 = 90/84"
label s1 "7/18 cabe 1 vez e 1/14 em 5/12"
label s2 "90/84 = 15/14"
)#");
        row("15/12 simplified, stage 0", Kind::Simplification, {"15", "12"}, 0,
            R"#(Simplificação: 15/12
bar s0 "15/12" length 2 units 2 parts 12 runs s0 0+1.25
)#");
        row("15/12 simplified, stage 1", Kind::Simplification, {"15", "12"}, 1,
            R"#(Simplificação: 15/12 = 5/4
bar s0 "15/12" length 2 units 2 parts 12 runs s0 0+1.25
bar s2 "5/4" length 2 units 2 parts 4 runs s2 0+1.25
)#");
        row("5/12 vs 2/3, stage 0", Kind::Comparison, {"5", "12", "2", "3"}, 0,
            R"#(Comparação: 5/12 ? 2/3
bar s0 "5/12" length 1 units 1 parts 12 runs s0 0+0.4166666666666667
bar s1 "2/3" length 1 units 1 parts 3 runs s1 0+0.6666666666666666
)#");
        row("5/12 vs 2/3, stage 1", Kind::Comparison, {"5", "12", "2", "3"}, 1,
            R"#(Comparação: 5/12 < 2/3
bar s0 "5/12" length 1 units 1 parts 12 runs s0 0+0.4166666666666667
bar s1 "2/3" length 1 units 1 parts 3 runs s1 0+0.6666666666666666
bar s0 "5/12 = 5/12" length 1 units 1 parts 12 runs s0 0+0.4166666666666667
label s2 "<"
bar s1 "2/3 = 8/12" length 1 units 1 parts 12 runs s1 0+0.6666666666666666
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 4.166666666666667 "5/12" mark s1 6.666666666666667 "2/3"
)#");
        row("7/8 to a decimal, stage 0", Kind::ToDecimal, {"7", "8"}, 0,
            R"#(Conversão de fracção em dízima: 7/8
bar s0 "7/8" length 1 units 1 parts 8 runs s0 0+0.875
)#");
        row("7/8 to a decimal, stage 1", Kind::ToDecimal, {"7", "8"}, 1,
            R"#(Conversão de fracção em dízima: 7/8 = 0.875
bar s0 "7/8" length 1 units 1 parts 8 runs s0 0+0.875
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 8.75 "7/8"
line 0.8||||||||||0.9 mark s0 7.5 "7/8"
label s2 "7/8 = 0.875"
)#");
        row("0.14(27) to a fraction, stage 0", Kind::ToFraction, {"0.14(27)"}, 0,
            R"#(Conversão de dízima em fracção: 0.14(27)
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 1.4272727272727272 "0.14(27)"
)#");
        row("0.14(27) to a fraction, stage 1", Kind::ToFraction, {"0.14(27)"}, 1,
            R"#(Conversão de dízima em fracção: 0.14(27) = 157/1100
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 1.4272727272727272 "0.14(27)"
label s2 "0.14(27) = 157/1100"
bar s2 "157/1100" length 1 units 1 parts 0 runs s2 0+0.14272727272727273
note "Partes demasiado pequenas para se desenharem uma a uma."
)#");
    }

    // Each stage's words stay as they were when later stages are shown, so that the newest can be
    // read out alone.
    void stages() {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        QFETCH(int, stage);
        QFETCH(QString, dump);
        const ui::Drawing drawing = draw(taskOf(Kind(kind), texts, stage));
        QCOMPARE(QString::fromStdString(describe(drawing)), dump);
        const ui::Drawing whole = draw(taskOf(Kind(kind), texts, allStages));
        QVERIFY(!drawing.words.empty());
        QVERIFY(drawing.words.size() <= whole.words.size());
        QVERIFY(std::equal(drawing.words.begin(), drawing.words.end(), whole.words.begin()));
    }

    // Before "=", + and - show their terms, which is their first stage.
    void sumsBeforeEqualsShowTheirTerms() {
        for (const Kind kind : {Kind::Addition, Kind::Subtraction}) {
            QCOMPARE(draw(taskOf(kind, {"1", "4", "15", "6"}, 0)),
                     draw(taskOf(kind, {"1", "4", "15", "6"}, 1)));
        }
    }

    void words_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("words");
        const auto words = [](const char* name, Kind kind, const QStringList& texts, int stage,
                              const char* text) {
            QTest::newRow(name) << static_cast<int>(kind) << texts << stage
                                << QString::fromUtf8(text);
        };
        words("terms of a sum", Kind::Addition, {"1", "4", "15", "6"}, 1,
              "Primeira fracção, 1/4: 1 barra dividida em 4 partes iguais, 1 parte pintada. "
              "Segunda fracção, 15/6: 3 barras divididas em 6 partes iguais cada uma, 15 partes "
              "pintadas. Na recta numérica, de 0 a 3, estão marcadas a primeira fracção, 1/4, e a "
              "segunda fracção, 15/6.");
        words("factors", Kind::Subtraction, {"1", "4", "1", "2"}, 2,
              "O m.m.c. de 4 e 2 é 4. A primeira fracção já tem 4 partes em cada barra. Cada parte "
              "da segunda fracção divide-se em 2.");
        words("taken away below 0", Kind::Subtraction, {"1", "4", "1", "2"}, 4,
              "Diferença sobre o denominador comum, menos 1/4: 1 barra dividida em 4 partes "
              "iguais, 1 parte pintada. 2 partes da segunda fracção menos 1 parte da primeira "
              "fracção. As partes tiradas estão riscadas. O resultado é negativo. Na recta "
              "numérica, marca-se o resultado, menos 1/4.");
        words("already irreducible", Kind::Addition, {"1", "4", "1", "3"}, 5,
              "A fracção 7/12 já é irredutível.");
        words("the square", Kind::Multiplication, {"2", "3", "3", "4"}, 1,
              "1 quadrado dividido em 3 colunas e 4 linhas: 12 partes iguais em cada quadrado. A "
              "primeira fracção, 2/3, pinta 2 colunas; a segunda, 3/4, pinta 3 linhas. A parte "
              "comum tem 6 partes: 2/3 vezes 3/4 é 6/12.");
        words("how often it fits", Kind::Division, {"-5", "2", "3", "4"}, 2,
              "O produto é menos 20/6. Na recta numérica, em saltos a partir de 0, 3/4 cabe 3 "
              "vezes e 1/3 em 5/2. Com sinais contrários, o quociente é negativo.");
        words("less than one time", Kind::Division, {"1", "4", "1", "2"}, 2,
              "O produto é 2/4. Na recta numérica, em saltos a partir de 0, 1/2 cabe 1/2 de uma "
              "vez em 1/4.");
        words("tenths and hundredths", Kind::ToDecimal, {"1", "3"}, 1,
              "Na recta numérica, de 0 a 1, dividida em décimas, 1/3 fica entre 0.3 e 0.4. A "
              "décima de 0.3 a 0.4, dividida em centésimas, mostra que 1/3 fica entre 0.33 e "
              "0.34. 1/3 é aproximadamente 0.3333333333333333333333333333.");
        words("a stage left empty", Kind::Division, {"1", "2", "0", "3"}, 1,
              "Nada a desenhar neste passo.");
    }

    void words() {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        QFETCH(int, stage);
        QFETCH(QString, words);
        const ui::Drawing drawing = draw(taskOf(Kind(kind), texts, stage));
        QCOMPARE(QString::fromStdString(drawing.words.back()), words);
    }

    void otherValues_data() {
        columns();
        row("negative terms, added", Kind::Addition, {"-3", "4", "5", "-2"},
            R"#(Adição: -3/4 + 5/-2 = -13/4
bar s0 "menos 3/4" "× 1" length 1 units 1 parts 4 runs s0 0+0.75
bar s1 "menos 5/2" "× 2" length 3 units 3 parts 2 runs s1 0+2.5
label s2 "m.m.c. (4, 2) = 4"
bar s0 "menos 3/4 = menos 3/4" length 1 units 1 parts 4 runs s0 0+0.75
bar s1 "menos 5/2 = menos 10/4" length 3 units 3 parts 4 runs s1 0+2.5
bar s2 "menos 13/4" length 4 units 4 parts 4 runs s0 0+0.75 s1 0.75+2.5
line -4|-3.5|-3|-2.5|-2|-1.5|-1|-0.5|0|0.5|1 mark s0 6.5 "-3/4" mark s1 3 "-5/2" mark s2 1.5 "-13/4"
)#");
        row("improper and negative, multiplied", Kind::Multiplication, {"-7", "2", "5", "3"},
            R"#(Multiplicação: -7/2 × 5/3 = -35/6
bar s0 "menos 7/2" length 4 units 4 parts 2 runs s0 0+3.5
bar s1 "5/3" length 2 units 2 parts 3 runs s1 0+1.6666666666666667
grid s2 "menos 35 partes, 6 em cada quadrado" 4x2 squares 4x2 parts 2x3 shaded 3.5x1.6666666666666667
label s2 "-7/2 × 5/3 = -35/6"
)#");
        row("negative dividend", Kind::Division, {"-5", "2", "3", "4"},
            R"#(Divisão: -5/2 : 3/4 = -10/3
line -3|-2.5|-2|-1.5|-1|-0.5|0|0.5|1 mark s0 1 "-5/2" mark s1 7.5 "3/4" jump s1 6..4.5 "1" jump s1 4.5..3 "2" jump s1 3..1.5 "3" jump s1 1.5..1 "1/3"
label s2 "-5/2 : 3/4 = -5/2 × 4/3"
label s2 "-5/2 × 4/3 = -20/6"
label s1 "3/4 cabe 3 vezes e 1/3 em 5/2"
label s2 "-20/6 = -10/3"
)#");
        row("negative, to a decimal", Kind::ToDecimal, {"-15", "4"},
            R"#(Conversão de fracção em dízima: -15/4 = -3.75
bar s0 "menos 15/4" length 4 units 4 parts 4 runs s0 0+3.75
line -4|-3.9|-3.8|-3.7|-3.6|-3.5|-3.4|-3.3|-3.2|-3.1|-3 mark s0 2.5 "-15/4"
line -3.8||||||||||-3.7 mark s0 5 "-15/4"
label s2 "-15/4 = -3.75"
)#");
        row("repeating, negative", Kind::ToFraction, {"-1.(3"},
            R"#(Conversão de dízima em fracção: -1.(3 = -4/3
line -2|-1.5|-1|-0.5|0|0.5|1 mark s0 1.3333333333333333 "-1.(3)"
label s2 "-1.(3) = -4/3"
bar s2 "menos 4/3" length 2 units 2 parts 3 runs s2 0+1.3333333333333333
)#");
        row("leading zeros, read as decimal digits", Kind::ToFraction, {"00.0(09)"},
            R"#(Conversão de dízima em fracção: 00.0(09) = 1/110
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 0.09090909090909091 "00.0(09)"
label s2 "00.0(09) = 1/110"
bar s2 "1/110" length 1 units 1 parts 0 runs s2 0+0.00909090909090909
note "Partes demasiado pequenas para se desenharem uma a uma."
)#");
    }

    void otherValues() { stages(); }

    // Nothing is drawn of a fraction with a bad term, and nothing throws.
    void badTerms_data() {
        columns();
        row("empty and letters", Kind::Addition, {"", "4", "abc", "6"}, R"#(Adição: ?/4 + abc/6
note "O numerador da primeira fracção está vazio."
note "O numerador da segunda fracção não é um número."
)#");
        row("decimal term", Kind::Division, {"1", "0.5", "1", "3"}, R"#(Divisão: 1/0.5 : 1/3
note "O denominador da primeira fracção não é um número inteiro."
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s1 3.3333333333333335 "1/3"
)#");
        row("beyond the decimal, zero denominator", Kind::Simplification, {"1e40", "0"},
            R"#(Simplificação: 1e40/0
note "O numerador da fracção é grande demais para o programa."
note "O denominador da fracção é zero, e a unidade não se divide em zero partes."
)#");
        row("no boxes", Kind::Comparison, {}, R"#(Comparação: ?/? ? ?/?
note "O numerador da primeira fracção está vazio."
note "O denominador da primeira fracção está vazio."
note "O numerador da segunda fracção está vazio."
note "O denominador da segunda fracção está vazio."
)#");
        row("zero divisor", Kind::Division, {"1", "2", "0", "3"}, R"#(Divisão: 1/2 : 0/3
note "A segunda fracção vale zero, e não se pode dividir por zero."
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s0 5 "1/2" mark s1 0 "0/3"
)#");
        row("no point", Kind::ToFraction, {"12"}, R"#(Conversão de dízima em fracção: 12
note "A dízima deve ter uma parte inteira e uma parte decimal."
)#");
        row("two points", Kind::ToFraction, {"1.2.3"}, R"#(Conversão de dízima em fracção: 1.2.3
note "A dízima só pode ter algarismos, um ponto decimal e o período entre parênteses."
)#");
        row("empty period", Kind::ToFraction, {".5("}, R"#(Conversão de dízima em fracção: .5(
note "O período entre parênteses está vazio."
)#");
        row("accented letters, cut short", Kind::Addition,
            {"ãããããããããããããããããããããã", "4", "1", "2"}, R"#(Adição: ããããããããããããããã…/4 + 1/2
note "O numerador da primeira fracção não é um número."
bar s1 "1/2" length 1 units 1 parts 2 runs s1 0+0.5
line 0|0.1|0.2|0.3|0.4|0.5|0.6|0.7|0.8|0.9|1 mark s1 5 "1/2"
)#");
    }

    void badTerms() { stages(); }
};

QTEST_GUILESS_MAIN(PictureTest)
#include "test_picture.moc"
