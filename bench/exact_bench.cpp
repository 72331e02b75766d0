// The exact side's cost per press of the step button: checking and replaying the pivot on the
// shadow, and at the press that ends the lesson also the exact optimum and the end check. The
// lessons are played with the real core beforehand; only the exact side is timed.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "branch_and_bound.h"
#include "exact_simplex.h"
#include "notices.h"
#include "random_knapsacks.h"
#include "random_problems.h"
#include "recording_window.h"
#include "setup.h"
#include "step.h"

namespace {

using namespace simplesso;

struct PlayedLesson {
    ProblemTexts fields;
    bool dual = false;
    std::vector<StepReport> presses;
    Message end;
    StepReport::End shown = StepReport::End::None;
    std::string shownZ;
};

PlayedLesson Play(const ProblemTexts& fields, bool dual = false) {
    PlayedLesson lesson;
    lesson.fields = fields;
    lesson.dual = dual;
    Grid grid;
    FormState state{false, true, 8, 8};
    state.Duale = dual;
    testing_support::RecordingWindow window;
    ImpostaTabella(grid, state, fields, '.', window);
    while (window.messages.empty() && lesson.presses.size() < 200) {
        lesson.presses.push_back(Simplesso(grid, state, fields, '.', window));
    }
    lesson.end = window.messages.empty() ? Message{} : window.messages[0];
    lesson.shown = lesson.presses.back().end;
    lesson.shownZ = grid.TextMatrix(TableauRows::Of(grid.Rows()).Objective(), 2);
    return lesson;
}

// Everything the exact side does in one lesson; returns the notices, so that nothing is dropped.
int ExactSide(const PlayedLesson& lesson) {
    auto shadow = Shadow::Build(lesson.fields, '.', lesson.dual ? 0 : lesson.fields.Rows());
    int notices = 0;
    for (const StepReport& press : lesson.presses) {
        if (shadow->Lost()) {
            break;
        }
        switch (press.kind) {
            case StepReport::Kind::Pivot:
            case StepReport::Kind::ArtificialOut:
                notices += PivotNotice(shadow->Check(press.col, press.row), press.entering,
                                       {shadow->Minimising(),
                                        press.kind == StepReport::Kind::ArtificialOut, press.dual},
                                       '.', press.leaving)
                               .has_value();
                shadow->Pivot(press.col, press.row);
                break;
            case StepReport::Kind::RowDropped:
                shadow->DropRow(press.row);
                break;
            case StepReport::Kind::PhaseSwitch:
                shadow->SwitchPhase();
                break;
            default:
                break;
        }
    }
    const auto exact = SolveExactly(lesson.fields, '.');
    const Message end = CheckedEnd(lesson.end, lesson.shown, lesson.shownZ, *exact, '.');
    return notices + (end != lesson.end);
}

void Run(benchmark::State& s, const std::vector<PlayedLesson>& lessons) {
    int presses = 0;
    for (const PlayedLesson& lesson : lessons) {
        presses += static_cast<int>(lesson.presses.size());
    }
    for (auto _ : s) {
        int notices = 0;
        for (const PlayedLesson& lesson : lessons) {
            notices += ExactSide(lesson);
        }
        benchmark::DoNotOptimize(notices);
    }
    s.counters["presses"] = presses;
    s.counters["time/press"] = benchmark::Counter(
        presses, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void WorkedExample(benchmark::State& s) {
    Run(s, {Play(testing_support::Typed("4 6 2 0 / 2 1 3 18 / 1 2 4 8 / 3 1 1 15"))});
}
BENCHMARK(WorkedExample);

void HundredRandomProblems(benchmark::State& s) {
    testing_support::RandomProblems generator(2024);
    std::vector<PlayedLesson> lessons;
    for (int i = 0; i < 100; ++i) {
        lessons.push_back(Play(generator.Next().texts));
    }
    Run(s, lessons);
}
BENCHMARK(HundredRandomProblems);

void HundredProblemsOfTheCourse(benchmark::State& s) {
    testing_support::RandomProblems generator(2024);
    std::vector<PlayedLesson> lessons;
    for (int i = 0; i < 100; ++i) {
        lessons.push_back(Play(generator.NextOfTheCourse().texts));
    }
    Run(s, lessons);
}
BENCHMARK(HundredProblemsOfTheCourse);

// The largest exercises a course types: eight variables, eight constraints.
void HundredEightByEightProblems(benchmark::State& s) {
    testing_support::RandomProblems generator(2024);
    std::vector<PlayedLesson> lessons;
    for (int i = 0; i < 100; ++i) {
        lessons.push_back(Play(generator.NextOfTheCourse(8, 8).texts));
    }
    Run(s, lessons);
}
BENCHMARK(HundredEightByEightProblems);

// The dual simplex from the slack basis, worked by hand in the tests, and random dual lessons of
// every size a course uses.
void DualTextbookExample(benchmark::State& s) {
    Run(s, {Play(testing_support::Typed("min 2 3 4 0 / 1 2 1 > 3 / 2 -1 3 > 4"), true)});
}
BENCHMARK(DualTextbookExample);

void HundredDualLessons(benchmark::State& s) {
    testing_support::RandomProblems generator(2024);
    std::vector<PlayedLesson> lessons;
    for (int i = 0; i < 100; ++i) {
        lessons.push_back(Play(generator.NextForTheDual().texts, true));
    }
    Run(s, lessons);
}
BENCHMARK(HundredDualLessons);

// Branch and bound, exactly, on 100 random 0-1 knapsacks of 8 items (the capacity row and a
// bound row an item): the whole tree each time, and the nodes solved.
void HundredKnapsacks(benchmark::State& s) {
    std::mt19937 engine(2026);
    std::vector<ProblemTexts> knapsacks;
    for (int i = 0; i < 100; ++i) {
        knapsacks.push_back(testing_support::RandomKnapsack(engine, 8));
    }
    std::int64_t nodes = 0;
    for (auto _ : s) {
        nodes = 0;
        for (const ProblemTexts& knapsack : knapsacks) {
            const auto tree = integer::BranchAndBound(knapsack, '.');
            nodes += static_cast<std::int64_t>(tree->nodes.size());
            benchmark::DoNotOptimize(tree);
        }
    }
    s.counters["nodes"] = static_cast<double>(nodes);
    s.counters["per_node_us"] = benchmark::Counter(
        static_cast<double>(nodes) * static_cast<double>(s.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(HundredKnapsacks)->Unit(benchmark::kMillisecond);

}  // namespace
