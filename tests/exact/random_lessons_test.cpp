// Twenty thousand random lessons played with the real core and the exact side beside it, judged
// by GLPK's exact simplex: every lesson whose end is wrong carries the end notice, no right one
// does, and the exact optimum is GLPK's.
#include <glpk.h>
#include <gtest/gtest.h>

#include <iostream>

#include "exact_number.h"
#include "lesson.h"
#include "numbers.h"
#include "typed_problems.h"

namespace simplesso {
namespace {

double Double(const std::string& text) {
    return ReadDouble(text, '.').value_or(NAN);
}

// GLPK's exact simplex on the values the texts denote as doubles: the optimum, or NaN when the
// problem is unbounded.
double GlpkOptimum(const ProblemTexts& p) {
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
        for (int k = 3 * r - 2, v = 0; v < 3; ++k, ++v) {
            std::tie(ia[k], ja[k], ar[k]) = std::tuple(r, v + 1, Double(p.constraint[r - 1][v]));
        }
    }
    glp_load_matrix(lp, 9, ia, ja, ar);
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    EXPECT_EQ(glp_exact(lp, &parm), 0);
    const double z = glp_get_status(lp) == GLP_UNBND ? NAN : glp_get_obj_val(lp);
    EXPECT_TRUE(glp_get_status(lp) == GLP_UNBND || glp_get_status(lp) == GLP_OPT);
    glp_delete_prob(lp);
    return z;
}

// How far a value is from the reference, in units of the tolerance; infinite where one of them
// is unbounded (NaN) and the other is not.
double Gap(double value, double reference, double tolerance) {
    if (std::isnan(value) || std::isnan(reference)) {
        return std::isnan(value) && std::isnan(reference) ? 0 : INFINITY;
    }
    return std::abs(value - reference) / (tolerance * std::max(1.0, std::abs(reference)));
}

// Whatever the basis, the shadow's solution meets every constraint, slack included, exactly.
bool SolutionMeetsConstraints(const ProblemTexts& p, const Shadow& s) {
    bool meets = true;
    for (int r = 0; r < 3; ++r) {
        mpq_class lhs = *s.Value(8, r + 5);
        for (int v = 0; v < 3; ++v) {
            lhs += *ReadExact(p.constraint[r][v], '.') * *s.Value(8, v + 2);
        }
        meets = meets && lhs == *ReadExact(p.known[r], '.');
    }
    return meets;
}

TEST(RandomLessons, WrongEndsAreNoticedAndTheExactOptimumIsGlpks) {
    testing_support::TypedProblems generator(20240611);
    int problems = 0, ended = 0, wrong = 0, endNotices = 0, pivotNotices = 0, agreements = 0,
        rounded = 0;
    for (; problems < 20000; ++problems) {
        const ProblemTexts p = generator.Next();
        SCOPED_TRACE(testing::Message() << "problem " << problems);
        const auto exact = *SolveExactly(p, '.');
        const double glpk = GlpkOptimum(p);
        const bool agree = Gap(exact.unbounded ? NAN : exact.z.get_d(), glpk, 1e-9) <= 1;
        EXPECT_TRUE(agree) << FractionText(exact.z) << " against " << glpk;
        agreements += agree;

        testing_support::Lesson lesson(p);
        const bool shown = lesson.Play();
        pivotNotices += static_cast<int>(lesson.notices.size());
        EXPECT_TRUE(lesson.shadow->Lost() || SolutionMeetsConstraints(p, *lesson.shadow));
        if (!shown || !lesson.Ended()) {
            continue;  // the step failed or never ended: no end to check
        }
        ++ended;
        const std::string shownZ = lesson.grid.TextMatrix(9, 2);
        const double gap = Gap(lesson.ShownUnbounded() ? NAN : Double(shownZ), glpk, 1e-4);
        ASSERT_GT(std::abs(gap - 1), 1e-6) << "too close to the tolerance for GLPK to judge";
        const bool noticed = lesson.End() != lesson.window.messages[0];
        EXPECT_EQ(noticed, gap > 1) << lesson.End().text;
        wrong += gap > 1;
        endNotices += noticed;
        rounded += gap <= 1 && !lesson.ShownUnbounded() && ReadExact(shownZ, '.') != exact.z;
    }
    std::cout << problems << " problems, " << ended << " lessons ended, " << wrong
              << " of them wrong, " << endNotices << " end notices, " << pivotNotices
              << " pivot notices, " << rounded << " right ends that only round differently, "
              << agreements << " exact optima agree with GLPK\n";
}

}  // namespace
}  // namespace simplesso
