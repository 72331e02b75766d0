// The analysis of random problems of every size against this test's own exact judgement of a
// basis (Gauss-Jordan over the rationals) and GLPK's exact simplex: the basis GLPK finds
// optimal is analysed, every range end is re-solved inside and just beyond, every price checked
// by the change of the optimum it predicts and against GLPK's row duals, and the notes against
// the tableau of that basis.
#include <glpk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "glpk_oracle.h"
#include "random_share.h"
#include "sensitivity.h"

namespace simplesso::sensitivity {
namespace {

using Q = mpq_class;
using Vec = std::vector<Q>;

// Whether the standard form has the variable, artificial ones aside: an "=" row has no slack.
bool Exists(const ExactProblem& p, int j) {
    return j < p.Variables() || p.sense[j - p.Variables()] != Sense::Equal;
}

// Gauss-Jordan with a pivot in row k on column pivots[k], any further row (the objective's)
// reduced along: false when those columns are singular.
bool Reduce(std::vector<Vec>& a, const std::vector<int>& pivots) {
    const auto end = a.begin() + static_cast<int>(pivots.size());
    for (int k = 0; k < static_cast<int>(pivots.size()); ++k) {
        const int col = pivots[k];
        const auto pivot =
            std::find_if(a.begin() + k, end, [&](const Vec& v) { return v[col] != 0; });
        if (pivot == end) {
            return false;
        }
        std::swap(*pivot, a[k]);
        const Q lead = a[k][col];
        std::ranges::for_each(a[k], [&](Q& v) { v /= lead; });
        for (int r = 0; r < static_cast<int>(a.size()); ++r) {
            const Q f = a[r][col];
            for (std::size_t i = 0; i < a[r].size() && r != k && f != 0; ++i) {
                a[r][i] -= f * a[k][i];
            }
        }
    }
    return true;
}

struct Judged {
    bool feasible = false, optimal = true;
    bool another = false;   // a column out of the basis enters at no cost and no basic 0 stops it
    Vec xB, y, x, reduced;  // x and reduced over x1..xn and the slacks
    Q z = 0;
    bool Optimal() const { return feasible && optimal; }
};

Judged Judge(const ExactProblem& p, const std::vector<int>& cols) {
    const int n = p.Variables(), m = p.Rows();
    // The standard form's rows over x1..xn and the slacks, with the known term last; the slot of
    // the slack an "=" row lacks holds its artificial variable. The objective's row below.
    std::vector<Vec> t;
    for (int r = 0; r < m; ++r) {
        t.emplace_back(p.a[r]);
        t[r].resize(n + m);
        t[r][n + r] = p.sense[r] == Sense::GreaterEqual ? -1 : 1;
        t[r].push_back(p.b[r]);
    }
    t.emplace_back(p.c);
    t[m].resize(n + m + 1);
    std::vector<int> pivots;
    for (const int c : cols) {
        pivots.push_back(c < n + m ? c : c - m);
    }
    Judged j;
    if (!Reduce(t, pivots)) {
        return j;
    }
    // Reduced, the final tableau: DELTA r and -Z in the last row.
    j.feasible = true;
    j.z = -t[m][n + m];
    j.x.resize(n + m);
    for (int k = 0; k < m; ++k) {
        j.xB.push_back(t[k][n + m]);
        j.x[pivots[k]] = j.xB[k];
        j.y.push_back(p.sense[k] == Sense::GreaterEqual ? t[m][n + k] : Q(-t[m][n + k]));
        j.feasible = j.feasible && j.xB[k] >= 0 && (cols[k] < n + m || j.xB[k] == 0);
    }
    for (int c = 0; c < n + m; ++c) {
        const Q& delta = t[m][c];
        j.reduced.push_back(delta);
        if (Exists(p, c) && std::ranges::find(cols, c) == cols.end()) {
            j.optimal = j.optimal && (p.direction == Direction::Maximise ? delta <= 0 : delta >= 0);
            bool blocked = false;
            for (int k = 0; k < m; ++k) {
                blocked =
                    blocked || (j.xB[k] == 0 && (cols[k] >= n + m ? t[k][c] != 0 : t[k][c] > 0));
            }
            j.another = j.another || (delta == 0 && !blocked);
        }
    }
    return j;
}

// GLPK's exact simplex: whether it finds an optimum, and there its row duals and basis in the
// analysis' indices.
bool Glpk(const ExactProblem& p, std::vector<double>& duals, std::vector<int>& basis) {
    const int n = p.Variables(), m = p.Rows();
    glp_prob* lp = testing_support::LoadIntoGlpk(p.direction, p.sense, n, [&](int r, int j) {
        return (r < 0 ? p.c[j] : j == n ? p.b[r] : p.a[r][j]).get_d();
    });
    const bool optimal = glp_exact(lp, nullptr) == 0 && glp_get_status(lp) == GLP_OPT;
    // x1..xn, then each row's own variable: its slack, or for a "=" row its artificial one.
    for (int i = 0; i < n + m && optimal; ++i) {
        if (i < n ? glp_get_col_stat(lp, i + 1) == GLP_BS
                  : glp_get_row_stat(lp, i - n + 1) == GLP_BS) {
            basis.push_back(i < n || p.sense[i - n] != Sense::Equal ? i
                                                                    : ArtificialIndex(n, m, i - n));
        }
        if (i >= n) {
            duals.push_back(glp_get_row_dual(lp, i - n + 1));
        }
    }
    glp_delete_prob(lp);
    return optimal;
}

// `holds` must be true at both ends (far out on an infinite side) and false just beyond them.
void CheckInterval(const Range& range, const Q& at, const auto& holds) {
    const Q beyond(1, 1024), far(1000);
    EXPECT_TRUE(holds(range.from ? *range.from : Q(at - far)));
    EXPECT_TRUE(holds(range.to ? *range.to : Q(at + far)));
    EXPECT_TRUE(!range.from || !holds(*range.from - beyond)) << "below " << range.from->get_str();
    EXPECT_TRUE(!range.to || !holds(*range.to + beyond)) << "above " << range.to->get_str();
}

TEST(RandomProblems, RangesPricesAndTheDualHoldExactlyAndAgreeWithGlpk) {
    const int kProblems = testing_support::RandomCount(3000);
    std::mt19937 engine(20261207);
    const auto below = [&](int k) { return static_cast<int>(engine() % static_cast<unsigned>(k)); };
    // The basis with its variables dealt out over the rows in any order: the analysis must not
    // care which row each stands in.
    const auto dealt = [&](std::vector<int> cols) {
        std::shuffle(cols.begin(), cols.end(), engine);
        return FinalBasis(cols.begin(), cols.end());
    };
    glp_term_out(GLP_OFF);
    int drawn = 0, analysed = 0;
    while (analysed < kProblems && ++drawn < 100 * kProblems && !HasFailure()) {
        // Every size in turn, 2..8 variables by 1..8 rows, drawn again until it has an optimum:
        // small integers, some known terms halved or negative, every sense and both directions.
        const int n = 2 + analysed % 7;
        const int m = 1 + analysed / 7 % 8;
        ExactProblem p(n, m);
        p.direction = below(2) ? Direction::Maximise : Direction::Minimise;
        for (auto& c : p.c) {
            c = below(10) - 3;
        }
        for (int r = 0; r < m; ++r) {
            for (auto& a : p.a[r]) {
                a = below(10) < 3 ? 0 : below(8) - 2;
            }
            p.b[r] = Q(below(16) - 3, below(4) ? 1 : 2);
            p.b[r].canonicalize();
            const int s = below(10);
            p.sense[r] = s < 6 ? Sense::LessEqual : s < 8 ? Sense::GreaterEqual : Sense::Equal;
        }
        std::vector<double> duals;
        std::vector<int> cols;
        if (!Glpk(p, duals, cols)) {
            continue;
        }
        ++analysed;
        SCOPED_TRACE(testing::Message() << "problem " << drawn << ", " << n << " × " << m);
        const Judged j = Judge(p, cols);
        const auto a = Analyse(p, dealt(cols));
        ASSERT_TRUE(j.Optimal() && a && static_cast<int>(a->rows.size()) == m &&
                    static_cast<int>(a->variables.size()) == n);
        EXPECT_TRUE(a->z == j.z && a->dual.w == j.z);
        for (int k = 0; k < m; ++k) {
            EXPECT_TRUE(a->rows[k].price.value == j.y[k] && a->rows[k].slack.value == j.x[n + k]);
            // The same basis as GLPK's: the same prices, unique or not.
            EXPECT_NEAR(duals[k], j.y[k].get_d(), 1e-9) << "row " << k + 1;
            // Over a known term's range the basis stays feasible and the optimum moves by the
            // price.
            CheckInterval(a->rows[k].known, p.b[k], [&](const Q& bk) {
                ExactProblem q = p;
                q.b[k] = bk;
                const Judged at = Judge(q, cols);
                EXPECT_TRUE(!at.Optimal() || at.z == j.z + j.y[k] * (bk - p.b[k]))
                    << "row " << k + 1;
                return at.Optimal();
            });
        }
        // Over a coefficient's range the basis stays optimal.
        for (int v = 0; v < n; ++v) {
            const VariableFigures& f = a->variables[v];
            EXPECT_TRUE(f.value.value == j.x[v] && f.reducedCost.value == j.reduced[v]);
            CheckInterval(f.cost, p.c[v], [&](const Q& cv) {
                ExactProblem q = p;
                q.c[v] = cv;
                return Judge(q, cols).Optimal();
            });
        }
        const auto noted = [&](const char* text) {
            return std::ranges::any_of(
                a->notes, [&](const auto& t) { return t.find(text) != std::string::npos; });
        };
        EXPECT_EQ(noted("La soluzione ottima è degenere"), std::ranges::count(j.xB, 0) > 0);
        EXPECT_EQ(noted("infinite soluzioni ottime"), j.another);
        // Any other choice of columns: taken exactly when the test's judge finds it optimal.
        std::vector<int> other(n + m);
        std::iota(other.begin(), other.end(), 0);
        std::erase_if(other, [&](int c) { return !Exists(p, c); });
        std::shuffle(other.begin(), other.end(), engine);
        if (static_cast<int>(other.size()) >= m) {
            other.resize(m);
            EXPECT_EQ(Analyse(p, dealt(other)).has_value(), Judge(p, other).Optimal());
        }
    }
    EXPECT_EQ(analysed, kProblems);
}

}  // namespace
}  // namespace simplesso::sensitivity
