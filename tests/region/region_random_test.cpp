// The vertices of random problems, of two or three variables and one to eight rows, against a
// brute force written apart: every choice of three planes (two lines in the plane) solved by
// elimination, kept where it satisfies every row. The figure's faces and edges must then count as
// a polytope's do (Euler), and the region is unbounded exactly when it reaches a sum of
// coordinates beyond all its vertices'.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "random_share.h"
#include "region.h"
#include "region_problems.h"

namespace simplesso {
namespace {

using namespace testing_support;

struct Plane {
    std::vector<mpq_class> a;
    mpq_class b;
};

// Gauss-Jordan elimination on the chosen planes; empty when they do not meet in one point.
std::optional<std::vector<mpq_class>> Solve(std::vector<Plane> m) {
    const std::size_t n = m.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        while (p < n && m[p].a[c] == 0) {
            ++p;
        }
        if (p == n) {
            return std::nullopt;
        }
        std::swap(m[c], m[p]);
        for (std::size_t r = 0; r < n; ++r) {
            if (r != c && m[r].a[c] != 0) {
                const mpq_class f = m[r].a[c] / m[c].a[c];
                for (std::size_t k = 0; k < n; ++k) {
                    m[r].a[k] -= f * m[c].a[k];
                }
                m[r].b -= f * m[c].b;
            }
        }
    }
    std::vector<mpq_class> x(n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = m[i].b / m[i].a[i];
    }
    return x;
}

bool Feasible(const ExactProblem& p, const std::vector<mpq_class>& x) {
    for (const mpq_class& v : x) {
        if (v < 0) {
            return false;
        }
    }
    for (int r = 0; r < p.Rows(); ++r) {
        mpq_class s = 0;
        for (std::size_t k = 0; k < x.size(); ++k) {
            s += p.a[r][k] * x[k];
        }
        if ((p.sense[r] == kLe && s > p.b[r]) || (p.sense[r] == kGe && s < p.b[r]) ||
            (p.sense[r] == kEq && s != p.b[r])) {
            return false;
        }
    }
    return true;
}

// The feasible points where n of the planes meet, `fixed` always among them.
std::set<Point> BruteVertices(const ExactProblem& p, int n, std::optional<Plane> fixed = {}) {
    std::vector<Plane> planes;
    for (int r = 0; r < p.Rows(); ++r) {
        planes.push_back({{p.a[r].begin(), p.a[r].begin() + n}, p.b[r]});
    }
    for (int k = 0; k < n; ++k) {
        Plane axis{std::vector<mpq_class>(n, 0), 0};
        axis.a[k] = 1;
        planes.push_back(axis);
    }
    const int free = fixed ? n - 1 : n;
    std::set<Point> found;
    const int m = static_cast<int>(planes.size());
    // Every mask of m bits with `free` of them set: up to eleven planes, a few thousand masks.
    for (unsigned mask = 0; mask < (1u << m); ++mask) {
        if (std::popcount(mask) != free) {
            continue;
        }
        std::vector<Plane> chosen;
        for (int i = 0; i < m; ++i) {
            if (mask & (1u << i)) {
                chosen.push_back(planes[i]);
            }
        }
        if (fixed) {
            chosen.push_back(*fixed);
        }
        const auto x = Solve(chosen);
        if (x && Feasible(p, *x)) {
            Point point{0, 0, 0};
            std::copy(x->begin(), x->end(), point.begin());
            found.insert(point);
        }
    }
    return found;
}

int AffineRank(const std::vector<Point>& pts) {
    std::vector<Plane> rows;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        Plane d{{0, 0, 0}, 0};
        for (int k = 0; k < 3; ++k) {
            d.a[k] = pts[i][k] - pts[0][k];
        }
        rows.push_back(d);
    }
    int rank = 0;
    for (int c = 0; c < 3 && rank < static_cast<int>(rows.size()); ++c) {
        auto pivot = std::find_if(rows.begin() + rank, rows.end(),
                                  [&](const Plane& r) { return r.a[c] != 0; });
        if (pivot == rows.end()) {
            continue;
        }
        std::swap(*pivot, rows[rank]);
        for (std::size_t r = rank + 1; r < rows.size(); ++r) {
            const mpq_class f = rows[r].a[c] / rows[rank].a[c];
            for (int k = 0; k < 3; ++k) {
                rows[r].a[k] -= f * rows[rank].a[k];
            }
        }
        ++rank;
    }
    return rank;
}

// Two or three variables, one to eight rows; one problem in ten of three variables has no x3
// anywhere and so is drawn in the plane too.
ExactProblem RandomProblem(std::mt19937& random) {
    std::uniform_int_distribution<int> coefficient(-3, 4);
    std::uniform_int_distribution<int> known(-3, 9);
    std::uniform_int_distribution<int> sense(0, 5);
    std::uniform_int_distribution<int> rows(1, 8);
    const int n = random() % 3 == 0 ? 2 : 3;
    ExactProblem p(n, rows(random));
    const bool plane = n == 3 && random() % 10 == 0;
    for (int v = 0; v < n; ++v) {
        p.c[v] = plane && v == 2 ? 0 : coefficient(random);
    }
    for (int r = 0; r < p.Rows(); ++r) {
        for (int v = 0; v < n; ++v) {
            p.a[r][v] = plane && v == 2 ? 0 : coefficient(random);
        }
        p.b[r] = known(random);
        const int s = sense(random);  // mostly "<=", as the lessons are
        p.sense[r] = s < 4 ? kLe : s == 4 ? kGe : kEq;
    }
    return p;
}

TEST(Region, RandomProblemsAgainstBruteForce) {
    std::mt19937 random(20240615);
    int empty = 0, unbounded = 0, planar = 0, manyRows = 0;
    const int count = testing_support::RandomCount(10000);
    for (int i = 0; i < count; ++i) {
        const ExactProblem p = RandomProblem(random);
        const Region region = BuildRegion(p, {});
        const int n = region.plane ? 2 : 3;
        const std::set<Point> brute = BruteVertices(p, n);
        ASSERT_EQ(std::vector<Point>(brute.begin(), brute.end()), region.vertices) << "problem " << i;
        ASSERT_EQ(region.empty, brute.empty()) << "problem " << i;
        empty += region.empty;
        planar += region.plane;
        manyRows += p.Rows() > 4 && !region.empty;
        if (region.empty) {
            continue;
        }
        mpq_class top = 0;
        for (const Point& v : brute) {
            top = std::max(top, mpq_class(v[0] + v[1] + v[2]));
        }
        Plane beyond{std::vector<mpq_class>(n, 1), top + 1};
        const bool reachesBeyond = !BruteVertices(p, n, beyond).empty();
        ASSERT_EQ(region.bounded, !reachesBeyond) << "problem " << i;
        unbounded += !region.bounded;

        const int rank = AffineRank(region.corners);
        if (rank == 3) {
            ASSERT_EQ(region.corners.size() + region.faces.size(), region.edges.size() + 2)
                << "problem " << i;
        } else if (rank == 2 && n == 2) {
            ASSERT_EQ(region.faces.size(), 1u) << "problem " << i;
            ASSERT_EQ(region.edges.size(), region.corners.size()) << "problem " << i;
        }
    }
    // The draw must reach every kind of region, or the comparison proves little.
    for (int kind : {empty, unbounded, planar, manyRows}) {
        EXPECT_GT(kind * 40, count);
    }
}

}  // namespace
}  // namespace simplesso
