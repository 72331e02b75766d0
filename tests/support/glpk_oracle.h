// GLPK's exact simplex as an independent judge of the program's answers, for the core's and the
// lesson's tests.
#pragma once

#include <glpk.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

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

// How far a value is from the reference, in units of the tolerance; infinite where one of them
// is unbounded (NaN) and the other is not.
inline double Gap(double value, double reference, double tolerance) {
    if (std::isnan(value) || std::isnan(reference)) {
        return std::isnan(value) && std::isnan(reference) ? 0 : INFINITY;
    }
    return std::abs(value - reference) / (tolerance * std::max(1.0, std::abs(reference)));
}

// A problem of n variables, x >= 0, loaded into GLPK: `value(r, j)` is row r's coefficient of
// x(j+1), its known term at j = n, and the objective's coefficients at r = -1.
template <typename Value>
glp_prob* LoadIntoGlpk(Direction direction, const std::vector<Sense>& senses, int n, Value value) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, direction == Direction::Maximise ? GLP_MAX : GLP_MIN);
    const int m = static_cast<int>(senses.size());
    glp_add_rows(lp, m);
    glp_add_cols(lp, n);
    std::vector<int> columns(n + 1);
    for (int j = 1; j <= n; ++j) {
        columns[j] = j;
        glp_set_col_bnds(lp, j, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, j, value(-1, j - 1));
    }
    for (int r = 0; r < m; ++r) {
        std::vector<double> row{0};
        for (int j = 0; j < n; ++j) {
            row.push_back(value(r, j));
        }
        glp_set_mat_row(lp, r + 1, n, columns.data(), row.data());
        const Sense sense = senses[r];
        const int type = sense == Sense::LessEqual ? GLP_UP
                         : sense == Sense::Equal   ? GLP_FX
                                                   : GLP_LO;
        glp_set_row_bnds(lp, r + 1, type, value(r, n), value(r, n));
    }
    return lp;
}

// GLPK's exact (rational) simplex on the values the texts denote in double precision, each row
// with its sense and sign as typed.
inline glp_prob* LoadTexts(const ProblemTexts& problem) {
    const int n = problem.Variables();
    return LoadIntoGlpk(problem.direction, problem.sense, n, [&](int r, int j) {
        return Value(r < 0    ? problem.objective[j]
                     : j == n ? problem.known[r]
                              : problem.constraint[r][j]);
    });
}

inline Outcome SolveWithGlpk(const ProblemTexts& problem) {
    const int n = problem.Variables();
    glp_prob* lp = LoadTexts(problem);
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    const int status = glp_exact(lp, &parm) == 0 ? glp_get_status(lp) : GLP_UNDEF;
    Outcome o{status == GLP_OPT || status == GLP_UNBND || status == GLP_NOFEAS,
              status == GLP_NOFEAS,
              std::nullopt,
              {}};
    if (status == GLP_OPT) {
        o.z = glp_get_obj_val(lp);
        for (int j = 1; j <= n; ++j) {
            o.x.push_back(glp_get_col_prim(lp, j));
        }
    }
    glp_delete_prob(lp);
    return o;
}

// GLPK's branch and cut with every variable integer, after its exact simplex on the relaxation.
// Where integer points run off to infinity its search may not end: it gives up after half a second.
struct IntegerOutcome {
    bool answered = true;
    bool relaxationUnbounded = false;
    std::optional<double> z;  // none when no integer point is feasible
};

inline IntegerOutcome SolveIntegerWithGlpk(const ProblemTexts& problem) {
    const int n = problem.Variables();
    glp_prob* lp = LoadTexts(problem);
    for (int j = 1; j <= n; ++j) {
        glp_set_col_kind(lp, j, GLP_IV);
    }
    glp_smcp simplex;
    glp_init_smcp(&simplex);
    simplex.msg_lev = GLP_MSG_OFF;
    IntegerOutcome o;
    if (glp_exact(lp, &simplex) == 0 && glp_get_status(lp) == GLP_UNBND) {
        o.relaxationUnbounded = true;
    } else if (glp_get_status(lp) == GLP_OPT) {
        glp_iocp branch;
        glp_init_iocp(&branch);
        branch.msg_lev = GLP_MSG_OFF;
        branch.tm_lim = 500;
        const int result = glp_intopt(lp, &branch);
        o.answered = result == 0;
        if (result == 0 && glp_mip_status(lp) == GLP_OPT) {
            o.z = glp_mip_obj_val(lp);
        }
    }
    glp_delete_prob(lp);
    return o;
}

}  // namespace simplesso::testing_support
