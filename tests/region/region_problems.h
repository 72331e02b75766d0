// Problems of the region's tests written as whole numbers, row by row.
#pragma once

#include <array>
#include <initializer_list>

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

inline constexpr Sense kLe = Sense::LessEqual;
inline constexpr Sense kGe = Sense::GreaterEqual;
inline constexpr Sense kEq = Sense::Equal;

inline ExactProblem WorkedExample() {
    return Lp({4, 6, 2}, {{{{2, 1, 3}, kLe, 18}, {{1, 2, 4}, kLe, 8}, {{3, 1, 1}, kLe, 15}}});
}

inline Point P(mpq_class x1, mpq_class x2, mpq_class x3 = 0) {
    return {x1, x2, x3};
}

}  // namespace simplesso::testing_support
