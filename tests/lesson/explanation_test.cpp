#include "explanation.h"

#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso {
namespace {

using namespace testing_support;

struct PivotCase {
    const char* name;
    Fields fields;
    int press;  // the press whose pivot is explained, counted from 1
    std::string explanation;
    std::string quotients;  // the tooltip's lines, joined by " | "
    char separator = '.';
};

class ExplainPivotTest : public testing::TestWithParam<PivotCase> {};

// The line and the tooltip use the tableau before the press, in its own texts.
TEST_P(ExplainPivotTest, NamesEnteringAndLeavingWithTheShownNumbers) {
    const PivotCase& c = GetParam();
    const LessonRecord record = PlayLesson(c.fields, c.separator, c.press);
    const auto pivot = record.snapshots[c.press].pivot;
    ASSERT_TRUE(pivot);
    const Grid& before = record.snapshots[c.press - 1].grid;
    EXPECT_EQ(ExplainPivot(before, *pivot, c.separator), c.explanation);
    std::string tooltip;
    for (const std::string& line : Quotients(before, pivot->col, c.separator)) {
        tooltip += (tooltip.empty() ? "" : " | ") + line;
    }
    EXPECT_EQ(tooltip, c.quotients);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ExplainPivotTest,
    testing::Values(
        PivotCase{"WorkedExampleFirst", kWorkedExample, 1,
                  "Entra x2: il suo DELTA r (6) è il più grande. Esce x5: 8 / 2 = 4 è il rapporto "
                  "più piccolo.",
                  "x4: 18 / 1 = 18 | x5: 8 / 2 = 4 | x6: 15 / 1 = 15"},
        PivotCase{"DecimalComma", kWorkedExample, 2,
                  "Entra x1: il suo DELTA r (1) è l'unico positivo. Esce x6: 11 / 2,5 = 4,4 è il "
                  "rapporto più piccolo.",
                  "x4: 14 / 1,5 = 9,333333 | x2: 4 / 0,5 = 8 | x6: 11 / 2,5 = 4,4", ','},
        PivotCase{"OneRatioCompetes", kOneRatio, 1,
                  "Entra x2: il suo DELTA r (3) è il più grande. Esce x5: 6 / 2 = 3 è l'unico "
                  "rapporto ammissibile.",
                  "x4: -1 ≤ 0, non entra nel confronto | x5: 6 / 2 = 3 | x6: 1E-07 ≤ 1E-06, non "
                  "entra nel confronto"},
        PivotCase{"Ties", kTies, 1,
                  "Entra x1: il suo DELTA r (5) è il più grande (a pari merito entra la variabile "
                  "più a sinistra). Esce x4: 4 / 1 = 4 è il rapporto più piccolo (a pari merito "
                  "esce la riga più in alto).",
                  "x4: 4 / 1 = 4 | x5: 0 ≤ 0, non entra nel confronto | x6: 4 / 1 = 4"}),
    CaseName());

struct StageCase {
    const char* name;
    Fields fields;
    int presses;
    std::string next;  // after set-up
    std::string end;   // after the presses
};

class ExplainStageTest : public testing::TestWithParam<StageCase> {};

TEST_P(ExplainStageTest, SaysWhatComesAndWhyItEnded) {
    const StageCase& c = GetParam();
    const LessonRecord record = PlayLesson(c.fields, '.', c.presses);
    const Snapshot& first = record.snapshots.front();
    const Snapshot& last = record.snapshots.back();
    EXPECT_EQ(ExplainNext(first.grid, first.state, '.'), c.next);
    EXPECT_EQ(ExplainEnd(last.grid, last.state, '.'), c.end);
}

const std::string kWorkedExampleNext =
    "Al prossimo passo entra x2, il cui DELTA r (6) è il più grande, ed esce x5, perché 8 / 2 = 4 "
    "è il rapporto più piccolo.";

INSTANTIATE_TEST_SUITE_P(
    Lessons, ExplainStageTest,
    testing::Values(
        StageCase{"WorkedExampleEnded", kWorkedExample, 2, kWorkedExampleNext,
                  "Nessun DELTA r è positivo: la tabella mostra la soluzione ottima, Z = 28.4."},
        StageCase{"WorkedExampleHalfWay", kWorkedExample, 1, kWorkedExampleNext, ""},
        StageCase{"LastPivot", FieldsOf("1 0 0 0 | 1 0 0 4 | 0 1 0 4 | 0 0 1 4"), 1,
                  "Al prossimo passo entra x1, il cui DELTA r (1) è l'unico positivo, ed esce x4, "
                  "perché 4 / 1 = 4 è l'unico rapporto ammissibile. Sarà l'ultimo passo.",
                  "Nessun DELTA r è positivo: la tabella mostra la soluzione ottima, Z = 4."},
        StageCase{"Unbounded", kUnbounded, 1,
                  "Al prossimo passo entrerebbe x1 (DELTA r 1), ma nessun valore della sua colonna "
                  "è positivo: il problema risulterà illimitato.",
                  "Il problema è illimitato: x1 ha DELTA r 1, ma nessun valore della sua colonna è "
                  "positivo, quindi x1 può crescere senza limite."},
        StageCase{"OptimalAtOnce", FieldsOf("-1 -2 0 0 | 1 1 1 4 | 1 2 0 6 | 0 1 1 5"), 1,
                  "Nessun DELTA r è positivo: la tabella è già ottima e il prossimo passo chiuderà "
                  "la lezione.",
                  "Nessun DELTA r è positivo: la tabella mostra la soluzione ottima, Z = 0."}),
    CaseName());

}  // namespace
}  // namespace simplesso
