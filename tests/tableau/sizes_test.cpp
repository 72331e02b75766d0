// Tableaux of every size a course uses: the set-up lays out the same named rows and columns for
// n variables and m constraints, and the step works them as it works today's three by three.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "glpk_oracle.h"
#include "recording_window.h"

namespace simplesso {
namespace {

using testing_support::Session;
using testing_support::Typed;

// A problem of n variables and m rows with the given senses ("<", ">", "="), every coefficient
// 1 and every known term r + 1, so that the layout alone differs from case to case.
std::string Written(int n, const std::string& senses) {
    std::string line;
    for (int v = 0; v <= n; ++v) {
        line += v < n ? "1 " : "0";
    }
    for (std::size_t r = 0; r < senses.size(); ++r) {
        line += " /";
        for (int v = 0; v < n; ++v) {
            line += " 1";
        }
        line += std::string(" ") + senses[r] + " " + std::to_string(r + 1);
    }
    return line;
}

TEST(Sizes, SetUpLaysOutTheNamedRowsAndColumnsForAnySize) {
    // The variables' names and the basis, "|" between them.
    struct Case {
        int n;
        const char* senses;
        const char* header;
        const char* basis;
    };
    const Case cases[] = {
        {2, "<", "x1|x2|x3", "x3"},
        {2, "<<<<", "x1|x2|x3|x4|x5|x6", "x3|x4|x5|x6"},
        {3, "<<<", "x1|x2|x3|x4|x5|x6", "x4|x5|x6"},
        {5, ">=", "x1|x2|x3|x4|x5|x6|a1|a2", "a1|a2"},
        {8, "<<<=<><<", "x1|x2|x3|x4|x5|x6|x7|x8|x9|x10|x11|x13|x14|x15|x16|a4|a6",
         "x9|x10|x11|a4|x13|a6|x15|x16"},
    };
    // The sizes the course's exercises take, the window's spin boxes and the exercise files.
    EXPECT_EQ(std::tuple(kMinVariables, kMaxVariables, kMinRows, kMaxRows), std::tuple(2, 8, 1, 8));
    for (const Case& c : cases) {
        const std::string line = Written(c.n, c.senses);
        const Session s(Typed(line));
        const int m = static_cast<int>(std::string(c.senses).size());
        const TableauRows rows{m};
        ASSERT_EQ(s.grid.Rows(), m + 7) << line;
        std::string header, basis;
        const TableauShape shape = InitialShape(TurnNegativeRows(Typed(line), '.').texts);
        for (int col = 2; col < s.grid.Cols() - 1; ++col) {
            header += (col > 2 ? "|" : "") + s.grid.TextMatrix(0, col);
            EXPECT_EQ(shape.GridColumn(s.grid.TextMatrix(0, col)), col) << line;
            // Its index among all the variables: x<k> the k-th, a<r> after the n + m others.
            const TableauColumn& column = shape.columns[col - 2];
            const int k = std::stoi(column.name.substr(1));
            EXPECT_EQ(column.variable, column.name[0] == 'x' ? k - 1 : c.n + m + k - 1) << line;
            EXPECT_EQ(column.row, column.name[0] == 'a' ? k - 1 : k > c.n ? k - c.n - 1 : -1);
        }
        EXPECT_EQ(shape.GridCols(), s.grid.Cols()) << line;
        EXPECT_EQ(shape.GridColumn("x99"), std::nullopt);
        for (int r = 0; r < m; ++r) {
            basis += (r ? "|" : "") + s.grid.TextMatrix(rows.Constraint(r), 1);
            EXPECT_EQ(s.grid.TextMatrix(rows.Constraint(r), s.grid.Cols() - 1),
                      std::to_string(r + 1));
        }
        EXPECT_EQ(header, c.header) << line;
        EXPECT_EQ(basis, c.basis) << line;
        const bool first = std::string(c.senses).find_first_not_of('<') != std::string::npos;
        const std::pair<int, const char*> labels[] = {{rows.Costs(), "Cr:"},
                                                      {rows.Reduced(), "DELTA r:"},
                                                      {rows.Solution(), "Soluzione:"},
                                                      {rows.Objective(), first ? "W =" : "Z ="}};
        for (const auto& [row, label] : labels) {
            EXPECT_EQ(s.grid.TextMatrix(row, 1), label) << line;
        }
        EXPECT_EQ(s.state.Fase, first ? Phase::First : Phase::Single) << line;
    }
}

// Hillier and Lieberman's exercise with a fourth row, x1 + x2 <= 10, that never binds: x2 enters
// for the largest DELTA r and leaves x4 (12 / 2 = 6 beats 18 / 2 and 10 / 1), then x1 leaves x5
// (6 / 3 = 2 beats 4 / 1 and 4 / 1): Z = 36 at (2, 6), the slack of the fourth row 2.
TEST(Sizes, TwoVariablesFourConstraintsWorkedByHand) {
    Session s(Typed("3 5 0 / 1 0 4 / 0 2 12 / 3 2 18 / 1 1 10"));
    const std::vector<std::pair<std::string, std::string>> pivots{{"x2", "x4"}, {"x1", "x5"}};
    for (const auto& [entering, leaving] : pivots) {
        const StepReport press = s.Step();
        EXPECT_EQ(press.entering + " for " + press.leaving, entering + " for " + leaving);
    }
    const TableauRows rows{4};
    EXPECT_EQ(s.grid.TextMatrix(rows.Objective(), 2), " 36");
    EXPECT_EQ(testing_support::RowTexts(s.grid, rows.Solution(), 2, 7),
              (std::vector<std::string>{"2", "6", "2", "0", "0", "2"}));
    EXPECT_EQ(s.window.messages, std::vector{EndMessage()});
}

// An "=" row among many, and an "=" row that another repeats and so drops as redundant: both
// lessons end where GLPK's exact simplex ends.
TEST(Sizes, EqualityAndRedundantRowsAmongManyEndAtGlpksOptimum) {
    struct Case {
        const char* problem;
        bool dropsARow;
    };
    const Case cases[] = {
        {"2 3 0 / 1 1 < 8 / 1 0 < 5 / 1 1 = 6 / 0 1 < 4 / 1 2 < 12", false},
        {"min 4 1 2 3 0 / 1 1 1 1 = 4 / 1 0 1 0 > 1 / 2 2 2 2 = 8 / 0 1 0 1 < 3", true},
        {"1 1 1 1 1 0 / 1 1 0 0 0 = 2 / 0 0 1 1 0 = 2 / 1 1 1 1 0 = 4 / 0 0 0 0 1 < 1 / "
         "1 0 0 0 1 < 5 / 0 1 0 0 0 < 9",
         true},
    };
    for (const Case& c : cases) {
        Session s(Typed(c.problem));
        bool dropped = false;
        for (int press = 0; press < 40 && s.window.messages.empty(); ++press) {
            dropped = s.Step().kind == StepReport::Kind::RowDropped || dropped;
        }
        const testing_support::Outcome glpk = testing_support::SolveWithGlpk(s.problem);
        ASSERT_TRUE(glpk.z) << c.problem;
        EXPECT_EQ(s.window.messages, std::vector{EndMessage()}) << c.problem;
        EXPECT_EQ(dropped, c.dropsARow) << c.problem;
        const TableauRows rows = TableauRows::Of(s.grid.Rows());
        EXPECT_NEAR(testing_support::Value(s.grid.TextMatrix(rows.Objective(), 2)), *glpk.z, 1e-5)
            << c.problem;
    }
}

}  // namespace
}  // namespace simplesso
