#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <compare>
#include <initializer_list>
#include <set>
#include <stdexcept>
#include <string>

#include "core/decimal.h"
#include "words/decimal_text.h"
#include "words/fractions.h"
#include "words/numerals.h"
#include "words/sentences.h"

using namespace talvera;

namespace {

// Rows "input|expected" apart by "; ", after their kind: n, digits; f and m, "n/d" or "n" ("2e6"
// is 2000000) and its mixed number ("-" for none); d, a number text; o, "a + b = c" (+ - * :),
// whose results words::result() reads; c, "a < b"; C, capitalized.
constexpr std::initializer_list<const char*> table = {
    "n: 0|zero; 007|sete; 14|catorze; 16|dezasseis; 17|dezassete; 19|dezanove; 21|vinte e um",
    "n: 58|cinquenta e oito; 100|cem; 101|cento e um; 200|duzentos; 1000|mil; 1001|mil e um",
    "n: 999|novecentos e noventa e nove; 1099|mil e noventa e nove; 1100|mil e cem",
    "n: 1101|mil cento e um; 1234|mil duzentos e trinta e quatro; 100000|cem mil",
    "n: 2500|dois mil e quinhentos; 321021|trezentos e vinte e um mil e vinte e um",
    "n: 1000300|um milhão e trezentos; 1001000|um milhão e mil; 1200000|um milhão e duzentos mil",
    "n: 1230000|um milhão duzentos e trinta mil; 1200001|um milhão duzentos mil e um",
    "n: 1001000001|mil e um milhões e um; 1000000000000000000000015|um quatrilião e quinze",
    "n: 1000000000000000000000000000000|invalid",
    "f: 1e6|um milhão; -2e6|menos dois milhões; 1e9|mil milhões; 2e9|dois mil milhões; 1.5|invalid",
    "f: 1e12|um bilião; 2e12|dois biliões; 1e15|mil biliões; 3e15|três mil biliões",
    "f: 1e18|um trilião; 40e18|quarenta triliões; 1e21|mil triliões; 1e24|um quatrilião",
    "f: 101e24|cento e um quatriliões; 1e27|mil quatriliões; 1000002e6|um bilião e dois milhões",
    "f: 1/2|um meio; 2/2|dois meios; 2/3|dois terços; 4/5|quatro quintos; 5/6|cinco sextos",
    "f: 1/7|um sétimo; 3/8|três oitavos; 2/9|dois nonos; 7/10|sete décimos; 1/1000|um milésimo",
    "f: 37/100|trinta e sete centésimos; 9/1e6|nove milionésimos; 1/1e12|um bilionésimo",
    "f: 1/1e18|um trilionésimo; 2/1e24|dois quatrilionésimos; 1/11|um onze avos",
    "f: 14/16|catorze dezasseis avos; 1/20|um vinte avos; 3/200|três duzentos avos",
    "f: 157/1100|cento e cinquenta e sete mil e cem avos; 1/1e4|um dez mil avos",
    "f: 1/1e9|um mil milhões avos; 2e6/3|dois milhões de terços; 0.5/4|invalid; -1/-4|um quarto",
    "f: 1200000/7|um milhão e duzentos mil sétimos; 12/1|doze; -12|menos doze; 0/-5|zero",
    "f: -1/4|menos um quarto; 1/-4|menos um quarto",
    "m: 11/4|dois inteiros e três quartos; 3/2|um inteiro e um meio; 8/4|-; 3/4|-; 0/4|-",
    "m: -5/4|menos um inteiro e um quarto; 25/-12|menos dois inteiros e um doze avos",
    "m: 2000001/2|um milhão de inteiros e um meio",
    "d: 0.875|zero vírgula oitocentos e setenta e cinco; -2.5|menos dois vírgula cinco; 12|doze",
    "d: 0.05|zero vírgula zero cinco; 1.007|um vírgula zero zero sete; 1,5|invalid",
    "d: 3.25|três vírgula vinte e cinco; 0.0625|zero vírgula zero seis dois cinco",
    "d: -0.5|menos zero vírgula cinco; -1000000.5|menos um milhão vírgula cinco",
    "d: 0.33333333|zero vírgula três três três três três três três três",
    "d: 0.14(27)|zero vírgula um quatro, com período dois sete; -0.00|zero vírgula zero zero",
    "d: -3.(142857|menos três vírgula, com período um quatro dois oito cinco sete",
    "o: 2/3 - 1/6 = 3/6|Dois terços menos um sexto é igual a três sextos.",
    "o: 2/3 * 3/4 = 6/12|Dois terços vezes três quartos é igual a seis doze avos.",
    "c: 5/12 < 2/3|Cinco doze avos é menor do que dois terços.",
    "c: 3/4 > 2/3|Três quartos é maior do que dois terços.",
    "c: 2/4 = 1/2|Dois quartos é igual a um meio.",
    "C: é igual|É igual; úmido|Úmido; àquele|Àquele; ça|Ça; ÷ 2|÷ 2; ÿ|ÿ; Ópera|Ópera; |",
};

// Rows too long for one line.
constexpr std::initializer_list<const char*> longTable = {
    "n: 79228162514264337593543950335|setenta e nove mil duzentos e vinte e oito quatriliões cento "
    "e sessenta e dois mil quinhentos e catorze triliões duzentos e sessenta e quatro mil "
    "trezentos e trinta e sete biliões quinhentos e noventa e três mil quinhentos e quarenta e "
    "três milhões novecentos e cinquenta mil trezentos e trinta e cinco",
    "o: 1/2 : -1/3 = 3/-2|Um meio a dividir por menos um terço é igual a menos três meios, ou "
    "seja, menos um inteiro e um meio.",
    "o: 1/4 + 15/6 = 11/4|Um quarto mais quinze sextos é igual a onze quartos, ou seja, dois "
    "inteiros e três quartos.",
};

core::Decimal decimalOf(const QString& text) {
    return core::Decimal::parse(text.toStdString()).value();
}

core::Fraction fractionOf(const QString& text) {
    const QStringList terms = (text + "/1").split('/');
    return {decimalOf(terms[0]), decimalOf(terms[1])};
}

std::string wordsOf(char kind, const QString& input) {
    const QStringList t = input.split(' ');
    switch (kind) {
        case 'n':
            return words::cardinal(input.toStdString());
        case 'f':
            return words::fraction(fractionOf(input));
        case 'm':
            return words::mixedNumber(fractionOf(input)).value_or("-");
        case 'd':
            return words::decimalText(input.toStdString());
        case 'o':
            return words::operationSentence(
                fractionOf(t[0]), static_cast<words::Operation>(QString("+-*:").indexOf(t[1])),
                fractionOf(t[2]), fractionOf(t[4]));
        case 'c':
            return words::relationSentence(
                fractionOf(t[0]), (QString("<=>").indexOf(t[1]) - 1) <=> 0, fractionOf(t[2]));
        default:
            return words::capitalized(input.toStdString());
    }
}

}  // namespace

class WordsTest : public QObject {
    Q_OBJECT

  private slots:
    void words_data() {
        QTest::addColumn<char>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        for (const std::initializer_list<const char*> lines : {table, longTable}) {
            for (const char* line : lines) {
                const QString kind = QString::fromUtf8(line).section(": ", 0, 0);
                for (const QString& row : QString::fromUtf8(line).section(": ", 1).split("; ")) {
                    const QString input = row.section('|', 0, 0);
                    QTest::addRow("%s %s", qPrintable(kind), qPrintable(input))
                        << kind.at(0).toLatin1() << input << row.section('|', 1);
                }
            }
        }
    }

    void words() {
        QFETCH(char, kind);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString said = "invalid";
        try {
            said = QString::fromStdString(wordsOf(kind, input));
        } catch (const std::invalid_argument&) {
            // what the table expects of a text that is not a number of the program
        }
        QCOMPARE(said, expected);
    }

    // Random numbers, many zero groups among them: well formed, and no two sound alike.
    void randomWholeNumbers() {
        const QRegularExpression malformed("^ |  | $|^e | e$| e e ");
        QRandomGenerator random(1974);
        std::set<QString> numbers;
        std::set<QString> said;
        for (int i = 0; i < 20000; ++i) {
            QString digits = QString::number(random.bounded(1, 10));
            for (int length = random.bounded(30); length > 0; --length) {
                digits += QString::number(random.bounded(2) == 0 ? 0 : random.bounded(10));
            }
            const QString words = QString::fromStdString(words::cardinal(digits.toStdString()));
            QVERIFY2(!malformed.match(words).hasMatch(), qPrintable(words));
            numbers.insert(digits);
            said.insert(words);
        }
        QCOMPARE(said.size(), numbers.size());
    }
};

QTEST_APPLESS_MAIN(WordsTest)
#include "test_words.moc"
