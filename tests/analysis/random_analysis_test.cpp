// The analysis of random problems of every size against this test's own exact judgement of a
// basis (Gauss-Jordan over the rationals) and GLPK's exact simplex: the basis GLPK finds
// optimal is analysed, every range end is re-solved inside and just beyond, every price checked
// by the change of the optimum it predicts and against GLPK's row duals, and the notes against
// the optimal face GLPK explores.
#include <glpk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <iostream>
#include <numeric>
#include <random>

#include "random_share.h"
#include "sensitivity.h"

namespace simplesso::sensitivity {
namespace {

using Q = mpq_class;
using Vec = std::vector<Q>;

bool IsArtificial(const ExactProblem& p, int j) {
    return j >= ArtificialIndex(p.Variables(), p.Rows(), 0);
}

// Whether the standard form has the variable: an "=" row has no slack.
bool Exists(const ExactProblem& p, int j) {
    const int n = p.Variables();
    return j < n || IsArtificial(p, j) || p.sense[j - n] != Sense::Equal;
}

// The variable's column in the typed rows; an artificial one's sign does not matter here, as
// it must stay 0.
Vec ColumnOf(const ExactProblem& p, int j) {
    const int n = p.Variables();
    const int m = p.Rows();
    Vec col(m);
    for (int r = 0; r < m; ++r) {
        col[r] = j < n                            ? p.a[r][j]
                 : j == ArtificialIndex(n, m, r)  ? Q(1)
                 : j != SlackIndex(n, r)          ? Q(0)
                 : p.sense[r] == Sense::LessEqual ? Q(1)
                                                  : Q(-1);
    }
    return col;
}

Q Dot(const Vec& a, const Vec& b) {
    return std::inner_product(a.begin(), a.end(), b.begin(), Q(0));
}

// x with a x = rhs, a square by rows; empty when a is singular.
std::optional<Vec> Solve(std::vector<Vec> a, Vec rhs) {
    const std::size_t size = a.size();
    for (std::size_t col = 0; col < size; ++col) {
        std::size_t pivot = col;
        while (pivot < size && a[pivot][col] == 0) {
            ++pivot;
        }
        if (pivot == size) {
            return std::nullopt;
        }
        std::swap(a[pivot], a[col]);
        std::swap(rhs[pivot], rhs[col]);
        for (std::size_t r = 0; r < size; ++r) {
            if (r != col && a[r][col] != 0) {
                const Q f = a[r][col] / a[col][col];
                for (std::size_t k = col; k < size; ++k) {
                    a[r][k] -= f * a[col][k];
                }
                rhs[r] -= f * rhs[col];
            }
        }
    }
    for (std::size_t r = 0; r < size; ++r) {
        rhs[r] /= a[r][r];
    }
    return rhs;
}

struct Judged {
    bool feasible = true, optimal = true;
    Vec xB, y, x;  // x: x1..xn
    Q z = 0;
    bool zeroReducedOutside = false;  // a column out of the basis that could enter for free
};

std::optional<Judged> Judge(const ExactProblem& p, const std::vector<int>& cols) {
    const int n = p.Variables();
    const int m = p.Rows();
    std::vector<Vec> b(m, Vec(m)), bt(m, Vec(m));
    Vec cost(m);
    for (int k = 0; k < m; ++k) {
        const Vec col = ColumnOf(p, cols[k]);
        for (int r = 0; r < m; ++r) {
            b[r][k] = bt[k][r] = col[r];
        }
        cost[k] = cols[k] < n ? p.c[cols[k]] : Q(0);
    }
    auto xB = Solve(b, p.b);
    if (!xB) {
        return std::nullopt;
    }
    Judged j;
    j.xB = std::move(*xB);
    j.y = *Solve(bt, cost);
    j.x.resize(n);
    for (int k = 0; k < m; ++k) {
        j.feasible = j.feasible && j.xB[k] >= 0 && (!IsArtificial(p, cols[k]) || j.xB[k] == 0);
        j.z += cost[k] * j.xB[k];
        if (cols[k] < n) {
            j.x[cols[k]] = j.xB[k];
        }
    }
    for (int col = 0; col < ArtificialIndex(n, m, 0); ++col) {
        if (Exists(p, col) && std::ranges::find(cols, col) == cols.end()) {
            Q reduced = col < n ? p.c[col] : Q(0);
            for (int r = 0; r < m; ++r) {
                reduced -= j.y[r] * (col < n                          ? p.a[r][col]
                                     : col != SlackIndex(n, r)        ? Q(0)
                                     : p.sense[r] == Sense::LessEqual ? Q(1)
                                                                      : Q(-1));
            }
            j.optimal =
                j.optimal && (p.direction == Direction::Maximise ? reduced <= 0 : reduced >= 0);
            j.zeroReducedOutside = j.zeroReducedOutside || reduced == 0;
        }
    }
    return j;
}

bool OptimalAt(const ExactProblem& p, const std::vector<int>& cols) {
    const auto j = Judge(p, cols);
    return j && j->feasible && j->optimal;
}

// The problem in GLPK, with room for one more row.
glp_prob* Load(const ExactProblem& p) {
    const int n = p.Variables();
    const int m = p.Rows();
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, p.direction == Direction::Maximise ? GLP_MAX : GLP_MIN);
    glp_add_rows(lp, m);
    glp_add_cols(lp, n);
    std::vector<int> ia{0}, ja{0};
    std::vector<double> ar{0};
    for (int r = 1; r <= m; ++r) {
        const Sense s = p.sense[r - 1];
        const double b = p.b[r - 1].get_d();
        glp_set_row_bnds(lp, r,
                         s == Sense::LessEqual ? GLP_UP
                         : s == Sense::Equal   ? GLP_FX
                                               : GLP_LO,
                         b, b);
        for (int j = 1; j <= n; ++j) {
            ia.push_back(r);
            ja.push_back(j);
            ar.push_back(p.a[r - 1][j - 1].get_d());
        }
    }
    for (int j = 1; j <= n; ++j) {
        glp_set_col_bnds(lp, j, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, j, p.c[j - 1].get_d());
    }
    glp_load_matrix(lp, n * m, ia.data(), ja.data(), ar.data());
    return lp;
}

// GLP_OPT, GLP_NOFEAS, GLP_UNBND; -1 where GLPK could not solve it at all.
int Exact(glp_prob* lp) {
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    return glp_exact(lp, &parm) == 0 ? glp_get_status(lp) : -1;
}

struct GlpkOptimum {
    double z;
    std::vector<double> duals;
    std::vector<int> basis;  // standard-form indices, as the analysis takes them
};

// GLPK's exact simplex: Z, the row duals and the optimal basis, or nothing without an optimum.
std::optional<GlpkOptimum> Glpk(const ExactProblem& p) {
    const int n = p.Variables();
    const int m = p.Rows();
    glp_prob* lp = Load(p);
    std::optional<GlpkOptimum> out;
    if (Exact(lp) == GLP_OPT) {
        out.emplace();
        out->z = glp_get_obj_val(lp);
        for (int r = 0; r < m; ++r) {
            out->duals.push_back(glp_get_row_dual(lp, r + 1));
            // A row's own variable in the basis: its slack, or for a "=" row its artificial.
            if (glp_get_row_stat(lp, r + 1) == GLP_BS) {
                out->basis.push_back(p.sense[r] == Sense::Equal ? ArtificialIndex(n, m, r)
                                                                : SlackIndex(n, r));
            }
        }
        for (int j = 0; j < n; ++j) {
            if (glp_get_col_stat(lp, j + 1) == GLP_BS) {
                out->basis.push_back(j);
            }
        }
    }
    glp_delete_prob(lp);
    return out;
}

// Whether the optimal face holds another point than x: a generic objective over it, Z held
// exactly, moves away from x one way or the other, or has no end.
bool AnotherOptimum(const ExactProblem& p, const Q& z, const Vec& x, std::mt19937& engine) {
    const int n = p.Variables();
    const int m = p.Rows();
    glp_prob* lp = Load(p);
    // Z = num/den as den·c·x = num: integers, exact in GLPK's doubles.
    glp_add_rows(lp, 1);
    glp_set_row_bnds(lp, m + 1, GLP_FX, z.get_num().get_d(), z.get_num().get_d());
    std::vector<int> ja{0};
    std::vector<double> ar{0};
    for (int j = 1; j <= n; ++j) {
        const Q coefficient = z.get_den() * p.c[j - 1];
        EXPECT_EQ(Q(coefficient.get_d()), coefficient);
        ja.push_back(j);
        ar.push_back(coefficient.get_d());
        glp_set_obj_coef(lp, j, static_cast<double>(1 + engine() % 1000000));
    }
    EXPECT_EQ(Q(z.get_num().get_d()), z.get_num());
    glp_set_mat_row(lp, m + 1, n, ja.data(), ar.data());
    bool another = false;
    for (const int direction : {GLP_MAX, GLP_MIN}) {
        glp_set_obj_dir(lp, direction);
        const int status = Exact(lp);
        EXPECT_TRUE(status == GLP_OPT || status == GLP_UNBND) << status;
        for (int j = 0; j < n && status == GLP_OPT; ++j) {
            const double at = x[j].get_d();
            another = another || std::abs(glp_get_col_prim(lp, j + 1) - at) >
                                     1e-9 * std::max(1.0, std::abs(at));
        }
        another = another || status != GLP_OPT;
    }
    glp_delete_prob(lp);
    return another;
}

// Of n variables and m rows: small integers, some known terms halved or negative, every sense
// and both directions.
ExactProblem Draw(std::mt19937& engine, int n, int m) {
    const auto below = [&](int k) { return static_cast<int>(engine() % static_cast<unsigned>(k)); };
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
    return p;
}

// The basis with its variables dealt out over the rows in any order: the analysis must not
// care which row each stands in.
FinalBasis Dealt(const std::vector<int>& cols, std::mt19937& engine) {
    FinalBasis basis(cols.begin(), cols.end());
    std::shuffle(basis.begin(), basis.end(), engine);
    return basis;
}

// `holds` must be true at both ends (far out on an infinite side) and false just beyond them.
void CheckInterval(const Bound& from, const Bound& to, const Q& at,
                   const std::function<bool(const Q&)>& holds) {
    const Q beyond(1, 1024), far(1000);
    EXPECT_TRUE(holds(from ? *from : Q(at - far)));
    EXPECT_TRUE(holds(to ? *to : Q(at + far)));
    EXPECT_TRUE(!from || !holds(*from - beyond)) << "below " << from->get_str();
    EXPECT_TRUE(!to || !holds(*to + beyond)) << "above " << to->get_str();
}

TEST(RandomProblems, RangesPricesAndTheDualHoldExactlyAndAgreeWithGlpk) {
    const int kProblems = testing_support::RandomCount(3000);
    std::mt19937 engine(20261207);
    const auto below = [&](int k) { return static_cast<int>(engine() % static_cast<unsigned>(k)); };
    int drawn = 0, analysed = 0, degenerate = 0, multiple = 0, refused = 0;
    std::array<std::array<int, 9>, 9> sizes{};  // analysed, by n and m
    const auto start = std::chrono::steady_clock::now();
    while (analysed < kProblems && drawn < 100 * kProblems && !HasFailure()) {
        ++drawn;
        const int n = 2 + below(7);
        const int m = 1 + below(8);
        const ExactProblem p = Draw(engine, n, m);
        const auto glpk = Glpk(p);
        if (!glpk) {
            continue;
        }
        ++analysed;
        ++sizes[n][m];
        SCOPED_TRACE("problem " + std::to_string(drawn) + ", " + std::to_string(n) + " × " +
                     std::to_string(m));
        const std::vector<int>& cols = glpk->basis;
        ASSERT_EQ(static_cast<int>(cols.size()), m);
        ASSERT_TRUE(OptimalAt(p, cols));
        const Judged j = *Judge(p, cols);
        const auto a = Analyse(p, Dealt(cols, engine));
        ASSERT_TRUE(a);
        ASSERT_EQ(a->rows.size(), static_cast<std::size_t>(m));
        ASSERT_EQ(a->variables.size(), static_cast<std::size_t>(n));
        EXPECT_TRUE(a->z == j.z && a->dual.w == j.z);
        EXPECT_NEAR(glpk->z, j.z.get_d(), 1e-9 * std::max(1.0, std::abs(j.z.get_d())));
        for (int k = 0; k < m; ++k) {
            const DualSign s = a->dual.sign[k];
            EXPECT_TRUE(a->rows[k].price.value == j.y[k] && a->dual.y[k] == j.y[k]);
            // The same basis as GLPK's: the same prices, unique or not.
            EXPECT_NEAR(glpk->duals[k], j.y[k].get_d(), 1e-9) << "row " << k + 1;
            EXPECT_TRUE(s == DualSign::Free          ? p.sense[k] == Sense::Equal
                        : s == DualSign::NonNegative ? j.y[k] >= 0
                                                     : j.y[k] <= 0);
            EXPECT_EQ(a->rows[k].slack.value,
                      p.sense[k] == Sense::Equal ? Q(0) : Q(abs(p.b[k] - Dot(p.a[k], j.x))));
        }
        for (int v = 0; v < n; ++v) {
            EXPECT_TRUE(a->variables[v].value.value == j.x[v] &&
                        a->variables[v].reducedCost.value == p.c[v] - Dot(j.y, ColumnOf(p, v)));
        }
        // Over a known term's range the basis stays feasible and the optimum moves by the
        // price; over a coefficient's range the basis stays optimal.
        for (int k = 0; k < m; ++k) {
            CheckInterval(a->rows[k].known.from, a->rows[k].known.to, p.b[k], [&](const Q& bk) {
                ExactProblem q = p;
                q.b[k] = bk;
                const auto at = Judge(q, cols);
                const bool ok = at && at->feasible && at->optimal;
                EXPECT_TRUE(!ok || at->z == j.z + j.y[k] * (bk - p.b[k])) << "row " << k + 1;
                return ok;
            });
        }
        for (int v = 0; v < n; ++v) {
            CheckInterval(a->variables[v].cost.from, a->variables[v].cost.to, p.c[v],
                          [&](const Q& cv) {
                              ExactProblem q = p;
                              q.c[v] = cv;
                              return OptimalAt(q, cols);
                          });
        }
        // A column outside the basis at no cost is needed for any other optimum.
        const bool another = j.zeroReducedOutside && AnotherOptimum(p, j.z, j.x, engine);
        const auto noted = [&](const char* text) {
            return std::ranges::any_of(
                a->notes, [&](const auto& note) { return note.find(text) != std::string::npos; });
        };
        const bool isDegenerate = std::ranges::any_of(j.xB, [](const Q& v) { return v == 0; });
        EXPECT_EQ(noted("La soluzione ottima è degenere"), isDegenerate);
        EXPECT_TRUE(!noted("infinite soluzioni ottime") || another);
        EXPECT_TRUE(isDegenerate || !another || noted("infinite soluzioni ottime"));
        degenerate += isDegenerate;
        multiple += noted("infinite soluzioni ottime");
        // Any other choice of columns: taken exactly when the test's judge finds it optimal.
        std::vector<int> candidates;
        for (int c = 0; c < ArtificialIndex(n, m, 0); ++c) {
            if (Exists(p, c)) {
                candidates.push_back(c);
            }
        }
        if (static_cast<int>(candidates.size()) >= m) {
            std::shuffle(candidates.begin(), candidates.end(), engine);
            candidates.resize(m);
            const bool optimal = OptimalAt(p, candidates);
            EXPECT_EQ(Analyse(p, Dealt(candidates, engine)).has_value(), optimal);
            refused += !optimal;
        }
    }
    EXPECT_EQ(analysed, kProblems);
    for (int n = 2; n <= 8; ++n) {
        for (int m = 1; m <= 8; ++m) {
            EXPECT_GT(sizes[n][m], 0) << n << " × " << m;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << drawn << " problems drawn, " << analysed << " with an optimum analysed ("
              << degenerate << " degenerate, " << multiple << " with infinite optima), " << refused
              << " other bases refused, in " << took.count() << " s\n";
}

}  // namespace
}  // namespace simplesso::sensitivity
