// The explanation line and its tooltip as the lesson shows them after set-up, a pivot and the end.
#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso::testing_support {
namespace {

class ExplanationLine : public testing::TestWithParam<LessonCase> {};

// Always in the texts of the tableau before the press, so that the student finds every number.
TEST_P(ExplanationLine, SaysWhatComesWhyThePivotAndWhyTheEnd) {
    const LessonCase& c = GetParam();
    const LessonPlayer player(c.fields, c.presses, c.separator);
    EXPECT_EQ(player.lesson.Explanation(), c.text);
    EXPECT_EQ(player.lesson.QuotientsText(), c.tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, ExplanationLine,
    testing::Values(
        LessonCase{"WorkedExampleSetUp", kWorkedExample, "",
                   "Al prossimo passo entra x2, il cui DELTA r (6) è il più grande, ed esce x5, "
                   "perché 8 / 2 = 4 è il rapporto più piccolo."},
        LessonCase{"WorkedExampleFirst", kWorkedExample, "-",
                   "Entra x2: il suo DELTA r (6) è il più grande. Esce x5: 8 / 2 = 4 è il rapporto "
                   "più piccolo.",
                   "x4: 18 / 1 = 18\nx5: 8 / 2 = 4\nx6: 15 / 1 = 15"},
        LessonCase{"WorkedExampleEndWithComma", kWorkedExample, "- -",
                   "Entra x1: il suo DELTA r (1) è l'unico positivo. Esce x6: 11 / 2,5 = 4,4 è il "
                   "rapporto più piccolo. Nessun DELTA r è positivo: la tabella mostra la "
                   "soluzione ottima, Z = 28,4.",
                   "x4: 14 / 1,5 = 9,333333\nx2: 4 / 0,5 = 8\nx6: 11 / 2,5 = 4,4", ','},
        LessonCase{
            "OneRatioCompetes", kOneRatio, "-",
            "Entra x2: il suo DELTA r (3) è il più grande. Esce x5: 6 / 2 = 3 è l'unico rapporto "
            "ammissibile. Nessun DELTA r è positivo: la tabella mostra la soluzione ottima, Z = 9. "
            "L'ottimo non è unico: x3, fuori base, ha DELTA r 0.",
            "x4: -1 ≤ 0, non entra nel confronto\nx5: 6 / 2 = 3\nx6: 1E-07 ≤ 1E-06, non entra nel "
            "confronto"},
        LessonCase{"Ties", kTies, "-",
                   "Entra x1: il suo DELTA r (5) è il più grande (a pari merito entra la variabile "
                   "più a sinistra). Esce x4: 4 / 1 = 4 è il rapporto più piccolo (a pari merito "
                   "esce la riga più in alto).",
                   "x4: 4 / 1 = 4\nx5: 0 ≤ 0, non entra nel confronto\nx6: 4 / 1 = 4"},
        LessonCase{"LastPivotSetUp", Fields("1 0 0 0 | 1 0 0 4 | 0 1 0 4 | 0 0 1 4"), "",
                   "Al prossimo passo entra x1, il cui DELTA r (1) è l'unico positivo, ed esce x4, "
                   "perché 4 / 1 = 4 è l'unico rapporto ammissibile. Sarà l'ultimo passo."},
        LessonCase{"UnboundedSetUp", kUnbounded, "",
                   "Al prossimo passo entrerebbe x1 (DELTA r 1), ma nessun valore della sua "
                   "colonna è positivo: il problema risulterà illimitato."},
        LessonCase{"Unbounded", kUnbounded, "-",
                   "Il problema è illimitato: x1 ha DELTA r 1, ma nessun valore della sua colonna "
                   "è positivo, quindi x1 può crescere senza limite."},
        LessonCase{"OptimalAtOnceSetUp", kOptimalAtOnce, "",
                   "Nessun DELTA r è positivo: la tabella è già ottima e il prossimo passo "
                   "chiuderà la lezione."},
        LessonCase{"OptimalAtOnce", kOptimalAtOnce, "-",
                   "Nessun DELTA r è positivo: la tabella mostra la soluzione ottima, Z = 0. "
                   "L'ottimo non è unico: x3, fuori base, ha DELTA r 0."}),
    testing::PrintToStringParamName());

// In a two-phase lesson every line says its phase: the set-up's and the first phase's presses
// the first, the switch and what follows the second.
TEST(ExplanationLine, TwoPhaseLinesSayTheirPhase) {
    const std::string worked = "min 2 3 0 0 / 1 1 0 > 4 / 1 -1 0 = 1 / 1 0 0 < 6";
    // a1 leaves on the first press; on the third its DELTA r is negative, but it may not enter.
    const std::string artificialLeft = "3 0 4 0 / 1 2 -4 > 0 / 5 5.1 -8 > 0 / 0 0 1 > 8";
    const struct {
        const std::string& line;
        const char* presses;
        const char* text;
    } cases[] = {
        {worked, "",
         "Prima fase: Al prossimo passo entra x1, il cui DELTA r (-2) è l'unico negativo, ed "
         "esce a2, perché 1 / 1 = 1 è il rapporto più piccolo."},
        {worked, "- -",
         "Prima fase: Entra x2: il suo DELTA r (-2) è l'unico negativo. Esce a1: 3 / 2 = 1.5 è il "
         "rapporto più piccolo. La prima fase è finita con W = 0: il prossimo passo comincerà la "
         "seconda fase."},
        {worked, "- - -",
         "Seconda fase: la prima fase è finita con W = 0 e ha trovato la base ammissibile x2, x1, "
         "x6. Le colonne artificiali escono, Cr: prende i coefficienti della funzione economica, "
         "DELTA r e Z sono ricalcolati: comincia la seconda fase. Nessun DELTA r è negativo: la "
         "tabella mostra la soluzione ottima, Z = 9.5. L'ottimo non è unico: x3, fuori base, ha "
         "DELTA r 0."},
        {artificialLeft, "- - -",
         "Prima fase: Entra x5: il suo DELTA r (-0.4545454) è l'unico negativo; a1 ha DELTA r "
         "negativo ma, uscita dalla base, non rientra. Esce a3: 8 / 0.4545454 = 17.6 è l'unico "
         "rapporto ammissibile. La prima fase è finita con W = 0: il prossimo passo comincerà la "
         "seconda fase."},
    };
    for (const auto& c : cases) {
        const LessonPlayer player(c.line, c.presses);
        EXPECT_EQ(player.lesson.Explanation(), c.text) << c.line << " after \"" << c.presses << '"';
    }
}

}  // namespace
}  // namespace simplesso::testing_support
