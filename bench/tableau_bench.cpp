// Set-up plus every press of the step button until the computation stops: today's tableau,
// problems of the whole course solved by the two-phase method, and the largest size, 8 x 8.
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
    simplesso::testing_support::Session session(problem);
    int presses = 0;
    while (session.window.messages.empty() && presses < 200) {
        session.Step();
        ++presses;
    }
    return presses;
}

void Run(benchmark::State& s, const std::vector<ProblemTexts>& problems) {
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

void WorkedExample(benchmark::State& s) {
    Run(s, {simplesso::testing_support::Typed(simplesso::testing_support::kExample)});
}
BENCHMARK(WorkedExample);

void HundredRandomProblems(benchmark::State& s) {
    simplesso::testing_support::RandomProblems generator(2024);
    std::vector<ProblemTexts> problems;
    for (int i = 0; i < 100; ++i) {
        problems.push_back(generator.Next().texts);
    }
    Run(s, problems);
}
BENCHMARK(HundredRandomProblems);

// Only problems that need a first phase: at least one "≥" or "=" row once turned.
void HundredTwoPhaseProblems(benchmark::State& s) {
    simplesso::testing_support::RandomProblems generator(2024);
    std::vector<ProblemTexts> problems;
    while (problems.size() < 100) {
        const ProblemTexts p = generator.NextOfTheCourse().texts;
        if (simplesso::InitialShape(simplesso::TurnNegativeRows(p, '.').texts).phase ==
            simplesso::Phase::First) {
            problems.push_back(p);
        }
    }
    Run(s, problems);
}
BENCHMARK(HundredTwoPhaseProblems);

// The largest exercises a course types: eight variables, eight constraints, every row sense.
void HundredEightByEightProblems(benchmark::State& s) {
    simplesso::testing_support::RandomProblems generator(2024);
    std::vector<ProblemTexts> problems;
    for (int i = 0; i < 100; ++i) {
        problems.push_back(generator.NextOfTheCourse(8, 8).texts);
    }
    Run(s, problems);
}
BENCHMARK(HundredEightByEightProblems);

}  // namespace
