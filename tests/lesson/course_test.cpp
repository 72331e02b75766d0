// Lessons of the whole course, "≤", "≥" and "=" rows, min and max, negative known terms, played
// with the real lesson controller to their end and judged by GLPK's exact simplex.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>
#include <utility>

#include "exact_simplex.h"
#include "glpk_oracle.h"
#include "lesson.h"
#include "play_lesson.h"
#include "random_problems.h"
#include "random_share.h"
#include "recording_window.h"

namespace simplesso {
namespace {

using testing_support::FieldTexts;
using testing_support::Gap;
using testing_support::Outcome;
using testing_support::PlayedToTheEnd;
using testing_support::PlayToTheEnd;
using testing_support::RandomProblem;

constexpr int kMostPresses = 60;
const std::string kFalsified = "\nL'arrotondamento dei numeri della tabella ha falsato il risultato.";

enum class Kind { Optimal, Infeasible, Unbounded };

Kind KindOf(const Outcome& o) {
    return o.infeasible ? Kind::Infeasible : o.z ? Kind::Optimal : Kind::Unbounded;
}

Kind KindOf(StepReport::End end) {
    return end == StepReport::End::Infeasible  ? Kind::Infeasible
           : end == StepReport::End::Unbounded ? Kind::Unbounded
                                               : Kind::Optimal;
}

// Problems of every size a course uses, today's three by three among them (the precision's
// random lessons play that size alone).
TEST(Course, RandomLessonsEndAgreeWithGlpkOrSayRoundingFalsifiedThem) {
    testing_support::RandomProblems generator(20261208);
    int problems = 0, wrong = 0, notices = 0, pivotNotices = 0;
    std::array<int, 3> outcomes{};
    std::map<std::pair<int, int>, std::array<int, 3>> bySize;  // problems, wrong, notices
    const int count = testing_support::RandomCount(20000);
    for (; problems < count; ++problems) {
        const RandomProblem p = generator.NextOfAnySize();
        std::array<int, 3>& size = bySize[{p.texts.Variables(), p.texts.Rows()}];
        ++size[0];
        SCOPED_TRACE(testing::Message() << "problem " << problems);
        const Outcome glpk = testing_support::SolveWithGlpk(p.texts);
        ASSERT_TRUE(glpk.answered);
        const Kind kind = KindOf(glpk);
        ++outcomes[static_cast<int>(kind)];

        const ExactOptimum exact = *SolveExactly(p.texts, '.');
        const Kind exactKind = exact.Infeasible()  ? Kind::Infeasible
                               : exact.Unbounded() ? Kind::Unbounded
                                                   : Kind::Optimal;
        EXPECT_EQ(exactKind, kind);
        if (exactKind == Kind::Optimal && kind == Kind::Optimal) {
            EXPECT_LE(Gap(exact.z.get_d(), *glpk.z, 1e-9), 1) << exact.z << " against " << *glpk.z;
        }

        const PlayedToTheEnd e = PlayToTheEnd(p.texts, '.', kMostPresses);
        ASSERT_TRUE(e.end) << "no end after " << e.presses << " presses";
        bool agree = KindOf(e.end->end) == kind;
        if (agree && kind == Kind::Optimal) {
            const double gap = Gap(testing_support::Value(e.shownZ), *glpk.z, 1e-4);
            ASSERT_GT(std::abs(gap - 1), 1e-6) << "too close to the tolerance for GLPK to judge";
            agree = gap <= 1;
        }
        ASSERT_FALSE(e.messages.empty());
        const Message& end = e.messages.back();
        const bool noticed = end.text.find(kFalsified) != std::string::npos;
        EXPECT_EQ(noticed, !agree) << end.text;
        EXPECT_EQ(noticed, end.icon == MessageIcon::Warning) << end.text;
        wrong += !agree;
        notices += noticed;
        size[1] += !agree;
        size[2] += noticed;
        for (const Message& m : e.messages) {
            pivotNotices += m.text.starts_with("Con l'aritmetica esatta questo passo");
        }
    }
    std::cout << problems << " problems, " << outcomes[0] << " optimal, " << outcomes[1]
              << " infeasible, " << outcomes[2] << " unbounded, " << wrong << " wrong ends, "
              << notices << " end notices, " << pivotNotices << " pivot notices\n";
    for (int count : outcomes) {
        EXPECT_GE(count * 10, problems);
    }
    std::cout << "by size (variables x constraints: problems, wrong ends, end notices):";
    for (const auto& [size, counts] : bySize) {
        std::cout << (size.second == kMinRows ? "\n " : "") << " " << size.first << "x"
                  << size.second << ": " << counts[0] << ", " << counts[1] << ", " << counts[2]
                  << ";";
    }
    std::cout << "\n";
    EXPECT_EQ(bySize.size(), 7u * 8u);
}

// Six degenerate pivots would bring the slacks back; the press that would make the sixth says so
// and chooses by the smallest index from there, and the lesson ends on the exact outcome.
TEST(Course, ACyclingLessonTurnsToTheSmallestIndexRuleAndEnds) {
    for (const char* line : {"1 0 -1 0 / 0.1 -0.1 1.2 < 0 / 1.6 -1.5 1.6 < 0 / 0.2 -0.1 0.1 < 0",
                             "min -1 0 1 0 / 0.1 -0.1 1.2 < 0 / 1.6 -1.5 1.6 < 0 / "
                             "0.2 -0.1 0.1 < 0"}) {
        SCOPED_TRACE(line);
        testing_support::LessonPlayer played(line);
        std::vector<std::string> lines;
        for (int press = 0; press < kMostPresses && !played.lesson.EndPress(); ++press) {
            played.Press();
            lines.push_back(played.lesson.Explanation());
        }
        ASSERT_EQ(lines.size(), 7u);
        for (std::size_t press = 0; press < lines.size(); ++press) {
            EXPECT_EQ(lines[press].starts_with("Il metodo sta ciclando"), press == 5) << lines[press];
        }
        EXPECT_TRUE(played.state.MinimoIndice);
        EXPECT_EQ(played.window.messages, std::vector{UnboundedMessage("x2")});
        EXPECT_TRUE(played.lesson.ExactOutcome()->Unbounded());
    }
}

}  // namespace
}  // namespace simplesso
