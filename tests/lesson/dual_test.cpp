// The dual simplex worked by hand, and constraints added after an optimum: what the tableau
// shows, what the lesson says, and where the exact side disagrees.
#include <gtest/gtest.h>

#include <algorithm>

#include "explanation.h"
#include "play_lesson.h"
#include "setup.h"
#include "step.h"

namespace simplesso {
namespace {

using testing_support::LessonPlayer;
using testing_support::PlayOn;
using testing_support::Typed;

// A textbook exercise: min 2x1 + 3x2 + 4x3, x1 + 2x2 + x3 ≥ 3, 2x1 - x2 + 3x3 ≥ 4. Both rows are
// multiplied by -1; x5 leaves (-4) and x1 enters (|2 / -2| = 1 beats |4 / -3|); then x4 leaves
// (-1) and x2 enters (|4 / -2.5| = 1.6 beats |1 / -0.5| = 2): x = (11/5; 2/5; 0), Z = 28/5.
const std::string kTextbook = "min 2 3 4 0 | 1 2 1 > 3 | 2 -1 3 > 4";

struct Cell {
    int row, col;
    std::string text;
};

struct DualCase {
    const char* name;
    std::string problem;
    int presses;
    std::vector<Cell> cells;     // as shown after the presses
    std::string explanation;     // the line shown after them, whole or its start
    std::optional<Message> end;  // the last press's message, when it ended the lesson
};

class DualLessons : public ::testing::TestWithParam<DualCase> {};

TEST_P(DualLessons, ShowWhatTheMethodDoesByHand) {
    const DualCase& c = GetParam();
    LessonPlayer player(Typed(c.problem), "", '.', true);
    for (int i = 0; i < c.presses; ++i) {
        player.Press();
    }
    for (const Cell& cell : c.cells) {
        EXPECT_EQ(player.grid.TextMatrix(cell.row, cell.col), cell.text)
            << "row " << cell.row << ", column " << cell.col;
    }
    EXPECT_EQ(player.lesson.Explanation().substr(0, c.explanation.size()), c.explanation);
    if (c.end) {
        ASSERT_FALSE(player.window.messages.empty());
        EXPECT_EQ(player.window.messages.back(), *c.end);
    } else {
        EXPECT_TRUE(player.window.messages.empty());
    }
}

const Message kInfeasible = InfeasibleMessage();

INSTANTIATE_TEST_SUITE_P(
    Dual, DualLessons,
    ::testing::Values(
        DualCase{"SetUpTurnsTheGreaterRows", kTextbook, 0,
                 {{0, 5, "x4"}, {0, 6, "x5"}, {1, 2, "-1"}, {1, 3, "-2"}, {1, 7, "-3"},
                  {2, 4, "-3"}, {2, 7, "-4"}, {1, 1, "x4"}, {5, 2, "2"}},
                 "Simplesso duale: Il vincolo 1 era con ≥: moltiplicato per -1 ora si legge "
                 "−x1 − 2 x2 − x3 ≤ −3.",
                 std::nullopt},
        DualCase{"FirstPivot", kTextbook, 1,
                 {{2, 1, "x1"}, {2, 7, "2"}, {1, 7, "-1"}, {1, 3, "-2.5"}, {5, 3, " 4"}},
                 "Simplesso duale: Esce x5: il suo termine noto (-4) è il più negativo. Entra x1: "
                 "|2 / -2| = 1 è il rapporto più piccolo.",
                 std::nullopt},
        DualCase{"OptimumAtTheSecondPivot", kTextbook, 2,
                 {{1, 1, "x2"}, {1, 7, "0.4"}, {2, 7, "2.2"}, {8, 2, " 5.6"}},
                 "Simplesso duale: Esce x4: il suo termine noto (-1) è l'unico negativo. Entra x2: "
                 "|4 / -2.5| = 1.6 è il rapporto più piccolo. Nessun termine noto è negativo: la "
                 "tabella mostra la soluzione ottima, Z = 5.6.",
                 EndMessage()},
        DualCase{"TwoVariablesFourRows", "min 1 1 0 | 1 0 > 2 | 0 1 > 3 | 1 1 > 6 | 2 1 > 1", 10,
                 {{10, 2, " 6"}},
                 "Simplesso duale: Esce", EndMessage()}),
    [](const auto& info) { return std::string(info.param.name); });

// Practising the dual simplex: the row is judged first, by its known term, then the column.
TEST(DualPractice, TheLeavingRowFirstThenTheEnteringColumn) {
    const std::pair<const char*, std::string> cases[] = {
        {"22", "Giusto!"},
        {"12", "Non è il pivot: esce la riga con il termine noto più negativo: x5 ha -4, x4 ha -3."},
        {"23", "Non è il pivot: nella colonna di x2 il valore non è negativo, non entra nel confronto, ma nella "
               "riga di x5 entra x1, con |2 / -2| = 1 il rapporto più piccolo."},
        {"24", "Non è il pivot: x3 ha |4 / -3| = 1.333333, ma nella riga di x5 entra x1, con "
               "|2 / -2| = 1 il rapporto più piccolo."},
    };
    for (const auto& [cell, verdict] : cases) {
        LessonPlayer player(Typed(kTextbook), cell, '.', true);
        EXPECT_EQ(player.lesson.Explanation().substr(0, 17 + verdict.size()),
                  "Simplesso duale: " + verdict)
            << cell;
    }
}

TEST(DualRefusal, AnEqualityRowOrABasisThatIsNotOptimalForTheDual) {
    // The window checks the messages; here, the row and the residue either side of 1E-06.
    EXPECT_EQ(RefuseDual(Typed("min 1 1 0 | 1 1 > 2 | 1 -1 = 0"), '.')->row, 1);
    for (const char* problem : {"min 1 -1E-05 0 | 1 1 > 2", "1E-05 0 0 | 1 1 < 2"}) {
        ASSERT_TRUE(RefuseDual(Typed(problem), '.')) << problem;
        EXPECT_FALSE(RefuseDual(Typed(problem), '.')->row);
    }
    EXPECT_FALSE(RefuseDual(Typed("min 1 -1E-07 0 | 1 1 > 2"), '.'));
    EXPECT_FALSE(RefuseDual(Typed("-1 -1E-07 0 | 1 1 > 2 | 1 0 < 1"), '.'));
}

// The worked example of chairs and tables: max 4x1 + 6x2 + 2x3 at its optimum, then a row added.
const std::string kWorked = "4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15";

struct AddedCase {
    const char* name;
    std::vector<std::string> coefficients;
    Sense sense;
    std::string known;
    int dualPivots;  // after the rewrite
    Message end;
    std::string rewrite;  // the explanation after the rewrite press, its start
    std::string exactKnown;  // the added row's known term at the end, exactly
};

class AddedConstraints : public ::testing::TestWithParam<AddedCase> {};

TEST_P(AddedConstraints, AreRewrittenInTheBasisAndReoptimised) {
    const AddedCase& c = GetParam();
    LessonPlayer player(Typed(kWorked));
    PlayOn(player.lesson);
    ASSERT_TRUE(player.lesson.CanAddConstraint());
    const Grid optimum(player.grid);
    ASSERT_TRUE(player.lesson.AddConstraint(c.coefficients, c.sense, c.known));
    EXPECT_EQ(std::tuple(player.grid.Rows(), player.grid.TextMatrix(0, 8),
                         player.grid.TextMatrix(4, 1), player.grid.TextMatrix(4, 8)),
              std::tuple(optimum.Rows() + 1, "x7", "x7", "1"));
    EXPECT_TRUE(player.lesson.Explanation().starts_with("Simplesso duale: Vincolo aggiunto: "));

    player.Press();  // the rewrite
    EXPECT_EQ(player.lesson.Explanation().substr(0, c.rewrite.size()), c.rewrite);
    int pivots = 0;
    while (!player.lesson.EndPress() && pivots < 20) {
        player.Press();
        ++pivots;
    }
    EXPECT_EQ(pivots, c.dualPivots);
    ASSERT_FALSE(player.window.messages.empty());
    EXPECT_EQ(player.window.messages.back(), c.end);
    EXPECT_FALSE(player.lesson.EndFalsified());
    // The exact tableau has followed the row into its place: x7's row, from x2's and x1's.
    EXPECT_EQ(player.lesson.Fraction(4, 9), c.exactKnown);
    // The analysis reads the new optimum, with the added row among the constraints.
    EXPECT_EQ(player.lesson.PostOptimal().has_value(), c.end == EndMessage());
    ASSERT_TRUE(player.lesson.FractionsAvailable());
    // The saved lesson: the addition under a heading of its own, where the dual simplex begins,
    // and the presses counted on across it.
    const LessonDocument document = player.lesson.Document();
    const auto added = std::find_if(document.sections.begin(), document.sections.end(),
                                    [](const auto& s) { return s.heading == "Vincolo aggiunto"; });
    ASSERT_NE(added, document.sections.end());
    EXPECT_EQ(added->phase, "Simplesso duale");
    EXPECT_EQ(std::prev(added)->heading, "Passo 2");
    EXPECT_EQ(document.sections.back().heading, "Passo " + std::to_string(3 + c.dualPivots));

    // Back across every press and the addition: the optimum and the problem as they were.
    while (player.lesson.Problem().Rows() == 4) {
        player.lesson.GoBack();
    }
    EXPECT_TRUE(player.grid == optimum);
    EXPECT_TRUE(player.lesson.CanAddConstraint());
}

INSTANTIATE_TEST_SUITE_P(
    Dual, AddedConstraints,
    ::testing::Values(
        // The optimum x = (22/5; 9/5; 0) already satisfies x1 + x2 ≤ 7.
        AddedCase{"AlreadySatisfied", {"1", "1", "0"}, Sense::LessEqual, "7", 0, EndMessage(),
                  "Simplesso duale: La riga di x7 è riscritta nella base attuale: le si sottrae "
                  "la riga di x2 moltiplicata per 1 e la riga di x1 moltiplicata per 1. Il suo "
                  "termine noto vale 0.7999997. Nessun termine noto è negativo",
                  "4/5"},
        // x1 ≤ 4 cuts it off: one dual pivot, to x = (4; 2; 0).
        AddedCase{"CutOff", {"1", "0", "0"}, Sense::LessEqual, "4", 1, EndMessage(),
                  "Simplesso duale: La riga di x7 è riscritta nella base attuale: le si sottrae "
                  "la riga di x1 moltiplicata per 1. Il suo termine noto vale -0.4000001, "
                  "negativo",
                  "1"},
        // x1 + x2 ≤ 3 takes two dual pivots, to x = (0; 3; 1/2), Z = 19.
        AddedCase{"TwoDualPivots", {"1", "1", "0"}, Sense::LessEqual, "3", 2, EndMessage(),
                  "Simplesso duale: La riga di x7 è riscritta nella base attuale: le si sottrae "
                  "la riga di x2 moltiplicata per 1 e la riga di x1 moltiplicata per 1.",
                  "23/2"},  // x6, the third row's slack, ends basic in it
        // x1 + x2 ≥ 20 leaves nothing of the region.
        AddedCase{"Infeasible", {"1", "1", "0"}, Sense::GreaterEqual, "20", 1, kInfeasible,
                  "Simplesso duale: La riga di x7 è riscritta nella base attuale: le si sottrae "
                  "la riga di x2 moltiplicata per -1 e la riga di x1 moltiplicata per -1.",
                  "-69/5"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace simplesso
