// Random dual lessons, and random constraints added to random optima, of every size a course
// uses: played with the real lesson controller to their end and judged by GLPK's exact simplex.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "glpk_oracle.h"
#include "play_lesson.h"
#include "random_problems.h"
#include "random_share.h"

namespace simplesso {
namespace {

using testing_support::Gap;
using testing_support::Outcome;
using testing_support::PlayedToTheEnd;
using testing_support::PlayOn;

const std::string kFalsified = "\nL'arrotondamento dei numeri della tabella ha falsato il risultato.";

// How the lesson's end stands against GLPK's outcome of the problem the lesson shows.
struct Judged {
    bool agrees = false;
    bool noticed = false;
};

// Where the end agrees, the exact tableau beside the grid ends on GLPK's optimum too.
Judged Judge(const PlayedToTheEnd& played, const Outcome& glpk, const Lesson& lesson) {
    Judged judged;
    const StepReport::End end = played.end->end;
    if (glpk.infeasible || end == StepReport::End::Infeasible) {
        judged.agrees = glpk.infeasible && end == StepReport::End::Infeasible;
    } else if (glpk.z && end == StepReport::End::Optimal) {
        judged.agrees = Gap(testing_support::Value(played.shownZ), *glpk.z, 1e-4) <= 1;
    }
    const Message& last = played.messages.back();
    judged.noticed = last.text.find(kFalsified) != std::string::npos;
    const Shadow* exact = lesson.ExactTableau();
    if (judged.agrees && exact && glpk.z) {
        const mpq_class* z = exact->Value(exact->Layout().Objective(), 2);
        EXPECT_LE(Gap(z->get_d(), *glpk.z, 1e-9), 1) << *z << " against " << *glpk.z;
    }
    return judged;
}

// Every lesson of a random test, played on to its end and judged, counted by outcome.
struct Tally {
    int lessons = 0, optimal = 0, infeasible = 0, wrong = 0, notices = 0;

    // Plays the lesson on from where it stands; returns how it ended.
    PlayedToTheEnd PlayAndJudge(Lesson& lesson, const ProblemTexts& problem) {
        const Outcome glpk = testing_support::SolveWithGlpk(problem);
        EXPECT_TRUE(glpk.answered);
        PlayedToTheEnd played = testing_support::PlayOn(lesson, 80);
        EXPECT_TRUE(played.end) << "no end after " << played.presses << " presses";
        if (!played.end) {
            return played;
        }
        const Judged judged = Judge(played, glpk, lesson);
        EXPECT_EQ(judged.noticed, !judged.agrees) << played.messages.back().text;
        ++lessons;
        optimal += glpk.z.has_value();
        infeasible += glpk.infeasible;
        wrong += !judged.agrees;
        notices += judged.noticed;
        return played;
    }

    // The counts printed for the record.
    void Report(const std::string& what) const {
        std::cout << lessons << " " << what << ": " << optimal << " optimal, " << infeasible
                  << " infeasible, " << wrong << " wrong ends, " << notices << " end notices\n";
        EXPECT_GE(infeasible * 20, lessons);
    }
};

// Minimising with costs not negative, maximising with costs not positive, "≥" rows with some
// "≤" ones: the dual simplex starts at once and can never find the problem unbounded.
TEST(DualCourse, RandomDualLessonsEndAgreeWithGlpkOrSayRoundingFalsifiedThem) {
    testing_support::RandomProblems generator(20261209);
    Tally tally;
    for (int i = 0; i < testing_support::RandomCount(20000); ++i) {
        const ProblemTexts p = generator.NextForTheDual().texts;
        SCOPED_TRACE(testing::Message() << "problem " << i);
        ASSERT_FALSE(RefuseDual(p, '.'));
        testing_support::LessonPlayer player(p, "", '.', true);
        tally.PlayAndJudge(player.lesson, p);
    }
    tally.Report("dual lessons");
    EXPECT_EQ(tally.optimal + tally.infeasible, tally.lessons) << "never unbounded";
    EXPECT_GE(tally.optimal * 10, tally.lessons);
}

// Lessons of the whole course that end on an optimum get a random constraint, which the dual
// simplex then re-optimises; GLPK judges the problem with the row.
TEST(DualCourse, RandomConstraintsAddedToAnOptimumAgreeWithGlpk) {
    testing_support::RandomProblems generator(20261210);
    Tally tally;
    int tried = 0, stillOptimal = 0;
    while (tally.lessons < testing_support::RandomCount(10000)) {
        const ProblemTexts p = generator.NextOfAnySize().texts;
        const auto row = generator.NextRow(p.Variables());
        ++tried;
        if (p.Rows() >= kMaxRows) {
            continue;
        }
        testing_support::LessonPlayer player(p);
        PlayOn(player.lesson);
        if (!player.lesson.CanAddConstraint()) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << "lesson " << tried);
        ASSERT_TRUE(player.lesson.AddConstraint(row.coefficients, row.sense, row.known));
        const PlayedToTheEnd played = tally.PlayAndJudge(player.lesson, player.lesson.Problem());
        stillOptimal += played.presses == 1 && played.end->end == StepReport::End::Optimal;
    }
    tally.Report("constraints added to the optima of " + std::to_string(tried) + " lessons");
    std::cout << stillOptimal << " left the optimum standing\n";
    EXPECT_GE(stillOptimal * 10, tally.lessons);
}

}  // namespace
}  // namespace simplesso
