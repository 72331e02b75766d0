// Gomory's fractional cut from an optimal tableau, exact: the source row, the fractional parts of
// its entries and the cut, in the tableau's columns and in x1 ... xn.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "problem.h"
#include "shadow.h"

namespace simplesso::integer {

struct GomoryCut {
    int sourceRow = 0;  // the grid row it comes from
    mpq_class known;    // that row's known term
    mpq_class f0;       // its fractional part
    // The fractional part of the row's entry in each variable column (grid column 2 on), zero
    // for a basic variable: the cut is Σ f_j x_j ≥ f_0.
    std::vector<mpq_class> f;
    // The same cut in x1 ... xn: Σ h_v x_v ≥ h0, each slack written in the decision variables.
    std::vector<mpq_class> h;
    mpq_class h0;
};

// The decision variables whose value in the tableau's basic solution is not integer, x1 = 0.
std::vector<int> FractionalVariables(const Shadow& tableau);

// The cut from the row whose basic variable is a decision variable with a fractional value, the
// one whose known term has the largest fractional part (the lowest row among equals); none when
// every decision variable is integer. `problem` and `state` say how the tableau wrote each row,
// so that its slack can be written in x1 ... xn.
std::optional<GomoryCut> FractionalCut(const Shadow& tableau, const ProblemTexts& problem,
                                       const FormState& state, char separator);

// The problem with the cut as its last row, written "≤" (multiplied by -1) in fractions.
ProblemTexts WithCut(const ProblemTexts& problem, const GomoryCut& cut);

// Whether every coefficient and known term of the typed constraints is an integer: the slacks
// then take integer values too, which the cut needs.
bool IntegerData(const ProblemTexts& problem, char separator);

}  // namespace simplesso::integer
