// Set-up plus every press of the step button until the computation stops.
#include <benchmark/benchmark.h>

#include <vector>

#include "random_problems.h"
#include "recording_window.h"
#include "setup.h"
#include "step.h"

namespace {

using simplesso::ProblemTexts;

// Returns the number of presses, so that the work cannot be optimised away.
int Solve(const ProblemTexts& problem) {
    simplesso::Grid grid;
    simplesso::FormState state;
    simplesso::testing_support::RecordingWindow window;
    state.RigaPivot = state.ColonnaPivot = 8;
    state.PrimoPasso = true;
    simplesso::ImpostaTabella(grid, problem, window);
    int presses = 0;
    while (window.messages.empty() && presses < 50) {
        simplesso::Simplesso(grid, state, '.', window);
        ++presses;
    }
    return presses;
}

void WorkedExample(benchmark::State& s) {
    const ProblemTexts problem = simplesso::testing_support::Problem(
        {"4", "6", "2"}, {{{"2", "1", "3", "18"}, {"1", "2", "4", "8"}, {"3", "1", "1", "15"}}});
    for (auto _ : s) {
        benchmark::DoNotOptimize(Solve(problem));
    }
}
BENCHMARK(WorkedExample);

void HundredRandomProblems(benchmark::State& s) {
    simplesso::testing_support::RandomProblems generator(2024);
    std::vector<ProblemTexts> problems;
    for (int i = 0; i < 100; ++i) {
        problems.push_back(generator.Next().texts);
    }
    int presses = 0;
    for (auto _ : s) {
        for (const ProblemTexts& p : problems) {
            presses += Solve(p);
        }
        benchmark::DoNotOptimize(presses);
    }
    s.counters["presses/iter"] =
        benchmark::Counter(static_cast<double>(presses) / static_cast<double>(s.iterations()));
}
BENCHMARK(HundredRandomProblems);

}  // namespace
