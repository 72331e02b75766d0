// The shadow through the worked example's pivots, the exact simplex's choices, and the notices
// and the checked end on exact values given by hand.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <tuple>

#include "exact_number.h"
#include "exact_simplex.h"
#include "notices.h"
#include "recording_window.h"
#include "shadow.h"

namespace simplesso {
namespace {

using testing_support::Falsified;

const std::string kStep = "Con l'aritmetica esatta questo passo non si farebbe: ";

// The exact tableau as the grid lays it out: each constraint row's multiplier, then its entries
// and known term ("-" for a dropped row), then the reduced costs, the solution and Z.
std::string ExactTableau(const Shadow& s) {
    const int known = s.KnownColumn();
    std::string text;
    for (auto [row, from, to] : {std::tuple{1, 0, known}, {2, 0, known}, {3, 0, known},
                                 {6, 2, known - 1}, {8, 2, known - 1}, {9, 2, 2}}) {
        text += row > 1 ? " |" : "";
        if (row <= 3 && !s.BasicColumn(row)) {
            text += " -";
            continue;
        }
        for (int c = from; c <= to; ++c) {
            if (c != 1) {
                text.append(" ").append(FractionText(*s.Value(row, c)));
            }
        }
    }
    return text;
}

ProblemTexts Texts(const std::string& last) {
    return testing_support::Typed("4 6 2 0 / 2 1 3 18 / 1 2 4 8 / 3 1 1 " + last);
}

TEST(Shadow, WorkedExampleHoldsTheFractionsWorkedOutByHandUntilAZeroPivot) {
    std::optional<Shadow> s = Shadow::Build(Texts("15"), '.');
    ASSERT_TRUE(s);
    EXPECT_EQ(ExactTableau(*s),
              " 0 2 1 3 1 0 0 18 | 0 1 2 4 0 1 0 8 | 0 3 1 1 0 0 1 15 |"
              " 4 6 2 0 0 0 | 0 0 0 18 8 15 | 0");
    // x2 enters (6 is the largest cost) at row 2 (8 / 2 = 4 is the smallest quotient).
    s->Pivot(3, 2);
    EXPECT_EQ(ExactTableau(*s),
              " 0 3/2 0 1 1 -1/2 0 14 | 6 1/2 1 2 0 1/2 0 4 | 0 5/2 0 -1 0 -1/2 1 11 |"
              " 1 0 -10 0 -3 0 | 0 4 0 14 0 11 | 24");
    // x1 enters at row 3 (11 / (5/2) = 22/5 against 28/3 and 8), and the lesson ends.
    s->Pivot(2, 3);
    EXPECT_EQ(ExactTableau(*s),
              " 0 0 0 8/5 1 -1/5 -3/5 37/5 | 6 0 1 11/5 0 3/5 -1/5 9/5 |"
              " 1 1 0 -2/5 0 -1/5 2/5 22/5 | 0 0 -48/5 0 -14/5 -2/5 | 22/5 9/5 0 37/5 0 0 | 142/5");
    for (auto [row, col] : {std::pair{0, 2}, {1, 1}, {4, 3}, {5, 8}, {7, 2}, {9, 3}, {10, 0}}) {
        EXPECT_FALSE(s->Value(row, col)) << row << ", " << col;
    }
    for (auto [col, row] : {std::pair{1, 1}, {8, 1}, {2, 0}, {2, 4}}) {
        EXPECT_THROW(s->Check(col, row), std::out_of_range) << row << ", " << col;
    }
    // A pivot at row 1 rewrites that row's multiplier alone; x1's entry there stays exactly 0,
    // and from a pivot on it the shadow has no values.
    s->Pivot(4, 1);
    EXPECT_EQ(FractionText(*s->Value(1, 0)) + " " + FractionText(*s->Value(2, 0)), "-48/5 6");
    EXPECT_FALSE(s->Lost());
    s->Pivot(2, 1);
    EXPECT_TRUE(s->Lost() && !s->Value(1, 8));
    EXPECT_FALSE(Shadow::Build(Texts("15,0"), '.'));
}

TEST(SolveExactly, TakesTheProgramsPivotsToTheOptimum) {
    // The worked example, and x1 entering with quotients tied at rows 2 and 3: the lowest row
    // leaving is what makes x2 the one at 1.
    const std::pair<ProblemTexts, const char*> cases[] = {
        {Texts("15"), "142/5 at 22/5 9/5 0"},
        {testing_support::Typed("1 1 1 0 / 0 1 1 2 / 2 1 1 1 / 2 0 1 1"), "1 at 0 1 0"}};
    for (const auto& [texts, optimum] : cases) {
        const ExactOptimum o = *SolveExactly(texts, '.');
        EXPECT_EQ(FractionText(o.z) + " at " + FractionText(o.x[0]) + " " + FractionText(o.x[1]) +
                      " " + FractionText(o.x[2]),
                  optimum);
    }
}

// The moves of a two-phase lesson as the grid makes them: "P32" a pivot (also one that takes an
// artificial variable out) at row 3, column 2; "D2" row 2 dropped; "S" the switch.
TEST(Shadow, ReplaysATwoPhaseLessonInFractions) {
    const struct {
        const char* name;
        const char* problem;
        const char* moves;
        const char* tableau;
    } cases[] = {
        {"thirds, then halves", "min 1 3 0 0 / 1 1 0 > 4 / 1 3 0 > 6 / 1 0 1 < 4", "P23 P12 S",
         " 1 1 0 0 -3/2 1/2 0 3 | 3 0 1 0 1/2 -1/2 0 1 | 0 0 0 1 3/2 -1/2 1 1 | 0 0 0 0 1 0 |"
         " 3 1 0 0 0 1 | 6"},
        {"redundant row", "1 2 0 0 / 1 1 0 = 4 / 2 2 0 = 8 / 0 0 1 < 5", "P12 D2 S",
         " 1 1 1 0 0 4 | - | 0 0 0 1 1 5 | 0 1 0 0 | 4 0 0 5 | 4"},
        {"artificial out", "1 1 1 0 / 1 1 0 = 2 / 1 1 -1 = 2 / 0 0 1 < 5", "P12 P24 S",
         " 1 1 1 0 0 2 | 1 0 0 1 0 0 | 0 0 0 0 1 5 | 0 0 0 0 | 2 0 0 5 | 2"},
    };
    for (const auto& c : cases) {
        std::optional<Shadow> s = Shadow::Build(testing_support::Typed(c.problem), '.');
        ASSERT_TRUE(s) << c.name;
        std::istringstream moves(c.moves);
        for (std::string move; moves >> move;) {
            if (move[0] == 'P') {
                s->Pivot(move[2] - '0', move[1] - '0');
            } else if (move[0] == 'D') {
                s->DropRow(move[1] - '0');
            } else {
                s->SwitchPhase();
            }
        }
        EXPECT_EQ(s->CurrentPhase(), Phase::Second) << c.name;
        EXPECT_FALSE(s->Lost()) << c.name;
        EXPECT_EQ(ExactTableau(*s), c.tableau) << c.name;
    }
}

TEST(CheckedEnd, AgreesWithinTheToleranceAndGivesTheExactOptimumOtherwise) {
    const struct {
        const char* shownZ;  // "illimitato" for the unbounded message
        const char* exactZ;  // nullptr: unbounded
        std::string exact;   // empty when the usual message stands
    } cases[] = {
        {" 60.006", "60", ""},  // at the relative tolerance, and past it
        {" 59.99399", "60", "Z = 60."},
        {"-0.0001", "0", ""},  // at the absolute tolerance, and past it
        {" 1.0001E-04", "0", "Z = 0."},
        {"?", "0", "Z = 0."},
        {"illimitato", nullptr, ""},
        {" 1", "1/8", "Z = 1/8 (0.125)."},
        {" 1", "1/3", "Z = 1/3 (circa 0.3333333333)."},
        {" 1", "1/10000000000", "Z = 1/10000000000 (1E-10)."},  // 12 digits, and 13
        {" 1", "1/100000000000", "Z = 1E-11."},
    };
    const Message usual{"Fine", "Riga\r\naltra riga", MessageIcon::Information};
    for (const auto& c : cases) {
        ExactOptimum exact;
        exact.kind = c.exactZ ? ExactOptimum::Kind::Optimal : ExactOptimum::Kind::Unbounded;
        exact.z = mpq_class(c.exactZ ? c.exactZ : "0");
        const std::string shown = c.shownZ;
        const auto end = shown == "illimitato" ? StepReport::End::Unbounded : StepReport::End::Optimal;
        EXPECT_EQ(CheckedEnd(usual, end, shown, exact, '.'),
                  c.exact.empty() ? usual : Falsified("Riga", c.exact))
            << shown;
    }
    EXPECT_FALSE(PivotNotice({mpq_class(1, 3), mpq_class(1, 1000000000), 0}, "x1", {}));
    EXPECT_FALSE(PivotNotice({mpq_class(-1, 3), 1, 0}, "x3", {.minimising = true}));
    EXPECT_EQ(PivotNotice({mpq_class(1, 3), 1, 0}, "x3", {.minimising = true})->text,
              kStep + "il DELTA r di x3 vale 1/3.");
    EXPECT_FALSE(PivotNotice({1, -1, 0}, "x3", {.artificialOut = true}));
    EXPECT_TRUE(PivotNotice({-1, 0, 0}, "x3", {.artificialOut = true})
                    ->text.starts_with(kStep + "il pivot vale 0.\n"));
    EXPECT_EQ(PivotNotice({1, *ReadExact("-0.0000001234567", '.'), 0}, "x6", {}, ',')->text,
              kStep + "il pivot vale -1,234567E-07.");
    // The dual simplex: a negative pivot on a row whose known term is negative, whatever DELTA r.
    EXPECT_FALSE(PivotNotice({1, -2, -3}, "x2", {.dual = true}, '.', "x5"));
    EXPECT_EQ(PivotNotice({-1, 2, 0}, "x2", {.dual = true}, '.', "x5")->text,
              kStep + "il pivot vale 2 e il termine noto della riga di x5 vale 0.");
}

// No feasible solution, shown or exact: the usual message only when both say so.
TEST(CheckedEnd, InfeasibleEndsAgreeOnlyWithAnInfeasibleExactOutcome) {
    using End = StepReport::End;
    using Kind = ExactOptimum::Kind;
    const std::string none = "il problema non ha soluzioni ammissibili.";
    const struct {
        End shown;
        Kind exact;
        std::string line;  // after "Con l'aritmetica esatta "; empty when the usual one stands
    } cases[] = {
        {End::Infeasible, Kind::Infeasible, ""},
        {End::Optimal, Kind::Infeasible, none},
        {End::Unbounded, Kind::Infeasible, none},
        {End::Infeasible, Kind::Optimal, "Z = 5/2 (2.5)."},
        {End::Infeasible, Kind::Unbounded, "il problema è illimitato."},
    };
    const Message usual = InfeasibleMessage();
    for (const auto& c : cases) {
        ExactOptimum exact;
        exact.kind = c.exact;
        exact.z = c.exact == Kind::Optimal ? mpq_class(5, 2) : 0;
        EXPECT_EQ(CheckedEnd(usual, c.shown, " 2.5", exact, '.'),
                  c.line.empty() ? usual : Falsified("Fine del calcolo del simplesso.", c.line))
            << c.line;
    }
}

}  // namespace
}  // namespace simplesso
