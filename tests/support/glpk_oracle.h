// GLPK's exact simplex as an independent judge of the program's answers, for the core's and the
// lesson's tests.
#pragma once

#include <glpk.h>

#include <vector>
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
    std::vector<double> x;
};

inline double Value(const std::string& text) {
    return ReadDouble(text, '.').value_or(NAN);
}

// GLPK's exact (rational) simplex on the values the texts denote in double precision, each row
// with its sense and sign as typed.
inline Outcome SolveWithGlpk(const ProblemTexts& problem) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, problem.direction == Direction::Maximise ? GLP_MAX : GLP_MIN);
    const int n = problem.Variables();
    const int m = problem.Rows();
    glp_add_rows(lp, m);
    glp_add_cols(lp, n);
    std::vector<int> ia(1), ja(1);
    std::vector<double> ar(1);
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= n; ++j) {
            ia.push_back(i);
            ja.push_back(j);
            ar.push_back(Value(problem.constraint[i - 1][j - 1]));
        }
        const double b = Value(problem.known[i - 1]);
        const Sense sense = problem.sense[i - 1];
        glp_set_row_bnds(lp, i,
                         sense == Sense::LessEqual      ? GLP_UP
                         : sense == Sense::GreaterEqual ? GLP_LO
                                                        : GLP_FX,
                         b, b);
    }
    for (int j = 1; j <= n; ++j) {
        glp_set_col_bnds(lp, j, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, j, Value(problem.objective[j - 1]));
    }
    glp_load_matrix(lp, n * m, ia.data(), ja.data(), ar.data());
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    const int status = glp_exact(lp, &parm) == 0 ? glp_get_status(lp) : GLP_UNDEF;
    Outcome o{status == GLP_OPT || status == GLP_UNBND || status == GLP_NOFEAS,
              status == GLP_NOFEAS, std::nullopt, {}};
    if (status == GLP_OPT) {
        o.z = glp_get_obj_val(lp);
        for (int j = 1; j <= n; ++j) {
            o.x.push_back(glp_get_col_prim(lp, j));
        }
    }
    glp_delete_prob(lp);
    return o;
}

}  // namespace simplesso::testing_support
