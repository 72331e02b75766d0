// Problems of the region's tests written as whole numbers, row by row.
#pragma once

#include <array>
#include <initializer_list>
#include <vector>

#include "exact_problem.h"
#include "region.h"

namespace simplesso::testing_support {

struct Row {
    std::array<long, 3> a;
    Sense sense;
    long b;
};

inline ExactProblem Lp(std::array<long, 3> c, std::array<Row, 3> rows,
                       Direction direction = Direction::Maximise) {
    ExactProblem p;
    p.direction = direction;
    for (int v = 0; v < 3; ++v) {
        p.c[v] = c[v];
    }
    for (int r = 0; r < 3; ++r) {
        for (int v = 0; v < 3; ++v) {
            p.a[r][v] = rows[r].a[v];
        }
        p.sense[r] = rows[r].sense;
        p.b[r] = rows[r].b;
    }
    return p;
}

// A problem of any size, as the lesson types it: the objective gives the number of variables,
// every row must have as many coefficients.
struct RowOf {
    std::vector<long> a;
    Sense sense;
    long b;
};

inline ExactProblem Typed(const std::vector<long>& c, const std::vector<RowOf>& rows,
                          Direction direction = Direction::Maximise) {
    const int n = static_cast<int>(c.size());
    ExactProblem p(n, static_cast<int>(rows.size()));
    p.direction = direction;
    for (int v = 0; v < n; ++v) {
        p.c[v] = c[v];
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int v = 0; v < n; ++v) {
            p.a[r][v] = rows[r].a.at(v);
        }
        p.sense[r] = rows[r].sense;
        p.b[r] = rows[r].b;
    }
    return p;
}

inline constexpr Sense kLe = Sense::LessEqual;
inline constexpr Sense kGe = Sense::GreaterEqual;
inline constexpr Sense kEq = Sense::Equal;

inline ExactProblem WorkedExample() {
    return Lp({4, 6, 2}, {{{{2, 1, 3}, kLe, 18}, {{1, 2, 4}, kLe, 8}, {{3, 1, 1}, kLe, 15}}});
}

// max 3x1 + 5x2 with x1 <= 4, 2x2 <= 12, 3x1 + 2x2 <= 18 and x1 + x2 <= 10, which the others
// already keep: the pentagon (0; 0), (0; 6), (2; 6), (4; 3), (4; 0), the optimum at (2; 6).
inline ExactProblem TwoByFour() {
    return Typed({3, 5},
                 {{{1, 0}, kLe, 4}, {{0, 2}, kLe, 12}, {{3, 2}, kLe, 18}, {{1, 1}, kLe, 10}});
}

// The cube [0, 2]^3 with x1 + x2 <= 3 cutting off the edge over (2; 2) and x1 + x2 + x3 <= 4
// the corner above it: ten vertices, eight faces, sixteen edges.
inline ExactProblem ThreeByFive() {
    return Typed({1, 1, 1}, {{{1, 0, 0}, kLe, 2},
                             {{0, 1, 0}, kLe, 2},
                             {{0, 0, 1}, kLe, 2},
                             {{1, 1, 0}, kLe, 3},
                             {{1, 1, 1}, kLe, 4}});
}

inline Point P(mpq_class x1, mpq_class x2, mpq_class x3 = 0) {
    return {x1, x2, x3};
}

}  // namespace simplesso::testing_support
