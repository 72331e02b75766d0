// The post-optimal analysis of a problem at the lesson's final basis, in rationals: prices,
// ranges, the dual and the notes, each figure with the words that lead a student to it in the
// final tableau. Nothing is offered unless that basis is exactly feasible and optimal.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "dual.h"
#include "exact_problem.h"

namespace simplesso::sensitivity {

// A variable of a problem of n variables and m rows in standard form, by its index: 0..n-1 the
// decision variables x1..xn, n..n+m-1 the slack ("≤", +1) or surplus ("≥", -1) of each row (a
// "=" row has none), n+m..n+2m-1 the artificial variable of each row. The tableau names them
// the same way: the slack of row k is x(n+k+1) even where an earlier "=" row has no slack.
inline int SlackIndex(int variables, int row) {
    return variables + row;
}
inline int ArtificialIndex(int variables, int rows, int row) {
    return variables + rows + row;
}

// For each constraint row, the index of the variable basic in it, or none for a row the lesson
// dropped as redundant; one entry a row.
using FinalBasis = std::vector<std::optional<int>>;

// An end of an interval; empty is infinite (-∞ as a lower end, +∞ as an upper one).
using Bound = std::optional<mpq_class>;

// A figure and how the student finds it in the final tableau.
struct Figure {
    mpq_class value;
    std::string tip;
};

struct Range {
    Bound from, to;
    std::string tip;
};

struct ConstraintFigures {
    std::string constraint;  // as typed: "1: 2 x1 + x2 + 3 x3 ≤ 18"
    Figure slack;            // the slack or surplus at the optimum; 0 for a "=" row
    Figure price;            // dZ / db of the row as typed, for the problem's direction
    Range known;             // the known term over which the basis stays feasible
};

struct VariableFigures {
    mpq_class coefficient;  // in the objective, as typed
    Figure value;
    Figure reducedCost;  // c_j - z_j, the tableau's DELTA r
    Range cost;          // the objective coefficient over which the basis stays optimal
};

struct Analysis {
    mpq_class z;
    std::vector<ConstraintFigures> rows;     // one a constraint, as typed
    std::vector<VariableFigures> variables;  // x1 ... xn
    DualProblem dual;
    std::vector<std::string> notes;  // each a line of its own
    std::string lessonSentence;      // for the explanation line; empty for a unique, sound optimum
};

// Empty when the basis has not one entry a row, names a column the problem lacks or one twice,
// is singular, or is not exactly feasible and optimal for the problem's direction.
std::optional<Analysis> Analyse(const ExactProblem& problem, const FinalBasis& basis);

// The name of a variable by its index above, for n variables and m rows: "x1".."x(n+m)",
// "a1".."am".
std::string StandardVariableName(int index, int variables, int rows);

}  // namespace simplesso::sensitivity
