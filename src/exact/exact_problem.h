// The problem as typed, in rationals: what the region's geometry and the post-optimal analysis
// work from. Rows keep their typed sense and sign (a negative known term is not turned here).
#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>

#include "problem.h"

namespace simplesso {

struct ExactProblem {
    Direction direction = Direction::Maximise;
    std::array<mpq_class, 3> c{};                  // objective coefficients of x1, x2, x3
    std::array<std::array<mpq_class, 3>, 3> a{};   // a[r][v]
    std::array<mpq_class, 3> b{};                  // known terms
    std::array<Sense, 3> sense{Sense::LessEqual, Sense::LessEqual, Sense::LessEqual};
};

// Empty when a text does not read exactly.
std::optional<ExactProblem> ReadExactProblem(const ProblemTexts& texts, char separator);

// A variable of the problem in standard form, as the tableau names it: x1..x3 the decision
// variables (index 0..2), x4..x6 the slack ("≤", +1) or surplus ("≥", -1) of rows 1..3 (index
// 3..5; a "=" row has none), a1..a3 the artificial variable of rows 1..3 (index 6..8).
inline constexpr int kDecisionCount = 3;
inline constexpr int kFirstSlack = 3;
inline constexpr int kFirstArtificial = 6;

}  // namespace simplesso
