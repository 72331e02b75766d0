// The dual of the problem as typed, with its optimal solution read from the primal's optimal
// basis, written out line by line together with the complementary slackness pairs.
#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

#include "exact_problem.h"

namespace simplesso::sensitivity {

enum class DualSign { NonNegative, NonPositive, Free };

struct DualProblem {
    Direction direction = Direction::Minimise;         // min for a max primal, and back
    std::vector<mpq_class> objective;                  // W's coefficients: the known terms
    std::vector<std::vector<mpq_class>> constraint;    // constraint[j][k] = a[k][j]
    Sense constraintSense = Sense::GreaterEqual;       // "≥" for a max primal, "≤" for a min
    std::vector<mpq_class> rhs;                        // the primal's costs
    std::vector<DualSign> sign;                        // y_k's, as row k's sense asks
    std::vector<mpq_class> y;                          // the optimal solution: the prices
    mpq_class w;                                       // its value, equal to Z
    std::vector<std::string> lines;      // the problem written out, its solution and value
    std::vector<std::string> slackness;  // one complementary slackness pair a line
};

// The dual at the prices y (one per row); x is the primal optimum, rowSlack each row's slack or
// surplus there and reducedCost the DELTA r of x1..xn.
DualProblem BuildDual(const ExactProblem& problem, const std::vector<mpq_class>& y,
                      const std::vector<mpq_class>& x, const std::vector<mpq_class>& rowSlack,
                      const std::vector<mpq_class>& reducedCost);

// "2 y1 - y2 + 3/2 y3", zero terms left out ("0" when all are); names are letter + 1, 2, ...
std::string LinearText(const std::vector<mpq_class>& coefficient, std::string_view letter);

// "≤", "≥", "=".
std::string SenseText(Sense sense);

// "1: 2 x1 + x2 + 3 x3 ≤ 18" for the first row.
std::string ConstraintText(const ExactProblem& problem, int row);

}  // namespace simplesso::sensitivity
