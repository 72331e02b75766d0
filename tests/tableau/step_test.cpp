// The set-up and the step: the worked example text for text, and small problems that each exercise
// one rule, which cell becomes the pivot, when the computation ends, and what a step that cannot
// be done leaves behind.
#include "step.h"

#include <gtest/gtest.h>

#include "recording_window.h"

namespace simplesso {
namespace {

using namespace testing_support;
using Messages = std::vector<Message>;

TEST(Simplesso, WorkedExampleTwoPivotsThenOnlyTheEndMessage) {
    Session s(Typed(kExample));
    s.Step();
    EXPECT_EQ(JoinedRows(s.grid), kExampleAfterPress[0]);
    EXPECT_EQ(s.grid.At(8, 8).background, kWhite);  // the start-up's pivot cell, cleared
    EXPECT_EQ(s.grid.At(2, 3).background, kCyan);
    EXPECT_EQ(std::pair(s.grid.Row(), s.grid.Col()), std::pair(2, 3));
    EXPECT_EQ(s.state, (FormState{false, true, 2, 3}));
    EXPECT_TRUE(s.window.messages.empty());
    s.Step();
    EXPECT_EQ(JoinedRows(s.grid), kExampleAfterPress[1]);
    EXPECT_EQ(s.grid.At(2, 3).background, kWhite);
    EXPECT_EQ(s.grid.At(3, 2).background, kCyan);
    EXPECT_EQ(CountCells(s.grid, kCyan), 1);
    EXPECT_EQ(s.state, (FormState{false, false, 3, 2}));
    EXPECT_EQ(s.window.messages, Messages{EndMessage()});
    const Grid ended(s.grid);
    s.Step();
    EXPECT_TRUE(s.grid == ended);
    EXPECT_EQ(s.state, (FormState{false, false, 3, 2}));
    EXPECT_EQ(s.window.messages, Messages(2, EndMessage()));
}

// The largest reduced cost above the residue enters, the lowest column among equal ones; of the
// rows whose entry in its column is above the residue, the one with the smallest ratio of known
// term to entry leaves, the lowest among equal ones.
TEST(Simplesso, ThePivotIsTheLargestReducedCostThenTheSmallestRatio) {
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {"equal costs and ratios", "5 5 1 0 / 1 0 0 4 / 1 1 0 4 / 0 0 1 9", 1, 2},
        {"negative entry", "1 0 0 0 / -1 0 0 4 / 2 0 0 8 / 1 0 0 6", 2, 2},
        {"zero entry", "1 0 0 0 / 2 0 0 8 / 0 0 0 30 / 1 0 0 6", 1, 2},
        {"zero entry, smaller ratio", "1 0 0 0 / 0 0 0 0.5 / 1 0 0 8 / 1 0 0 9", 2, 2},
        {"entry at the residue", "1 0 0 0 / 1E-06 0 0 0 / 1 0 0 5 / 0 0 0 1", 2, 2},
        {"ratios beyond 99999", "0 1 0 0 / 0 .5 0 99999 / 0 .25 0 99999 / 0 0 0 1", 1, 3},
        {"zero known term", "0 0 1 0 / 0 0 3 0 / 0 0 1 5 / 0 0 0 1", 1, 4}};
    for (const auto& [name, problem, row, col] : cases) {
        Session s(Typed(problem));
        s.Step();
        EXPECT_EQ((std::pair<int, int>(s.state.RigaPivot, s.state.ColonnaPivot)),
                  std::pair(row, col))
            << name;
        EXPECT_EQ(s.grid.TextMatrix(row, 1), VariableName(col - 1)) << name;
    }
}

// A press reports what it chose from: every variable column with whether it improves by more
// than the residue, is basic and may enter, and every row's quotient where it competes. The end
// said again chose nothing. A one-row tableau is shorter than the start-up's pivot row, which is
// then not there to clear.
TEST(Simplesso, ReportsWhatTheChoicesWereMadeFrom) {
    Session s(Typed("3 1E-06 0 0 / 1 0 0 4 / 0 1 0 4 / 2 0 1 6"));
    const StepReport press = s.Step();
    std::string weighed;
    for (const EnteringCandidate& c : press.candidates) {
        weighed += std::to_string(c.col) + (c.improving ? "+" : "") + (c.basic ? "b" : "") +
                   (c.Qualifies() ? "q " : " ");
    }
    EXPECT_EQ(weighed, "2+q 3 4 5b 6b 7b ");
    std::string quotients;
    for (const RowQuotient& q : press.quotients) {
        quotients +=
            std::to_string(q.row) + ":" + (q.Competes() ? std::to_string(*q.quotient) : "-") + " ";
    }
    EXPECT_EQ(quotients, "1:4.000000 2:- 3:3.000000 ");
    EXPECT_EQ(press.end, StepReport::End::Optimal);
    const StepReport again = s.Step();
    EXPECT_EQ(again.kind, StepReport::Kind::Repeated);
    EXPECT_FALSE(again.smallestIndex || !again.candidates.empty() || !again.quotients.empty());

    Session small(Typed("1 1 1 1 1 0 / 1 1 1 1 1 4"));
    ASSERT_EQ(small.grid.Rows(), small.state.RigaPivot);
    EXPECT_EQ(small.Step().kind, StepReport::Kind::Pivot);
    // The last pivot's cell is cleared wherever the state puts it, the corner included; a cell
    // outside the grid is not there to clear, and the press goes on.
    for (const auto& [row, col] : {std::pair{0, 0}, {-1, 3}, {3, -1}, {1, 6}}) {
        Session corner(Typed("1 0 0 / 1 1 4"));        // six columns: x1, x2, x3 and the known term
        corner.state = FormState{.PrimoPasso = true};  // before any pivot: the corner
        if (row != 0 || col != 0) {
            corner.state.RigaPivot = static_cast<std::int16_t>(row);
            corner.state.ColonnaPivot = static_cast<std::int16_t>(col);
        }
        ASSERT_EQ(corner.grid.Cols(), 6);
        EXPECT_EQ(corner.Step().kind, StepReport::Kind::Pivot) << row << ", " << col;
        EXPECT_EQ(corner.grid.At(0, 0).background == kWhite, row == 0) << row << ", " << col;
    }
    // Under the smallest-index rule a row with a lower basic variable wins only a tie: x1 is
    // basic in row 2, below x3 in row 1, yet x2 leaves row 1, whose quotient 1 beats 6.
    Session rule(Typed("1 3 0 / 0 1 1 / 1 1 6"));
    rule.state.MinimoIndice = true;
    EXPECT_EQ(rule.Step().row, 2);
    EXPECT_EQ(rule.Step().row, 1);
}

// With no reduced cost above the residue the computation ends and the tableau stays; after a
// pivot only non-basic variables count. A pivot with no exact single value (0.3) leaves residue
// in another row's entry and in the entering variable's own reduced cost, here above the residue,
// but that variable is basic now.
TEST(Simplesso, EndsWhenNoNonBasicReducedCostIsAboveTheResidue) {
    for (const char* cost : {"0", "-3", "1E-07", "1E-06"}) {
        Session s(Typed(std::string(cost) + " -1 0 0 / 1 1 1 4 / 1 1 1 8 / 1 1 1 6"));
        const Grid before(s.grid);
        s.Step();
        EXPECT_TRUE(s.grid == before) << cost;
        EXPECT_EQ(s.window.messages, Messages{EndMessage()}) << cost;
        EXPECT_EQ(s.state, (FormState{false, false, 8, 8})) << cost;
    }
    Session inexact(Typed("100 0 0 0 / 0.3 0 0 3 / 1 1 0 50 / 0 0 1 1"));
    Session atResidue(Typed("2 1E-06 0 0 / 1 0 0 4 / 0 1 0 4 / 0 0 1 4"));
    inexact.Step();
    atResidue.Step();
    EXPECT_EQ(JoinedRows(inexact.grid)[1],
              "100|x1|0.999999960263572|0|0|3.33333320087857|0|0|9.99999960263572");
    EXPECT_EQ(inexact.grid.TextMatrix(2, 2), "1.192093E-07");
    EXPECT_EQ(inexact.grid.TextMatrix(6, 2), " 5.960464E-06");
    EXPECT_EQ(atResidue.grid.TextMatrix(6, 3), " 1E-06");
    EXPECT_EQ(inexact.window.messages, Messages{EndMessage()});
    EXPECT_EQ(atResidue.window.messages, Messages{EndMessage()});
}

// A pivot text of exactly "1" leaves its row as typed; any other text of one divides it.
TEST(Simplesso, OnlyAPivotTextOfExactlyOneLeavesItsRowAsTyped) {
    for (const char* pivot : {"1", "1.0", "+1"}) {
        std::string line = "1 0 0 0 / ";
        Session s(Typed(line.append(pivot).append(" 2.50 0 4 / 0 1 0 8 / 0 0 1 6")));
        s.Step();
        EXPECT_EQ(JoinedRows(s.grid)[1],
                  std::string(pivot) == "1" ? "1|x1|1|2.50|0|1|0|0|4" : "1|x1|1|2.5|0|1|0|0|4");
    }
}

TEST(Simplesso, UnboundedOrFailedStepsChangeNothingAndSaySo) {
    const Message unbounded{
        "Fine", "Il problema è illimitato.\nLa variabile entrante x3 può crescere senza limite.",
        MessageIcon::Information};
    const Message failed = StepFailedMessage();
    // The problem, the name of row 2's basic variable (as set up, or spoiled) and the message:
    // unbounded; not a number; a ratio, a known term, an eliminated row beyond the single range;
    // a basis naming no variable.
    const std::tuple<const char*, const char*, Message> cases[] = {
        {"0 0 1 0 / 1 0 -1 4 / 0 1 0 8 / 0 0 0 6", "x5", unbounded},
        {"1 0 0 0 / 1 abc 0 4 / 0 1 0 8 / 0 0 1 6", "x5", failed},
        {"1 0 0 0 / 1E-5 0 0 3E38 / 0 1 0 8 / 0 0 1 6", "x5", failed},
        {"1 0 0 0 / 1 0 0 1E39 / 0 1 0 8 / 0 0 1 6", "x5", failed},
        {"1 0 0 0 / 1 3E30 0 1 / 3E30 1 0 1E31 / 0 0 1 6", "x5", failed},
        {"1 0 0 0 / 1 0 0 4 / 0 1 0 8 / 0 0 1 6", "x0", failed},
        {"1 0 0 0 / 1 0 0 4 / 0 1 0 8 / 0 0 1 6", "x7", failed}};
    for (const auto& [problem, basis, message] : cases) {
        Session s(Typed(problem));
        s.grid.SetTextMatrix(2, 1, basis);
        const Grid before(s.grid);
        s.Step();
        s.Step();
        EXPECT_TRUE(s.grid == before) << problem;  // (8, 8) not even whitened
        EXPECT_EQ(s.state, (FormState{false, true, 8, 8})) << problem;
        EXPECT_EQ(s.window.messages, Messages(2, message)) << problem;
    }
    EXPECT_EQ(failed.icon, MessageIcon::Warning);
}

// The texts as typed, the slack basis and the labels; headers and labels bold, all centred but
// the labels from row 5 on (right, top) and the objective's value (left, top). A set-up after some
// steps starts over as on a fresh grid but leaves the highlight, for the next step to move.
TEST(ImpostaTabella, WritesTheInitialTableauWithTheTextsAsTyped) {
    const ProblemTexts typed = Typed("-4 6 2,5 0 / 2 1 3 18 / 3,0 +3 3, 8 / 3 1 1E3 15");
    Grid fresh;
    FormState freshState;
    RecordingWindow window;
    ImpostaTabella(fresh, freshState, typed, ',', window);
    EXPECT_EQ(JoinedRows(fresh), (std::vector<std::string>{
                                     "||x1|x2|x3|x4|x5|x6|", "0|x4|2|1|3|1|0|0|18",
                                     "0|x5|3,0|+3|3,|0|1|0|8", "0|x6|3|1|1E3|0|0|1|15", "||||||||",
                                     "|Cr:|-4|6|2,5|0|0|0|", "|DELTA r:|-4|6|2,5|0|0|0|",
                                     "||||||||", "|Soluzione:|0|0|0|18|8|15|", "|Z =|0||||||"}));
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            const int alignment = c == 1 && r >= 5   ? kAlignRightTop
                                  : c == 2 && r == 9 ? kAlignLeftTop
                                                     : kAlignCentreCentre;
            EXPECT_EQ(std::pair(fresh.At(r, c).bold, fresh.At(r, c).alignment),
                      std::pair(r == 0 || c < 2, alignment))
                << r << ", " << c;
        }
    }
    EXPECT_EQ(std::pair(fresh.Row(), fresh.Col()), std::pair(9, 2));
    EXPECT_EQ(window.enabled, 1);
    EXPECT_TRUE(window.messages.empty());

    Session s(Typed(kExample), ',');
    s.Step();
    s.Step();
    ImpostaTabella(s.grid, s.state, typed, s.separator, s.window);
    s.problem = typed;
    s.state.PrimoPasso = true;
    EXPECT_EQ(JoinedRows(s.grid), JoinedRows(fresh));
    EXPECT_EQ(std::pair(s.grid.Row(), s.grid.Col()), std::pair(9, 2));
    EXPECT_EQ(s.grid.At(3, 2).background, kCyan);
    s.Step();  // x2 enters on row 2, whose ratio 8 / 3 is the smallest
    EXPECT_EQ(s.grid.At(3, 2).background, kWhite);
    EXPECT_EQ(s.grid.At(2, 3).background, kCyan);
}

}  // namespace
}  // namespace simplesso
