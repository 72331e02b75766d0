// The analysis of random problems against this test's own exact judgement of a basis (Cramer's
// rule over all bases) and GLPK's exact simplex: every range end is re-solved inside and just
// beyond, every price checked by the change of the optimum it predicts.
#include <glpk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <random>

#include "sensitivity.h"

namespace simplesso::sensitivity {
namespace {

using Q = mpq_class;
using Col = std::array<Q, 3>;
using Cols = std::array<int, 3>;

Col ColumnOf(const ExactProblem& p, int j) {
    Col col;
    for (int r = 0; r < 3; ++r) {
        col[r] = j < 3 ? p.a[r][j]
                       : Q(j - kFirstSlack != r             ? 0
                           : p.sense[r] == Sense::LessEqual ? 1
                                                            : -1);
    }
    return col;
}

Q Dot(const Col& a, const Col& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Q Det(const std::array<Col, 3>& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[1][0] * (m[0][1] * m[2][2] - m[0][2] * m[2][1]) +
           m[2][0] * (m[0][1] * m[1][2] - m[0][2] * m[1][1]);
}

// x with x[0] m[0] + x[1] m[1] + x[2] m[2] = rhs, m by columns; m must not be singular.
Col Cramer(const std::array<Col, 3>& m, const Col& rhs) {
    Col x;
    for (int k = 0; k < 3; ++k) {
        std::array<Col, 3> mk = m;
        mk[k] = rhs;
        x[k] = Det(mk) / Det(m);
    }
    return x;
}

struct Judged {
    bool feasible = true, optimal = true;
    Col xB, y, x{};  // x: x1..x3
    Q z = 0;
};

std::optional<Judged> Judge(const ExactProblem& p, const Cols& cols) {
    std::array<Col, 3> b, bt;
    Col cost;
    for (int k = 0; k < 3; ++k) {
        b[k] = ColumnOf(p, cols[k]);
        cost[k] = cols[k] < 3 ? p.c[cols[k]] : Q(0);
    }
    for (int r = 0; r < 3; ++r) {
        bt[r] = {b[0][r], b[1][r], b[2][r]};
    }
    if (Det(b) == 0) {
        return std::nullopt;
    }
    Judged j;
    j.xB = Cramer(b, Col{p.b[0], p.b[1], p.b[2]});
    j.y = Cramer(bt, cost);
    for (int k = 0; k < 3; ++k) {
        j.feasible = j.feasible && j.xB[k] >= 0;
        j.z += cost[k] * j.xB[k];
        if (cols[k] < 3) {
            j.x[cols[k]] = j.xB[k];
        }
    }
    for (int col = 0; col < kFirstArtificial; ++col) {
        if (col < 3 || p.sense[col - kFirstSlack] != Sense::Equal) {
            const Q reduced = (col < 3 ? p.c[col] : Q(0)) - Dot(j.y, ColumnOf(p, col));
            j.optimal =
                j.optimal && (p.direction == Direction::Maximise ? reduced <= 0 : reduced >= 0);
        }
    }
    return j;
}

bool OptimalAt(const ExactProblem& p, const Cols& cols) {
    const auto j = Judge(p, cols);
    return j && j->feasible && j->optimal;
}

// GLPK's exact simplex: Z and the row duals, or nothing when it finds no optimum.
std::optional<std::pair<double, std::array<double, 3>>> Glpk(const ExactProblem& p) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, p.direction == Direction::Maximise ? GLP_MAX : GLP_MIN);
    glp_add_rows(lp, 3);
    glp_add_cols(lp, 3);
    std::array<int, 10> ia{}, ja{};
    std::array<double, 10> ar{};
    for (int k = 1; k <= 9; ++k) {
        ia[k] = (k - 1) / 3 + 1;
        ja[k] = (k - 1) % 3 + 1;
        ar[k] = p.a[ia[k] - 1][ja[k] - 1].get_d();
    }
    for (int i = 1; i <= 3; ++i) {
        const Sense s = p.sense[i - 1];
        const double b = p.b[i - 1].get_d();
        glp_set_row_bnds(lp, i,
                         s == Sense::LessEqual ? GLP_UP
                         : s == Sense::Equal   ? GLP_FX
                                               : GLP_LO,
                         b, b);
        glp_set_col_bnds(lp, i, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, i, p.c[i - 1].get_d());
    }
    glp_load_matrix(lp, 9, ia.data(), ja.data(), ar.data());
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    std::optional<std::pair<double, std::array<double, 3>>> out;
    if (glp_exact(lp, &parm) == 0 && glp_get_status(lp) == GLP_OPT) {
        out = {glp_get_obj_val(lp),
               {glp_get_row_dual(lp, 1), glp_get_row_dual(lp, 2), glp_get_row_dual(lp, 3)}};
    }
    glp_delete_prob(lp);
    return out;
}

// Small integers, some known terms halved or negative, every sense and both directions.
ExactProblem Draw(std::mt19937& engine) {
    const auto below = [&](int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); };
    ExactProblem p;
    p.direction = below(2) ? Direction::Maximise : Direction::Minimise;
    for (auto& c : p.c) {
        c = below(10) - 3;
    }
    for (int r = 0; r < 3; ++r) {
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
    std::mt19937 engine(20261207);
    int drawn = 0, analysed = 0, degenerate = 0, multiple = 0, glpkDuals = 0;
    while (analysed < 10000 && drawn < 200000 && !HasFailure()) {
        ++drawn;
        const ExactProblem p = Draw(engine);
        std::vector<Cols> optimal, others;
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j)
                for (int k = j + 1; k < 6; ++k)
                    if (std::ranges::none_of(Cols{i, j, k}, [&](int c) {
                            return c >= 3 && p.sense[c - 3] == Sense::Equal;
                        }))
                        (OptimalAt(p, {i, j, k}) ? optimal : others).push_back({i, j, k});
        if (optimal.empty()) {
            continue;
        }
        ++analysed;
        SCOPED_TRACE("problem " + std::to_string(drawn));
        const Cols cols = optimal[0];
        const Judged j = *Judge(p, cols);
        // The rows the basic variables stand in do not matter: deal them out in any order.
        std::array<int, 3> row{0, 1, 2};
        std::shuffle(row.begin(), row.end(), engine);
        const auto a = Analyse(p, {cols[row[0]], cols[row[1]], cols[row[2]]});
        ASSERT_TRUE(a);
        EXPECT_TRUE(a->z == j.z && a->dual.w == j.z);
        for (int k = 0; k < 3; ++k) {
            const DualSign s = a->dual.sign[k];
            EXPECT_TRUE(a->rows[k].price.value == j.y[k] && a->dual.y[k] == j.y[k]);
            EXPECT_TRUE(s == DualSign::Free          ? p.sense[k] == Sense::Equal
                        : s == DualSign::NonNegative ? j.y[k] >= 0
                                                     : j.y[k] <= 0);
            const Q lhs = Dot({p.a[k][0], p.a[k][1], p.a[k][2]}, j.x);
            EXPECT_EQ(a->rows[k].slack.value,
                      p.sense[k] == Sense::Equal ? Q(0) : Q(abs(p.b[k] - lhs)));
            EXPECT_TRUE(a->variables[k].value.value == j.x[k] &&
                        a->variables[k].reducedCost.value == p.c[k] - Dot(j.y, ColumnOf(p, k)));
        }
        // Over a known term's range the basis stays feasible and the optimum moves by the
        // price; over a coefficient's range the basis stays optimal.
        for (int k = 0; k < 3; ++k) {
            CheckInterval(a->rows[k].known.from, a->rows[k].known.to, p.b[k], [&](const Q& bk) {
                ExactProblem q = p;
                q.b[k] = bk;
                const bool ok = OptimalAt(q, cols);
                EXPECT_TRUE(!ok || Judge(q, cols)->z == j.z + j.y[k] * (bk - p.b[k]))
                    << "row " << k + 1;
                return ok;
            });
            CheckInterval(a->variables[k].cost.from, a->variables[k].cost.to, p.c[k],
                          [&](const Q& ck) {
                              ExactProblem q = p;
                              q.c[k] = ck;
                              return OptimalAt(q, cols);
                          });
        }
        const auto noted = [&](const char* text) {
            return std::ranges::any_of(
                a->notes, [&](const auto& n) { return n.find(text) != std::string::npos; });
        };
        const bool isDegenerate = std::ranges::any_of(j.xB, [](const Q& v) { return v == 0; });
        const bool anotherVertex =
            std::ranges::any_of(optimal, [&](const Cols& c) { return Judge(p, c)->x != j.x; });
        EXPECT_EQ(noted("La soluzione ottima è degenere"), isDegenerate);
        EXPECT_TRUE(!noted("altro vertice ottimo") || anotherVertex);
        EXPECT_TRUE(isDegenerate || !anotherVertex || noted("infinite soluzioni ottime"));
        degenerate += isDegenerate;
        multiple += noted("infinite soluzioni ottime");
        if (!others.empty()) {
            const Cols& c = others[drawn % others.size()];
            EXPECT_FALSE(Analyse(p, {c[0], c[1], c[2]}));
        }
        const auto glpk = Glpk(p);
        ASSERT_TRUE(glpk);
        EXPECT_NEAR(glpk->first, j.z.get_d(), 1e-9 * std::max(1.0, std::abs(j.z.get_d())));
        for (int k = 0; k < 3 && !isDegenerate; ++k) {  // only then are the prices unique
            EXPECT_NEAR(glpk->second[k], j.y[k].get_d(), 1e-9) << "row " << k + 1;
        }
        glpkDuals += !isDegenerate;
    }
    EXPECT_EQ(analysed, 10000);
    std::cout << drawn << " problems drawn, " << analysed << " with an optimum analysed ("
              << degenerate << " degenerate, " << multiple << " with infinite optima), "
              << glpkDuals << " with their prices compared with GLPK's\n";
}

}  // namespace
}  // namespace simplesso::sensitivity
