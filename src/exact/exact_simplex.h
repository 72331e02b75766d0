// The exact outcome of the lesson's problem, found by the method the lesson teaches (one phase,
// or two) in rationals with the program's own rules, so that a lesson's end can be checked
// against it.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "problem.h"
#include "shadow.h"

namespace simplesso {

struct ExactOptimum {
    enum class Kind { Optimal, Unbounded, Infeasible };
    Kind kind = Kind::Optimal;
    mpq_class z;                // c1 x1 + ... + cn xn; zero unless optimal
    std::vector<mpq_class> x;   // x1 ... xn; empty unless optimal
    std::optional<Shadow> final;   // the last tableau, optimal or not

    bool Unbounded() const { return kind == Kind::Unbounded; }
    bool Infeasible() const { return kind == Kind::Infeasible; }
};

// The variable that improves most enters, the lowest column among equal ones; the smallest
// quotient over strictly positive entries leaves, the lowest row among equal ones. Should a
// basis come back in a phase, the smallest index takes over, so that the method always ends. A
// first phase that ends above zero means no feasible solution; one that ends at zero takes its
// artificial variables out of the basis (or drops a redundant row) before the second phase. The
// objective's known term plays no part, as in the tableau. Empty if a text does not read exactly.
std::optional<ExactOptimum> SolveExactly(const ProblemTexts& typed, char separator);

// The dual simplex on an exact tableau whose DELTA r are all optimal, as after a row was added to
// an optimum and rewritten in its basis: the row whose known term is the most negative leaves,
// the column with the smallest |DELTA r / entry| among the negative entries of that row enters,
// lowest row and column among equals; should a basis come back, the smallest index takes over.
// True at an optimum, false when a leaving row has no negative entry (no feasible solution).
bool ReoptimiseByDual(Shadow& tableau);

}  // namespace simplesso
