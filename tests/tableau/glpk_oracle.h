// GLPK's exact simplex as an independent judge of the program's answers, for the core's and the
// lesson's tests.
#pragma once

#include <glpk.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "numbers.h"
#include "setup.h"

namespace simplesso::testing_support {

// An optimum and where it lies, or no z for an unbounded or infeasible problem; neither when no
// answer came.
struct Outcome {
    bool answered = false;
    bool infeasible = false;
    std::optional<double> z;
    std::array<double, 3> x{};
};

inline double Value(const std::string& text) {
    return ReadDouble(text, '.').value_or(NAN);
}

// GLPK's exact (rational) simplex on the values the texts denote in double precision, each row
// with its sense and sign as typed.
inline Outcome SolveWithGlpk(const ProblemTexts& problem) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, problem.direction == Direction::Maximise ? GLP_MAX : GLP_MIN);
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
        const double b = Value(problem.known[i - 1]);
        const Sense sense = problem.sense[i - 1];
        glp_set_row_bnds(lp, i,
                         sense == Sense::LessEqual      ? GLP_UP
                         : sense == Sense::GreaterEqual ? GLP_LO
                                                        : GLP_FX,
                         b, b);
        glp_set_col_bnds(lp, i, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, i, Value(problem.objective[i - 1]));
    }
    glp_load_matrix(lp, 9, ia.data(), ja.data(), ar.data());
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    const int status = glp_exact(lp, &parm) == 0 ? glp_get_status(lp) : GLP_UNDEF;
    Outcome o{status == GLP_OPT || status == GLP_UNBND || status == GLP_NOFEAS,
              status == GLP_NOFEAS, std::nullopt, {}};
    if (status == GLP_OPT) {
        o.z = glp_get_obj_val(lp);
        o.x = {glp_get_col_prim(lp, 1), glp_get_col_prim(lp, 2), glp_get_col_prim(lp, 3)};
    }
    glp_delete_prob(lp);
    return o;
}

}  // namespace simplesso::testing_support
