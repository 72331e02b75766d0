// Practising the pivot: which clicks are a choice, and the verdict and tally the lesson shows.
#include "practice.h"

#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso::testing_support {
namespace {

TEST(AsChoice, LabelsHeadersKnownTermsAndLowerRowsAreNoChoice) {
    Grid grid;
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(r, 1, VariableName(r + 3));
    }
    for (const PivotCell& cell : {PivotCell{0, 3}, {4, 3}, {6, 3}, {2, 1}, {2, 8}}) {
        EXPECT_EQ(AsChoice(grid, cell.row, cell.col), std::nullopt) << cell.row << ", " << cell.col;
    }
    EXPECT_EQ(AsChoice(grid, 2, 7), (PivotCell{2, 7}));
    grid.SetCols(12);  // a first phase: the known terms stand in column 11
    EXPECT_EQ(AsChoice(grid, 2, 10), (PivotCell{2, 10}));
    EXPECT_EQ(AsChoice(grid, 2, 11), std::nullopt);
    grid.SetTextMatrix(2, 1, "");  // a row dropped as redundant
    EXPECT_EQ(AsChoice(grid, 2, 3), std::nullopt);
}

class Practice : public testing::TestWithParam<LessonCase> {};

// The verdict comes first, with the numbers of the tableau the choice was made on; the pivot it
// is judged against is the one the press made. After the press that ends the lesson, the tally.
TEST_P(Practice, JudgesTheChoiceBeforeThePress) {
    const std::string line =
        LessonPlayer(GetParam().fields, GetParam().presses).lesson.Explanation();
    EXPECT_TRUE(line.starts_with(GetParam().text)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Practice,
    testing::Values(
        LessonCase{"Right", kWorkedExample, "23", "Giusto! Entra x2: il suo DELTA r (6)"},
        LessonCase{"WrongColumn", kWorkedExample, "24",
                   "Non è il pivot: x3 ha DELTA r 2, ma x2 ha il più grande: 6. Entra x2"},
        LessonCase{
            "BasicColumn", kWorkedExample, "17",
            "Non è il pivot: x6 è già in base e non entra; x2 ha il DELTA r più grande: 6. Entra"},
        LessonCase{"TiedColumn", kTies, "13",
                   "Non è il pivot: x2 ha DELTA r 5 come x1, ma a pari merito entra la variabile "
                   "più a sinistra, x1. Entra"},
        LessonCase{
            "WrongRowAndTheTally", kWorkedExample, "23 12",
            "Non è il pivot: nella riga di x4 14 / 1.5 = 9.333333, ma la riga di x6 dà 11 / "
            "2.5 = 4.4. Entra x1: il suo DELTA r (1) è l'unico positivo. Esce x6: 11 / 2.5 = "
            "4.4 è il rapporto più piccolo. Nessun DELTA r è positivo: la tabella mostra la "
            "soluzione ottima, Z = 28.4. Pivot indovinati: 1 su 2"},
        LessonCase{"HeaderIsNoChoice", kWorkedExample, "03 32",
                   "Giusto! Entra x1: il suo DELTA r (1) è l'unico positivo. Esce x6: 11 / 2.5 = "
                   "4.4 è il rapporto più piccolo. Nessun DELTA r è positivo: la tabella mostra la "
                   "soluzione ottima, Z = 28.4. Pivot indovinati: 1 su 1"},
        LessonCase{"TiedRow", kTies, "32",
                   "Non è il pivot: nella riga di x6 4 / 1 = 4 come nella riga di x4, ma a pari "
                   "merito esce la riga più in alto. Entra"},
        LessonCase{"NegativeEntry", kOneRatio, "13",
                   "Non è il pivot: nella riga di x4 il valore -1 non è positivo e non entra nel "
                   "confronto; la riga di x5 dà 6 / 2 = 3. Entra"},
        LessonCase{"ResidueEntry", kOneRatio, "33",
                   "Non è il pivot: nella riga di x6 il valore 1E-07 è troppo piccolo e non entra "
                   "nel confronto; la riga di x5 dà 6 / 2 = 3. Entra"},
        LessonCase{"NoPivotUnbounded", kUnbounded, "12",
                   "Non è il pivot: a questo passo non c'è pivot, perché nessun valore della "
                   "colonna di x1 è positivo e il problema è illimitato"},
        LessonCase{
            "NoPivotAtTheEnd", kOptimalAtOnce, "14",
            "Non è il pivot: a questo passo non c'è pivot, perché nessun DELTA r è positivo"}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace simplesso::testing_support
