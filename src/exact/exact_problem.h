// The problem as typed, in rationals: what the region's geometry and the post-optimal analysis
// work from. Rows keep their typed sense and sign (a negative known term is not turned here).
#pragma once

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "problem.h"

namespace simplesso {

struct ExactProblem {
    Direction direction = Direction::Maximise;
    std::vector<mpq_class> c;               // objective coefficients of x1 ... xn
    std::vector<std::vector<mpq_class>> a;  // a[r][v]
    std::vector<mpq_class> b;               // known terms
    std::vector<Sense> sense;
    bool integer = false;  // every variable must take an integer value

    // Zeros, every row "≤", maximising.
    explicit ExactProblem(int variables = 3, int rows = 3)
        : c(variables), a(rows, std::vector<mpq_class>(variables)), b(rows),
          sense(rows, Sense::LessEqual) {}

    int Variables() const { return static_cast<int>(c.size()); }
    int Rows() const { return static_cast<int>(b.size()); }
};

// Empty when a text does not read exactly.
std::optional<ExactProblem> ReadExactProblem(const ProblemTexts& texts, char separator);

}  // namespace simplesso
