// The tableau core against GLPK's exact simplex: on random problems the two must reach the same
// outcome, the same optimum and a feasible solution.
#include <glpk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "numbers.h"
#include "random_problems.h"
#include "recording_window.h"
#include "setup.h"
#include "step.h"

namespace simplesso {
namespace {

using testing_support::Problem;
using testing_support::RandomProblems;
using testing_support::RecordingWindow;

constexpr int kMaxPresses = 50;
constexpr double kTolerance = 1e-4;

enum class Kind { Optimal, Unbounded, Failed, TooManyPresses };

struct Outcome {
    Kind kind = Kind::Failed;
    double z = 0;
    std::array<double, 3> x{};
    int presses = 0;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    switch (o.kind) {
        case Kind::Unbounded:
            return os << "unbounded";
        case Kind::Failed:
            return os << "step failed after " << o.presses << " presses";
        case Kind::TooManyPresses:
            return os << "no end after " << o.presses << " presses";
        case Kind::Optimal:
            break;
    }
    return os << "Z = " << o.z << " at (" << o.x[0] << ", " << o.x[1] << ", " << o.x[2] << ")";
}

double Value(const std::string& text) {
    const auto v = ReadDouble(text, '.');
    if (!v) {
        ADD_FAILURE() << "not a number: '" << text << "'";
        return NAN;
    }
    return *v;
}

// Presses the step button, as the window would, until the computation ends or cannot go on.
Outcome SolveWithCore(const ProblemTexts& problem) {
    Grid grid;
    FormState state;
    RecordingWindow window;
    state.RigaPivot = state.ColonnaPivot = 8;
    state.PrimoPasso = true;
    ImpostaTabella(grid, problem, window);
    Outcome o;
    o.kind = Kind::TooManyPresses;
    for (o.presses = 1; o.presses <= kMaxPresses; ++o.presses) {
        Simplesso(grid, state, '.', window);
        if (window.messages.empty()) {
            continue;
        }
        const Message& m = window.messages.back();
        if (m == EndMessage() && !state.PrimoPasso) {
            o.kind = Kind::Optimal;
            o.z = Value(grid.TextMatrix(9, 2));
            for (int v = 0; v < 3; ++v) {
                o.x[v] = Value(grid.TextMatrix(8, v + 2));
            }
        } else if (m.title == "Fine" && m.text.starts_with("Il problema è illimitato.")) {
            o.kind = Kind::Unbounded;
        } else {
            o.kind = Kind::Failed;
        }
        return o;
    }
    o.presses = kMaxPresses;
    return o;
}

// GLPK's exact (rational) simplex on the values the texts denote in double precision.
Outcome SolveWithGlpk(const ProblemTexts& problem) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MAX);
    glp_add_rows(lp, 3);
    glp_add_cols(lp, 3);
    std::array<int, 10> ia{}, ja{};
    std::array<double, 10> ar{};
    for (int r = 1; r <= 3; ++r) {
        glp_set_row_bnds(lp, r, GLP_UP, 0, Value(problem.known[r - 1]));
        for (int v = 1; v <= 3; ++v) {
            const int k = 3 * (r - 1) + v;
            ia[k] = r;
            ja[k] = v;
            ar[k] = Value(problem.constraint[r - 1][v - 1]);
        }
    }
    for (int v = 1; v <= 3; ++v) {
        glp_set_col_bnds(lp, v, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, v, Value(problem.objective[v - 1]));
    }
    glp_load_matrix(lp, 9, ia.data(), ja.data(), ar.data());
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    Outcome o;
    if (glp_exact(lp, &parm) == 0) {
        const int status = glp_get_status(lp);
        if (status == GLP_OPT) {
            o.kind = Kind::Optimal;
            o.z = glp_get_obj_val(lp);
            for (int v = 0; v < 3; ++v) {
                o.x[v] = glp_get_col_prim(lp, v + 1);
            }
        } else if (status == GLP_UNBND) {
            o.kind = Kind::Unbounded;
        }
    }
    glp_delete_prob(lp);
    return o;
}

bool Feasible(const ProblemTexts& problem, const std::array<double, 3>& x) {
    for (double xv : x) {
        if (xv < -kTolerance) {
            return false;
        }
    }
    for (int r = 0; r < 3; ++r) {
        const double b = Value(problem.known[r]);
        double lhs = 0, scale = std::max(1.0, std::abs(b));
        for (int v = 0; v < 3; ++v) {
            const double term = Value(problem.constraint[r][v]) * x[v];
            lhs += term;
            scale = std::max(scale, std::abs(term));
        }
        if (lhs > b + kTolerance * scale) {
            return false;
        }
    }
    return true;
}

bool Agree(const ProblemTexts& problem, const Outcome& core, const Outcome& glpk) {
    if (core.kind == Kind::Unbounded && glpk.kind == Kind::Unbounded) {
        return true;
    }
    return core.kind == Kind::Optimal && glpk.kind == Kind::Optimal &&
           std::abs(core.z - glpk.z) <= kTolerance * std::max(1.0, std::abs(glpk.z)) &&
           Feasible(problem, core.x);
}

std::string Describe(const testing_support::RandomProblem& p) {
    std::ostringstream os;
    const ProblemTexts& t = p.texts;
    os << "  max " << t.objective[0] << " " << t.objective[1] << " " << t.objective[2] << " | "
       << p.objectiveKnown << "\n";
    for (int r = 0; r < 3; ++r) {
        os << "  s.t. " << t.constraint[r][0] << " " << t.constraint[r][1] << " "
           << t.constraint[r][2] << " <= " << t.known[r] << "\n";
    }
    return os.str();
}

TEST(Oracle, RandomProblemsAgreeWithGlpk) {
    int total = 0, agreeing = 0;
    for (std::uint32_t seed : {7u, 1234u, 98765u, 4242424u}) {
        RandomProblems generator(seed);
        for (int i = 0; i < 100; ++i) {
            const auto problem = generator.Next();
            const Outcome core = SolveWithCore(problem.texts);
            const Outcome glpk = SolveWithGlpk(problem.texts);
            ++total;
            if (Agree(problem.texts, core, glpk)) {
                ++agreeing;
            } else {
                std::cout << "disagreement (seed " << seed << ", problem " << i << "):\n"
                          << Describe(problem) << "  core: " << core << "\n  glpk: " << glpk
                          << "\n";
            }
        }
    }
    std::cout << "agree " << agreeing << " of " << total << "\n";
    EXPECT_GE(agreeing * 100, total * 99) << "agree " << agreeing << " of " << total;
}

// Problems whose optimum is worked out by hand, to show that both solvers and the comparison
// are wired up correctly.
struct HandCase {
    const char* name;
    ProblemTexts problem;
    std::optional<double> z;  // empty when unbounded
    std::array<double, 3> x;
};

void PrintTo(const HandCase& c, std::ostream* os) {
    *os << c.name;
}

class HandSolved : public testing::TestWithParam<HandCase> {};

TEST_P(HandSolved, BothSolversFindTheOptimumWorkedOutByHand) {
    const HandCase& c = GetParam();
    const Outcome core = SolveWithCore(c.problem);
    const Outcome glpk = SolveWithGlpk(c.problem);
    EXPECT_TRUE(Agree(c.problem, core, glpk)) << "core: " << core << "\nglpk: " << glpk;
    for (const Outcome& o : {core, glpk}) {
        if (!c.z) {
            EXPECT_EQ(o.kind, Kind::Unbounded) << o;
            continue;
        }
        ASSERT_EQ(o.kind, Kind::Optimal) << o;
        EXPECT_NEAR(o.z, *c.z, 1e-5);
        for (int v = 0; v < 3; ++v) {
            EXPECT_NEAR(o.x[v], c.x[v], 1e-5) << "x" << v + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Oracle, HandSolved,
    testing::Values(
        // x1 + 2x2 = 8 and 3x1 + x2 = 15 meet at (4.4, 1.8), where 2x1 + x2 = 10.6 <= 18;
        // Z = 17.6 + 10.8 = 28.4, and the final reduced costs (-9.6, -2.8, -0.4) of x3, x5 and
        // x6 show that nothing improves it.
        HandCase{"WorkedExample",
                 Problem({"4", "6", "2"},
                         {{{"2", "1", "3", "18"}, {"1", "2", "4", "8"}, {"3", "1", "1", "15"}}}),
                 28.4,
                 {4.4, 1.8, 0}},
        // x1 <= x2 <= 3 and x3 <= 5; the first pivot (x1 on row 1) is degenerate and leaves Z at
        // 0. The optimum is x1 = x2 = 3, x3 = 5, Z = 6 + 3 + 5 = 14.
        HandCase{"Degenerate",
                 Problem({"2", "1", "1"},
                         {{{"1", "-1", "0", "0"}, {"0", "1", "0", "3"}, {"0", "0", "1", "5"}}}),
                 14.0,
                 {3, 3, 5}},
        // x1 + x2 + x3 <= 0 pins every variable at zero although all costs are positive.
        HandCase{"OptimumAtZero",
                 Problem({"1", "2", "3"},
                         {{{"1", "1", "1", "0"}, {"1", "0", "0", "4"}, {"0", "1", "0", "4"}}}),
                 0.0,
                 {0, 0, 0}},
        // x1 = x2 + 4 satisfies x1 - x2 <= 4 and -x1 <= 3 for every x2 >= 0, and Z = 2 x2 + 4
        // grows without limit.
        HandCase{"Unbounded",
                 Problem({"1", "1", "0"},
                         {{{"1", "-1", "0", "4"}, {"0", "0", "1", "2"}, {"-1", "0", "0", "3"}}}),
                 std::nullopt,
                 {}},
        // Decimals with no exact binary value: 0.2 x1 <= 1 and 0.5 x2 <= 2 give x1 = 5, x2 = 4,
        // and x3 = 0 because it costs; Z = 2.5 * 5 + 4 = 16.5.
        HandCase{"Decimals",
                 Problem({"2.5", "1", "-1"},
                         {{{"0.2", "0", "1", "1"}, {"0", "0.5", "0", "2"}, {"0", "0", "1", "7"}}}),
                 16.5,
                 {5, 4, 0}}),
    [](const testing::TestParamInfo<HandCase>& info) { return info.param.name; });

}  // namespace
}  // namespace simplesso
