// Twenty thousand random lessons played with the real core and the exact side beside it, judged
// against GLPK's exact simplex: every lesson whose end is wrong carries the end notice, no right
// one does, and the exact optimum is GLPK's.
#include <glpk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>

#include "exact_number.h"
#include "lesson.h"
#include "numbers.h"
#include "typed_problems.h"

namespace simplesso {
namespace {

using testing_support::Lesson;

constexpr int kProblems = 20000;
constexpr double kEndTolerance = 1e-4;
constexpr double kGlpkTolerance = 1e-9;

struct Reference {
    bool unbounded = false;
    double z = 0;
};

double Double(const std::string& text) {
    return ReadDouble(text, '.').value_or(NAN);
}

// GLPK's exact simplex on the values the texts denote as doubles; empty when it fails.
std::optional<Reference> SolveWithGlpk(const ProblemTexts& p) {
    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MAX);
    glp_add_rows(lp, 3);
    glp_add_cols(lp, 3);
    int ia[10], ja[10];
    double ar[10];
    for (int r = 1; r <= 3; ++r) {
        glp_set_row_bnds(lp, r, GLP_UP, 0, Double(p.known[r - 1]));
        glp_set_col_bnds(lp, r, GLP_LO, 0, 0);
        glp_set_obj_coef(lp, r, Double(p.objective[r - 1]));
        for (int v = 1; v <= 3; ++v) {
            const int k = 3 * (r - 1) + v;
            ia[k] = r;
            ja[k] = v;
            ar[k] = Double(p.constraint[r - 1][v - 1]);
        }
    }
    glp_load_matrix(lp, 9, ia, ja, ar);
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    std::optional<Reference> ref;
    if (glp_exact(lp, &parm) == 0 && glp_get_status(lp) == GLP_OPT) {
        ref = Reference{false, glp_get_obj_val(lp)};
    } else if (glp_get_status(lp) == GLP_UNBND) {
        ref = Reference{true, 0};
    }
    glp_delete_prob(lp);
    return ref;
}

double Gap(double shown, double reference, double tolerance) {
    return std::abs(shown - reference) / (tolerance * std::max(1.0, std::abs(reference)));
}

// The exact optimum is a feasible point that gives its own Z.
bool Feasible(const ProblemTexts& p, const ExactOptimum& o) {
    mpq_class z;
    for (int v = 0; v < 3; ++v) {
        z += *ReadExact(p.objective[v], '.') * o.x[v];
    }
    bool feasible = z == o.z;
    for (int r = 0; r < 3; ++r) {
        mpq_class lhs;
        for (int v = 0; v < 3; ++v) {
            lhs += *ReadExact(p.constraint[r][v], '.') * o.x[v];
            feasible = feasible && o.x[v] >= 0;
        }
        feasible = feasible && lhs <= *ReadExact(p.known[r], '.');
    }
    return feasible;
}

// Whatever the basis, the shadow's solution row meets every constraint, slack included, with
// equality.
bool SolutionMeetsConstraints(const ProblemTexts& p, const Shadow& s) {
    for (int r = 0; r < 3; ++r) {
        mpq_class lhs = *s.Value(8, r + 5);
        for (int v = 0; v < 3; ++v) {
            lhs += *ReadExact(p.constraint[r][v], '.') * *s.Value(8, v + 2);
        }
        if (lhs != *ReadExact(p.known[r], '.')) {
            return false;
        }
    }
    return true;
}

struct Counts {
    int problems = 0, ended = 0, wrongEnds = 0, endNotices = 0, pivotNotices = 0,
        glpkAgreements = 0, borderline = 0, roundedRight = 0;
};

TEST(RandomLessons, WrongEndsAreNoticedAndTheExactOptimumIsGlpks) {
    testing_support::TypedProblems generator(20240611);
    Counts n;
    for (; n.problems < kProblems; ++n.problems) {
        const ProblemTexts p = generator.Next();
        SCOPED_TRACE(testing::Message() << "problem " << n.problems);
        const auto exact = SolveExactly(p, '.');
        const auto glpk = SolveWithGlpk(p);
        ASSERT_TRUE(exact && glpk);
        const bool agree = exact->unbounded == glpk->unbounded &&
                           Gap(exact->z.get_d(), glpk->z, kGlpkTolerance) <= 1;
        n.glpkAgreements += agree;
        EXPECT_TRUE(agree) << FractionText(exact->z) << " against " << glpk->z;
        EXPECT_TRUE(exact->unbounded || Feasible(p, *exact));

        Lesson lesson(p);
        lesson.PlayToEnd();
        n.pivotNotices += static_cast<int>(lesson.pivotNotices.size());
        if (!lesson.shadow->Lost()) {
            EXPECT_TRUE(SolutionMeetsConstraints(p, *lesson.shadow));
        }
        const auto checked = lesson.CheckedEndMessage();
        if (!checked) {
            continue;  // the step failed or never ended: no end to check
        }
        ++n.ended;
        const bool noticed = *checked != *lesson.end;
        n.endNotices += noticed;
        const double gap = Gap(Double(lesson.grid.TextMatrix(9, 2)), glpk->z, kEndTolerance);
        if (!lesson.shownUnbounded && !glpk->unbounded && std::abs(gap - 1) < 1e-6) {
            ++n.borderline;  // too close to the tolerance for a double reference to judge
            continue;
        }
        const bool wrong =
            lesson.shownUnbounded != glpk->unbounded || (!glpk->unbounded && gap > 1);
        n.wrongEnds += wrong;
        n.roundedRight += !wrong && !lesson.shownUnbounded &&
                          ReadExact(lesson.grid.TextMatrix(9, 2), '.') != exact->z;
        EXPECT_EQ(noticed, wrong) << checked->text;
    }
    std::cout << "problems " << n.problems << ", lessons ended " << n.ended << ", ending wrong "
              << n.wrongEnds << ", end notices " << n.endNotices << ", pivot notices "
              << n.pivotNotices << ", right ends that only round differently " << n.roundedRight
              << ", GLPK agreements " << n.glpkAgreements << ", too close to judge " << n.borderline
              << "\n";
}

}  // namespace
}  // namespace simplesso
