// The tableau core against GLPK's exact simplex: on random problems the two must reach the same
// outcome, the same optimum and a feasible solution; on problems solved by hand, the hand's.
#include <glpk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <optional>

#include "numbers.h"
#include "random_problems.h"
#include "recording_window.h"

namespace simplesso {
namespace {

// An optimum and where it lies, or no z for an unbounded problem; neither when no answer came.
struct Outcome {
    bool answered = false;
    std::optional<double> z;
    std::array<double, 3> x{};
};

double Value(const std::string& text) {
    return ReadDouble(text, '.').value_or(NAN);
}

// Presses the step button, as the window would, until a message ends the computation.
Outcome SolveWithCore(const ProblemTexts& problem) {
    testing_support::Session s(problem);
    for (int press = 0; press < 50 && s.window.messages.empty(); ++press) {
        s.Step();
    }
    Outcome o;
    if (s.window.messages == std::vector<Message>{EndMessage()}) {
        o.z = Value(s.grid.TextMatrix(9, 2));
        for (int v = 0; v < 3; ++v) {
            o.x[v] = Value(s.grid.TextMatrix(8, v + 2));
        }
    }
    o.answered = o.z || (s.window.messages.size() == 1 &&
                         s.window.messages[0].text.starts_with("Il problema è illimitato."));
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
    for (int k = 1; k <= 9; ++k) {
        ia[k] = (k - 1) / 3 + 1;
        ja[k] = (k - 1) % 3 + 1;
        ar[k] = Value(problem.constraint[ia[k] - 1][ja[k] - 1]);
    }
    for (int i = 1; i <= 3; ++i) {
        glp_set_row_bnds(lp, i, GLP_UP, 0, Value(problem.known[i - 1]));
        glp_set_col_bnds(lp, i, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, i, Value(problem.objective[i - 1]));
    }
    glp_load_matrix(lp, 9, ia.data(), ja.data(), ar.data());
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    const int status = glp_exact(lp, &parm) == 0 ? glp_get_status(lp) : GLP_UNDEF;
    Outcome o{status == GLP_OPT || status == GLP_UNBND, std::nullopt, {}};
    if (status == GLP_OPT) {
        o.z = glp_get_obj_val(lp);
        o.x = {glp_get_col_prim(lp, 1), glp_get_col_prim(lp, 2), glp_get_col_prim(lp, 3)};
    }
    glp_delete_prob(lp);
    return o;
}

// Both unbounded, or the same optimum with the core's solution within the constraints.
bool Agree(const ProblemTexts& problem, const Outcome& core, const Outcome& glpk) {
    constexpr double kTolerance = 1e-4;
    if (!core.answered || !glpk.answered || !core.z || !glpk.z) {
        return core.answered && glpk.answered && !core.z && !glpk.z;
    }
    bool feasible = std::ranges::all_of(core.x, [](double v) { return v > -kTolerance; });
    for (int r = 0; r < 3; ++r) {
        const double b = Value(problem.known[r]);
        double lhs = 0, scale = std::max(1.0, std::abs(b));
        for (int v = 0; v < 3; ++v) {
            const double term = Value(problem.constraint[r][v]) * core.x[v];
            lhs += term;
            scale = std::max(scale, std::abs(term));
        }
        feasible = feasible && lhs <= b + kTolerance * scale;
    }
    return feasible && std::abs(*core.z - *glpk.z) <= kTolerance * std::max(1.0, std::abs(*glpk.z));
}

// The core must agree with GLPK on all but one in a hundred random problems.
TEST(Oracle, RandomProblemsAgreeWithGlpk) {
    int total = 0, agreeing = 0;
    for (std::uint32_t seed : {7u, 1234u, 98765u, 4242424u}) {
        testing_support::RandomProblems generator(seed);
        for (int i = 0; i < 100; ++i, ++total) {
            const ProblemTexts p = generator.Next().texts;
            const Outcome core = SolveWithCore(p), glpk = SolveWithGlpk(p);
            agreeing += Agree(p, core, glpk);
            if (!Agree(p, core, glpk)) {
                std::cout << "seed " << seed << ", problem " << i << ": core Z "
                          << core.z.value_or(NAN) << ", GLPK Z " << glpk.z.value_or(NAN) << "\n";
            }
        }
    }
    std::cout << "agree " << agreeing << " of " << total << "\n";
    EXPECT_GE(agreeing * 100, total * 99) << "agree " << agreeing << " of " << total;
}

}  // namespace
}  // namespace simplesso
