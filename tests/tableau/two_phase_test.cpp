// The general tableau: the initial tableau of each kind of row and direction text for text, a
// two-phase problem worked by hand press by press, and the moves that end a first phase or lead
// out of it: no feasible solution, a redundant row, an artificial variable left at level zero.
#include <gtest/gtest.h>

#include "recording_window.h"

namespace simplesso {
namespace {

using namespace testing_support;
using Rows = std::vector<std::string>;

struct TableauCase {
    const char* name;
    const char* problem;
    Rows tableau;
    Phase phase;
};

TEST(TwoPhaseSetUp, EachKindOfRowAndDirectionGetsItsInitialTableau) {
    const TableauCase cases[] = {
        {"minimised, every row <",
         "min 2 -3 0 0 / 1 1 0 < 4 / 2 0 1 < 5 / 0 1 1 < 3",
         {"||x1|x2|x3|x4|x5|x6|", "0|x4|1|1|0|1|0|0|4", "0|x5|2|0|1|0|1|0|5", "0|x6|0|1|1|0|0|1|3",
          "||||||||", "|Cr:|2|-3|0|0|0|0|", "|DELTA r:|2|-3|0|0|0|0|", "||||||||",
          "|Soluzione:|0|0|0|4|5|3|", "|Z =|0||||||"},
         Phase::Single},
        // Row 2 is "=": no x5, and a2 after a1.
        {"> and = rows",
         "1 2 3 0 / 1 1 0 > 4 / 0 1 1 = 3 / 1 0 1 < 5",
         {"||x1|x2|x3|x4|x6|a1|a2|", "1|a1|1|1|0|-1|0|1|0|4", "1|a2|0|1|1|0|0|0|1|3",
          "0|x6|1|0|1|0|1|0|0|5", "|||||||||", "|Cr:|0|0|0|0|0|1|1|",
          "|DELTA r:|-1|-2|-1| 1| 0| 0| 0|", "|||||||||", "|Soluzione:|0|0|0|0|5|4|3|",
          "|W =| 7|||||||"},
         Phase::First},
        // Every row turned: "<" becomes ">", ">" becomes "<", "=" stays; "0" keeps no sign.
        {"negative known terms",
         "1 1 0 0 / -3 -2.5 0 < -4 / 1 0 +2 > -2 / 0 1 1 = -6",
         {"||x1|x2|x3|x4|x5|a1|a3|", "1|a1|3|2.5|0|-1|0|1|0|4", "0|x5|-1|0|-2|0|1|0|0|2",
          "1|a3|0|-1|-1|0|0|0|1|6", "|||||||||", "|Cr:|0|0|0|0|0|1|1|",
          "|DELTA r:|-3|-1.5| 1| 1| 0| 0| 0|", "|||||||||", "|Soluzione:|0|0|0|0|2|4|6|",
          "|W =| 10|||||||"},
         Phase::First},
    };
    for (const auto& c : cases) {
        const Session s(Typed(c.problem));
        EXPECT_EQ(JoinedRows(s.grid), c.tableau) << c.name;
        EXPECT_EQ(s.state.Fase, c.phase) << c.name;
        EXPECT_EQ(s.state.Verso, Typed(c.problem).direction) << c.name;
    }
}

TEST(TwoPhaseSetUp, TurnedRowsReadAsAStudentWritesThem) {
    const std::pair<const char*, const char*> texts[] = {
        {"3", "-3"},      {"-2.5", "2.5"},     {"+4", "-4"}, {"0", "0"},
        {"-0.0", "-0.0"}, {"1E-40", "-1E-40"}, {" 7", " -7"}};
    for (const auto& [typed, negated] : texts) {
        EXPECT_EQ(NegatedText(typed, '.'), negated) << typed;
    }
    const TurnedProblem turned = TurnNegativeRows(Typed("1 1 1 0 / 1 2 3 < -1 / 1 1 1 = -0 / "
                                                        "-1 0 1 > -1E-40"),
                                                  '.');
    EXPECT_EQ(turned.turned, (std::vector{true, false, true}));
    EXPECT_EQ(turned.texts.sense,
              (std::vector{Sense::GreaterEqual, Sense::Equal, Sense::LessEqual}));
    EXPECT_EQ(turned.texts.constraint[2], (std::vector<std::string>{"1", "0", "-1"}));
}

// min x1 + 3 x2 under x1 + x2 >= 4, x1 + 2 x2 >= 6, x1 + x3 <= 3, worked by hand: x2 enters at
// row 2 (6 / 2 < 4 / 1), x1 at row 1 (1 / 0.5 < 3 / 0.5, 3 / 1), W = 0 at (2, 2); the switch
// brings DELTA r of x4 to -1 and x4 enters at row 3 (1 / 2 < 2 / 1): Z = 7.5 at (3, 1.5).
TEST(TwoPhase, TextbookProblemPressByPress) {
    const Rows after[] = {
        {"||x1|x2|x3|x4|x5|x6|a1|a2|", "1|a1|0.5|0|0|-1|0.5|0|1|-0.5|1",
         "-3|x2|0.5|1|0|0|-0.5|0|0|0.5|3", "0|x6|1|0|1|0|0|1|0|0|3", "||||||||||",
         "|Cr:|0|0|0|0|0|0|1|1|", "|DELTA r:|-0.5| 0| 0| 1|-0.5| 0| 0| 1.5|", "||||||||||",
         "|Soluzione:|0|3|0|0|0|3|1|0|", "|W =| 1||||||||"},
        {"||x1|x2|x3|x4|x5|x6|a1|a2|", "-0.5|x1|1|0|0|-2|1|0|2|-1|2", "-3|x2|0|1|0|1|-1|0|-1|1|2",
         "0|x6|0|0|1|2|-1|1|-2|1|1", "||||||||||", "|Cr:|0|0|0|0|0|0|1|1|",
         "|DELTA r:| 0| 0| 0| 0| 0| 0| 1| 1|", "||||||||||", "|Soluzione:|2|2|0|0|0|1|0|0|",
         "|W =| 0||||||||"},
        {"||x1|x2|x3|x4|x5|x6|", "1|x1|1|0|0|-2|1|0|2", "3|x2|0|1|0|1|-1|0|2",
         "0|x6|0|0|1|2|-1|1|1", "||||||||", "|Cr:|1|3|0|0|0|0|", "|DELTA r:| 0| 0| 0|-1| 2| 0|",
         "||||||||", "|Soluzione:|2|2|0|0|0|1|", "|Z =| 8||||||"},
        {"||x1|x2|x3|x4|x5|x6|", "1|x1|1|0|1|0|0|1|3", "3|x2|0|1|-0.5|0|-0.5|-0.5|1.5",
         "-1|x4|0|0|0.5|1|-0.5|0.5|0.5", "||||||||", "|Cr:|1|3|0|0|0|0|",
         "|DELTA r:| 0| 0| 0.5| 0| 1.5| 0.5|", "||||||||", "|Soluzione:|3|1.5|0|0.5|0|0|",
         "|Z =| 7.5||||||"}};
    using Kind = StepReport::Kind;
    const Kind kinds[] = {Kind::Pivot, Kind::Pivot, Kind::PhaseSwitch, Kind::Pivot};
    const Phase phases[] = {Phase::First, Phase::First, Phase::Second, Phase::Second};
    Session s(Typed("min 1 3 0 0 / 1 1 0 > 4 / 1 2 0 > 6 / 1 0 1 < 3"));
    for (int press = 0; press < 4; ++press) {
        const StepReport report = s.Step();
        EXPECT_EQ(report.kind, kinds[press]) << press;
        EXPECT_EQ(JoinedRows(s.grid), after[press]) << press;
        EXPECT_EQ(s.state.Fase, phases[press]) << press;
        EXPECT_EQ(s.window.messages.empty(), press < 3) << press;
    }
    EXPECT_EQ(s.grid.Cols(), 9);
    EXPECT_EQ(std::pair(s.grid.At(3, 5).background, CountCells(s.grid, kCyan)),
              std::pair(std::optional(kCyan), 1));
    EXPECT_EQ(s.window.messages, std::vector{EndMessage()});
    EXPECT_FALSE(s.state.PrimoPasso);
}

// Every press a word: "P23x5" a pivot at row 2, column 3 where x5 leaves; "A23a2" a2 taken out
// there; "D2" row 2 dropped; "S" the switch; "N" nothing can enter; "U4" column 4 unbounded.
// Then the message that ended the lesson and the value at (9, 2).
std::string Played(const std::string& problem) {
    Session s(Typed(problem));
    std::string words;
    for (int press = 0; press < 30 && s.state.PrimoPasso && s.window.messages.empty(); ++press) {
        const StepReport r = s.Step();
        static const char* const kLetters[] = {"R", "P", "A", "D", "S", "N", "U", "F"};
        words += kLetters[static_cast<int>(r.kind)];
        if (r.kind == StepReport::Kind::Pivot || r.kind == StepReport::Kind::ArtificialOut) {
            words += std::to_string(r.row) + std::to_string(r.col) + r.leaving;
        } else if (r.kind == StepReport::Kind::RowDropped) {
            words += std::to_string(r.row);
        } else if (r.kind == StepReport::Kind::Unbounded) {
            words += std::to_string(r.col);
        }
        words += ' ';
    }
    const std::string end = s.window.messages.empty() ? "none" : s.window.messages.back().text;
    return words + "| " + end.substr(end.find('\n') + 1) + " |" + s.grid.TextMatrix(9, 2);
}

const std::string kOptimal = "\rIl risultato è riportato nella tabella.";
const std::string kInfeasible = "\rIl problema non ha soluzioni ammissibili.";

TEST(TwoPhase, EachWayOutOfTheFirstPhaseAndEachDirection) {
    const struct {
        const char* name;
        const char* problem;
        std::string played;
    } cases[] = {
        {"min <: the most negative DELTA r enters",
         "min -1 -3 0 0 / 1 0 0 < 4 / 0 1 0 < 5 / 0 0 1 < 1",
         "P23x5 P12x4 | " + kOptimal + " |-19"},
        {"max of the same: optimal at once", "-1 -3 0 0 / 1 0 0 < 4 / 0 1 0 < 5 / 0 0 1 < 1",
         "N | " + kOptimal + " |0"},
        {"min <: -1E-06 does not count", "min -1E-06 1 0 0 / 1 0 0 < 4 / 0 1 0 < 5 / 0 0 1 < 1",
         "N | " + kOptimal + " |0"},
        {"min <: unbounded", "min -1 0 0 0 / -1 1 0 < 4 / 0 1 0 < 4 / 0 0 1 < 4",
         "U2 | La variabile entrante x1 può crescere senza limite. |0"},
        {"infeasible after a pivot", "1 1 0 0 / 1 1 0 < 2 / 1 1 0 > 5 / 0 0 1 < 1",
         "P12x4 | " + kInfeasible + " | 3"},
        {"infeasible at once", "0 0 0 0 / 1 1 0 < 1 / -1 -1 0 > 2 / 0 0 1 < 1",
         "N | " + kInfeasible + " | 2"},
        {"W at the residue counts as zero", "0 0 0 0 / 1 1 0 < 1 / -1 -1 0 > 1E-06 / 0 0 1 < 1",
         "A22a2 S | " + kOptimal + " | 0"},
        {"turned rows, min", "min 1 3 0 0 / -1 -1 0 < -4 / -1 -2 0 < -6 / 1 0 1 < 3",
         "P23a2 P12a1 S P35x6 | " + kOptimal + " | 7.5"},
        {"redundant = row", "1 2 0 0 / 1 1 0 = 4 / 2 2 0 = 8 / 0 0 1 < 5",
         "P12a1 D2 S P13x1 | " + kOptimal + " | 8"},
        // a2 stays basic at level zero with -1 under x3, its first non-zero entry.
        {"artificial out on a negative entry", "1 1 1 0 / 1 1 0 = 2 / 1 1 -1 = 2 / 0 0 1 < 5",
         "P12a1 A24a2 S | " + kOptimal + " | 2"},
        // x1 ends the first phase basic in the last row: the switch gives that row x1's cost 2,
        // so x2, tied to x1, enters (DELTA r -1 + 2) and Z = 2 at (2, 2).
        {"last row's cost at the switch", "2 -1 0 0 / 1 1 0 < 4 / 0 0 1 < 5 / 1 -1 0 = 0",
         "P32a3 S P13x4 | " + kOptimal + " | 2"},
        // W is 0 from the start; each degenerate pivot leaves the artificial's DELTA r negative.
        {"artificial does not come back", "2 5 -5 0 / 3 3 -1 < 0 / 2 -3 -4 = 0 / -3 3 -2 = 0",
         "A22a2 A33a3 S | " + kOptimal + " | 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Played(c.problem), c.played) << c.name;
    }
}

// Every row degenerate: the largest DELTA r and the lowest row among equal quotients take the
// slacks out one by one and put them back in six pivots, for ever. Under the smallest-index rule
// the same tableau ends: the problem is unbounded (x = (1, 2, 0) is a ray that raises Z).
const char* const kCycling = "1 0 -1 0 / 0.1 -0.1 1.2 < 0 / 1.6 -1.5 1.6 < 0 / 0.2 -0.1 0.1 < 0";

TEST(Cycling, LargestDeltaRCyclesTheSmallestIndexRuleEnds) {
    std::string sixPressesBack;
    for (int round = 0; round < 5; ++round) {
        sixPressesBack += "P12x4 P23x5 P34x6 P15x1 P26x2 P37x3 ";
    }
    EXPECT_EQ(Played(kCycling), sixPressesBack + "| none | 0");

    for (const char* line : {kCycling,
                             "min -1 0 1 0 / 0.1 -0.1 1.2 < 0 / 1.6 -1.5 1.6 < 0 / "
                             "0.2 -0.1 0.1 < 0"}) {
        Session s(Typed(line));
        s.state.MinimoIndice = true;
        std::string words;
        for (int press = 0; press < 30 && s.window.messages.empty(); ++press) {
            const StepReport r = s.Step();
            words += r.kind == StepReport::Kind::Unbounded ? "U" + std::to_string(r.col) + " "
                                                           : r.entering + r.leaving + " ";
        }
        // The sixth pivot takes x1, the lowest improving column, where the largest DELTA r would
        // take x6; then x2 (column 3) grows without limit.
        EXPECT_EQ(words, "x1x4 x2x5 x3x6 x4x1 x5x2 x1x3 U3 ") << line;
    }
}

TEST(TwoPhase, RedundantRowIsEmptiedAndTheEndSaysNoFeasibleSolutionAgain) {
    Session redundant(Typed("1 2 0 0 / 1 1 0 = 4 / 2 2 0 = 8 / 0 0 1 < 5"));
    redundant.Step();
    const StepReport dropped = redundant.Step();
    EXPECT_EQ(std::pair(dropped.row, dropped.leaving), std::pair(2, std::string("a2")));
    EXPECT_EQ(JoinedRows(redundant.grid)[2], "||||||||");

    Session infeasible(Typed("1 1 0 0 / 1 1 0 < 2 / 1 1 0 > 5 / 0 0 1 < 1"));
    EXPECT_EQ(infeasible.Step().end, StepReport::End::Infeasible);
    const Grid ended(infeasible.grid);
    EXPECT_EQ(infeasible.Step().kind, StepReport::Kind::Repeated);
    const Message infeasibleMessage{
        "Fine", "Fine del calcolo del simplesso.\n\rIl problema non ha soluzioni ammissibili.",
        MessageIcon::Information};
    EXPECT_EQ(infeasible.window.messages, std::vector(2, infeasibleMessage));
    EXPECT_TRUE(infeasible.grid == ended);
    EXPECT_TRUE(infeasible.state.Inammissibile);
}

}  // namespace
}  // namespace simplesso
