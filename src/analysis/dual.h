// The dual of the problem as typed, with its optimal solution read from the primal's optimal
// basis, written out line by line together with the complementary slackness pairs.
#pragma once

#include <gmpxx.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "exact_problem.h"

namespace simplesso::sensitivity {

enum class DualSign { NonNegative, NonPositive, Free };

struct DualProblem {
    Direction direction = Direction::Minimise;           // min for a max primal, and back
    std::array<mpq_class, 3> objective{};                // W's coefficients: the known terms
    std::array<std::array<mpq_class, 3>, 3> constraint;  // constraint[j][k] = a[k][j]
    Sense constraintSense = Sense::GreaterEqual;         // "≥" for a max primal, "≤" for a min
    std::array<mpq_class, 3> rhs{};                      // the primal's costs
    std::array<DualSign, 3> sign{};                      // y_k's, as row k's sense asks
    std::array<mpq_class, 3> y{};                        // the optimal solution: the prices
    mpq_class w;                                         // its value, equal to Z
    std::vector<std::string> lines;      // the problem written out, its solution and value
    std::vector<std::string> slackness;  // one complementary slackness pair a line
};

// The dual at the prices y; x is the primal optimum, rowSlack each row's slack or surplus there
// and reducedCost the DELTA r of x1..x3.
DualProblem BuildDual(const ExactProblem& problem, const std::array<mpq_class, 3>& y,
                      const std::array<mpq_class, 3>& x, const std::array<mpq_class, 3>& rowSlack,
                      const std::array<mpq_class, 3>& reducedCost);

// "2 y1 - y2 + 3/2 y3", zero terms left out ("0" when all are); names are letter + 1..3.
std::string LinearText(const std::array<mpq_class, 3>& coefficient, std::string_view letter);

// "≤", "≥", "=".
std::string SenseText(Sense sense);

// "1: 2 x1 + x2 + 3 x3 ≤ 18" for the first row.
std::string ConstraintText(const ExactProblem& problem, int row);

}  // namespace simplesso::sensitivity
