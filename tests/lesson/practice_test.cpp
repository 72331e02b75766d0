#include "practice.h"

#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso {
namespace {

using namespace testing_support;

TEST(AsChoice, OnlyConstraintCoefficientsAreAChoice) {
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            const bool coefficient = r >= 1 && r <= 3 && c >= 2 && c <= 7;
            EXPECT_EQ(AsChoice(r, c), coefficient ? std::optional(PivotCell{r, c}) : std::nullopt)
                << "cell " << r << ", " << c;
        }
    }
}

struct VerdictCase {
    const char* name;
    Fields fields;
    int press;  // the press the choice is made before, counted from 1
    int row;    // the cell chosen
    int col;
    std::string verdict;
};

class VerdictTest : public testing::TestWithParam<VerdictCase> {};

// The pivot to compare with is the one the real press made.
TEST_P(VerdictTest, ExplainsAWrongChoiceWithTheNumbers) {
    const VerdictCase& c = GetParam();
    const LessonRecord record = PlayLesson(c.fields, '.', c.press);
    const Grid& before = record.snapshots[c.press - 1].grid;
    EXPECT_EQ(Verdict(before, {c.row, c.col}, record.snapshots[c.press].pivot, '.'), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, VerdictTest,
    testing::Values(
        VerdictCase{"Right", kWorkedExample, 2, 3, 2, "Giusto!"},
        VerdictCase{"WrongColumn", kWorkedExample, 1, 2, 4,
                    "Non è il pivot: x3 ha DELTA r 2, ma x2 ha il più grande: 6"},
        VerdictCase{"BasicColumn", kWorkedExample, 1, 1, 5,
                    "Non è il pivot: x4 è già in base e non entra; x2 ha il DELTA r più grande: 6"},
        VerdictCase{"WrongRow", kWorkedExample, 2, 1, 2,
                    "Non è il pivot: nella riga di x4 14 / 1.5 = 9.333333, ma la riga di x6 dà "
                    "11 / 2.5 = 4.4"},
        VerdictCase{"TiedRow", kTies, 1, 3, 2,
                    "Non è il pivot: nella riga di x6 4 / 1 = 4 come nella riga di x4, ma a pari "
                    "merito esce la riga più in alto"},
        VerdictCase{"NegativeEntry", kOneRatio, 1, 1, 3,
                    "Non è il pivot: nella riga di x4 il valore -1 non è positivo e non entra nel "
                    "confronto; la riga di x5 dà 6 / 2 = 3"},
        VerdictCase{"NoPivotUnbounded", kUnbounded, 1, 1, 2,
                    "Non è il pivot: a questo passo non c'è pivot, perché nessun valore della "
                    "colonna di x1 è positivo e il problema è illimitato"},
        VerdictCase{"NoPivotAtTheEnd", kWorkedExample, 3, 1, 4,
                    "Non è il pivot: a questo passo non c'è pivot, perché nessun DELTA r è "
                    "positivo"}),
    CaseName());

TEST(PracticeTally, CountsRightChoicesAmongThoseMade) {
    PracticeTally tally;
    tally.Count(true);
    tally.Count(false);
    EXPECT_EQ(tally.Text(), "Pivot indovinati: 1 su 2");
}

}  // namespace
}  // namespace simplesso
