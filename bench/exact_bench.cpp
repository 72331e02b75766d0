// The exact side's cost per press of the step button: checking and replaying the pivot on the
// shadow, and at the press that ends the lesson also the exact optimum and the end check. The
// lessons are played with the real core beforehand; only the exact side is timed.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "notices.h"
#include "recording_window.h"
#include "step.h"
#include "random_problems.h"

namespace {

using namespace simplesso;

struct PlayedLesson {
    ProblemTexts fields;
    std::vector<std::pair<int, int>> pivots;  // column, row
    int presses = 0;
    Message end;
    bool shownUnbounded = false;
    std::string shownZ;
};

PlayedLesson Play(const ProblemTexts& fields) {
    PlayedLesson lesson;
    lesson.fields = fields;
    Grid grid;
    FormState state;
    testing_support::RecordingWindow window;
    state.RigaPivot = state.ColonnaPivot = 8;
    state.PrimoPasso = true;
    ImpostaTabella(grid, fields, window);
    while (window.messages.empty() && lesson.presses < 50) {
        const std::int16_t before = state.ColonnaPivot;
        Simplesso(grid, state, '.', window);
        ++lesson.presses;
        if (state.ColonnaPivot != before) {
            lesson.pivots.emplace_back(state.ColonnaPivot, state.RigaPivot);
        }
    }
    lesson.end = window.messages.empty() ? Message{} : window.messages[0];
    lesson.shownUnbounded = lesson.end.text.starts_with("Il problema è illimitato.");
    lesson.shownZ = grid.TextMatrix(9, 2);
    return lesson;
}

// Everything the exact side does in one lesson; returns the notices, so that nothing is dropped.
int ExactSide(const PlayedLesson& lesson) {
    auto shadow = Shadow::Build(lesson.fields, '.');
    int notices = 0;
    for (const auto& [col, row] : lesson.pivots) {
        if (!shadow->Lost()) {
            notices += PivotNotice(shadow->Check(col, row), col, row).has_value();
            shadow->Pivot(col, row);
        }
    }
    const auto exact = SolveExactly(lesson.fields, '.');
    const Message end = CheckedEnd(lesson.end, lesson.shownUnbounded, lesson.shownZ, *exact, '.');
    return notices + (end != lesson.end);
}

void Run(benchmark::State& s, const std::vector<PlayedLesson>& lessons) {
    int presses = 0;
    for (const PlayedLesson& lesson : lessons) {
        presses += lesson.presses;
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
    Run(s, {Play(testing_support::Problem(
               {"4", "6", "2"},
               {{{"2", "1", "3", "18"}, {"1", "2", "4", "8"}, {"3", "1", "1", "15"}}}))});
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

}  // namespace
