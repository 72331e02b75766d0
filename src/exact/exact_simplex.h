// The exact optimum of the lesson's problem, found by the simplex method in rationals with the
// program's own rules, so that a lesson's end can be checked against it.
#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>

#include "setup.h"

namespace simplesso {

struct ExactOptimum {
    bool unbounded = false;
    mpq_class z;                   // c1 x1 + c2 x2 + c3 x3; zero when unbounded
    std::array<mpq_class, 3> x{};  // x1, x2, x3; zero when unbounded
};

// The largest positive reduced cost enters, the lowest column among equal ones; the smallest
// quotient over strictly positive entries leaves, the lowest row among equal ones. Should a
// basis come back, Bland's rule takes over, so that the method always ends. The objective's
// known term plays no part, as in the tableau. Empty if a text does not read exactly.
std::optional<ExactOptimum> SolveExactly(const ProblemTexts& fields, char separator);

}  // namespace simplesso
