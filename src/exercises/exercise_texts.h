#pragma once

#include <array>
#include <string_view>

#include "exercises/kind.h"
#include "exercises/mistake_id.h"
#include "kit/messages.h"
#include "operations/operations_texts.h"

// Every sentence of the Exercises page's logic, in the program's spelling and formal voice.
namespace talvera::exercises::texts {

inline constexpr std::string_view right = "Está certo. Muito bem!";
inline constexpr std::string_view notLowestTerms =
    "Está certo, mas a fracção ainda se pode simplificar.";
inline constexpr std::string_view notLowestTermsHint =
    "Divida o numerador e o denominador pelo seu máximo divisor comum.";
inline constexpr std::string_view wrong = "Ainda não está certo. Tente outra vez.";

// The answer boxes take the Operations page's own messages: those for one fraction, and the
// decimal-to-fraction conversion's for the decimal box.
inline constexpr std::string_view notNumeric = operations::texts::singular.sentences.notNumeric;
inline constexpr std::string_view notWhole = operations::texts::singular.sentences.notWhole;
inline constexpr std::string_view zeroDenominator =
    operations::texts::singular.sentences.zeroDenominator;
inline constexpr std::string_view capacity = kit::messages::capacity;
using operations::texts::afterPeriod;
using operations::texts::ellipsis;
using operations::texts::noDecimalPart;
using operations::texts::notDecimalNotation;
using operations::texts::tooManyClosings;
using operations::texts::tooManyOpenings;
using operations::texts::tooManyPoints;
using operations::texts::tooManyPrefix;

// The comparison's answer is one of three signs.
inline constexpr std::string_view noRelation = "Deve escolher um dos sinais <, = ou >.";

struct MistakeText {
    MistakeId id;
    std::string_view message;
    std::string_view hint;
};

// In the order of MistakeId.
inline constexpr std::array<MistakeText, mistakeCount> mistakes{{
    {MistakeId::AddedStraightAcross, "Adicionou os numeradores e adicionou os denominadores.",
     "Primeiro reduza as fracções ao mesmo denominador, o m.m.c. dos denominadores; depois "
     "adicione só os numeradores."},
    {MistakeId::SubtractedStraightAcross, "Subtraiu os numeradores e subtraiu os denominadores.",
     "Primeiro reduza as fracções ao mesmo denominador, o m.m.c. dos denominadores; depois "
     "subtraia só os numeradores."},
    {MistakeId::NumeratorsNotExpanded,
     "Usou o m.m.c. dos denominadores, mas não multiplicou os numeradores.",
     "Cada numerador é multiplicado pelo mesmo factor que o seu denominador."},
    {MistakeId::WrongSign, "O valor está certo, mas o sinal está errado.",
     "Se a segunda fracção for maior do que a primeira, a diferença é negativa."},
    {MistakeId::DenominatorsMultipliedOnly,
     "Multiplicou os denominadores, mas não multiplicou os numeradores.",
     "Com o produto dos denominadores, cada numerador é multiplicado pelo denominador da "
     "outra fracção."},
    {MistakeId::FactorsSwapped, "Multiplicou cada numerador pelo factor da outra fracção.",
     "Cada numerador é multiplicado pelo mesmo factor que o seu denominador."},
    {MistakeId::OneFractionInverted, "Inverteu uma das fracções, como se fosse uma divisão.",
     "Na multiplicação não se inverte nenhuma fracção: multiplique os numeradores entre si e os "
     "denominadores entre si."},
    {MistakeId::DenominatorsAdded, "Adicionou os denominadores em vez de os multiplicar.",
     "Na multiplicação, multiplique os numeradores entre si e os denominadores entre si."},
    {MistakeId::CommonDenominatorKept, "Manteve o denominador comum, como numa adição.",
     "Na multiplicação, os denominadores também se multiplicam, mesmo quando são iguais."},
    {MistakeId::NotInverted, "Multiplicou as fracções sem inverter a segunda.",
     "Dividir por uma fracção é multiplicar pela sua inversa: troque os termos da segunda "
     "fracção."},
    {MistakeId::FirstInverted, "Inverteu a primeira fracção em vez da segunda.",
     "Mantenha a primeira fracção e multiplique-a pela inversa da segunda."},
    {MistakeId::OneTermDivided, "Dividiu só um dos termos da fracção.",
     "Para simplificar, divida o numerador e o denominador pelo mesmo número."},
    {MistakeId::NumeratorsOnly, "Comparou só os numeradores.",
     "Reduza primeiro as fracções ao mesmo denominador e compare depois os numeradores."},
    {MistakeId::LargerDenominator, "Considerou maior a fracção com o maior denominador.",
     "Quanto maior o denominador, mais pequenas são as partes: 1/8 é menor do que 1/3."},
    {MistakeId::SignReversed, "O sinal está ao contrário.",
     "A abertura do sinal fica do lado da fracção maior: 1/3 < 1/2."},
    {MistakeId::DenominatorOverNumerator, "Dividiu o denominador pelo numerador.",
     "A fracção é o quociente do numerador pelo denominador: 3/4 = 3 : 4 = 0.75."},
    {MistakeId::PeriodNotMarked, "A dízima é periódica: escreveu só alguns dos seus algarismos.",
     "Escreva uma vez os algarismos que se repetem, entre parênteses: 1/3 = 0.(3)."},
    {MistakeId::TermsAsDecimal, "Escreveu os termos da fracção separados pelo ponto decimal.",
     "A fracção é o quociente do numerador pelo denominador: 3/4 = 3 : 4 = 0.75."},
    {MistakeId::RepeatingReadAsFinite, "Leu a dízima periódica como se fosse finita.",
     "O período repete-se sem fim: 0.(3) é 1/3 e não 3/10."},
    {MistakeId::DecimalsAsPeriod, "Tomou toda a parte decimal como período.",
     "Só os algarismos entre parênteses se repetem: 0.1(6) = 15/90 = 1/6."},
    {MistakeId::PlacesMiscounted, "Contou mal as casas decimais.",
     "Cada casa decimal é mais um zero no denominador: 0.25 = 25/100."},
}};

constexpr const MistakeText& mistakeText(MistakeId id) {
    return mistakes[static_cast<std::size_t>(id)];
}

// The session's score: "Certos: 7  Errados: 2  Saltados: 1".
inline constexpr std::string_view rightCount = "Certos: ";
inline constexpr std::string_view wrongCount = "Errados: ";
inline constexpr std::string_view skippedCount = "Saltados: ";
inline constexpr std::string_view scoreGap = "  ";

// Worksheets.
inline constexpr std::string_view sheetTitle = "Ficha de exercícios de fracções";
inline constexpr std::string_view sheetNumber = "Ficha n.º ";
inline constexpr std::string_view sheetHeader = "Nome: ______  N.º: ___  Turma: ___  Data: ______";
inline constexpr std::string_view solutionsTitle = "Soluções";
inline constexpr std::string_view levelWord = "nível ";
inline constexpr std::string_view kindsAndLevel = " — ";
inline constexpr std::string_view lastKind = " e ";
inline constexpr std::string_view otherKind = ", ";
inline constexpr std::string_view commonMultiple = "m.m.c.";
inline constexpr std::string_view factorsWord = "Factores: ";

// Kind names, as a list starts (capitalised) and as it goes on.
inline constexpr std::array<std::string_view, allKinds.size()> kindFirst{
    "Adição",        "Subtracção", "Multiplicação",     "Divisão",
    "Simplificação", "Comparação", "Fracção em dízima", "Dízima em fracção"};
inline constexpr std::array<std::string_view, allKinds.size()> kindLater{
    "adição",        "subtracção", "multiplicação",     "divisão",
    "simplificação", "comparação", "fracção em dízima", "dízima em fracção"};

// The page.
inline constexpr std::string_view pageTitle = "Exercícios de fracções";
inline constexpr std::string_view kindCaption = "Tipo de exercício:";
inline constexpr std::string_view levelCaption = "Nível:";
inline constexpr std::array<std::string_view, allLevels.size()> levelItems{"Nível 1", "Nível 2",
                                                                           "Nível 3"};
inline constexpr std::string_view newTask = "Novo exercício";
inline constexpr std::string_view exerciseCaption = "Exercício";
inline constexpr std::string_view checkCaption = "Verificar";
inline constexpr std::string_view resolutionCaption = "Ver a resolução";
inline constexpr std::string_view guidance =
    "Escolha o tipo de exercício e o nível e carregue em «Novo exercício». Escreva a resposta, ou "
    "escolha o sinal na comparação, e carregue em «Verificar» ou na tecla Enter. A fracção deve "
    "ficar irredutível. Depois de duas tentativas erradas pode ver a resolução.";
inline constexpr std::string_view kindTip = "O tipo do próximo exercício";
inline constexpr std::string_view levelTip =
    "O nível do próximo exercício: 1 com termos até 10, 2 até 20 e fracções impróprias, 3 até 100";
inline constexpr std::string_view newTaskTip =
    "Mostrar um exercício novo do tipo e do nível escolhidos";
inline constexpr std::string_view termTip = "Um termo do exercício";
inline constexpr std::string_view numeratorTip = "Escreva o numerador da resposta";
inline constexpr std::string_view denominatorTip =
    "Escreva o denominador da resposta; sem ele, a resposta é um número inteiro";
inline constexpr std::string_view decimalTip =
    "Escreva a dízima, com o período entre parênteses: 1/6 = 0.1(6)";
inline constexpr std::string_view checkTip = "Verificar a resposta";
inline constexpr std::string_view resolutionTip =
    "Ver como se resolve este exercício, depois de duas tentativas erradas";
inline constexpr std::array<std::string_view, 3> relationTips{
    "A primeira fracção é menor do que a segunda", "As duas fracções são iguais",
    "A primeira fracção é maior do que a segunda"};

// What a screen reader hears of a new exercise: "Exercício: um quarto mais quinze sextos."
inline constexpr std::string_view taskIntro = "Exercício: ";
inline constexpr std::array<std::string_view, 4> operationWords{" mais ", " menos ", " vezes ",
                                                                " a dividir por "};
inline constexpr std::string_view simplify = "simplifique ";
inline constexpr std::string_view compare = "compare ";
inline constexpr std::string_view compareWith = " com ";
inline constexpr std::string_view write = "escreva ";
inline constexpr std::string_view asDecimal = " em dízima";
inline constexpr std::string_view asFraction = " em fracção";

// The worksheet dialog.
inline constexpr std::string_view sheetCaption = "FICHA DE EXERCÍCIOS";
inline constexpr std::string_view sheetGuidance =
    "Escolha os tipos de exercício, o nível, quantos exercícios tem a ficha e o seu número. O "
    "mesmo número dá sempre a mesma ficha, com as mesmas soluções.";
inline constexpr std::string_view sheetKinds = "Tipos de exercício";
inline constexpr std::string_view sheetCount = "Número de exercícios:";
inline constexpr std::string_view sheetNumberCaption = "Número da ficha:";
inline constexpr std::string_view printCaption = "Imprimir…";
inline constexpr std::string_view saveCaption = "Guardar em PDF…";
inline constexpr std::string_view cancelCaption = "Cancelar";
inline constexpr std::string_view noKindChosen = "Deve escolher pelo menos um tipo de exercício.";
inline constexpr std::string_view badSheetNumber =
    "O número da ficha deve ser um número inteiro de 1 a 999999.";
inline constexpr std::string_view fileStart = "ficha-";
inline constexpr std::string_view fileEnd = ".pdf";

}  // namespace talvera::exercises::texts
