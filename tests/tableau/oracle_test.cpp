// The tableau core against GLPK's exact simplex: on random problems the two must reach the same
// outcome, the same optimum and a feasible solution; on problems solved by hand, the hand's.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <optional>

#include "glpk_oracle.h"
#include "random_problems.h"
#include "recording_window.h"

namespace simplesso {
namespace {

using testing_support::Outcome;
using testing_support::SolveWithGlpk;
using testing_support::Value;

// Presses the step button, as the window would, until a message ends the computation.
Outcome SolveWithCore(const ProblemTexts& problem) {
    testing_support::Session s(problem);
    for (int press = 0; press < 50 && s.window.messages.empty(); ++press) {
        s.Step();
    }
    Outcome o;
    if (s.window.messages == std::vector<Message>{EndMessage()}) {
        const TableauRows rows = TableauRows::Of(s.grid.Rows());
        o.z = Value(s.grid.TextMatrix(rows.Objective(), 2));
        for (int v = 0; v < problem.Variables(); ++v) {
            o.x.push_back(Value(s.grid.TextMatrix(rows.Solution(), v + 2)));
        }
    }
    o.answered = o.z || (s.window.messages.size() == 1 &&
                         s.window.messages[0].text.starts_with("Il problema è illimitato."));
    return o;
}

// Both unbounded, or the same optimum with the core's solution within the constraints.
bool Agree(const ProblemTexts& problem, const Outcome& core, const Outcome& glpk) {
    constexpr double kTolerance = 1e-4;
    if (!core.answered || !glpk.answered || !core.z || !glpk.z) {
        return core.answered && glpk.answered && !core.z && !glpk.z;
    }
    bool feasible = std::ranges::all_of(core.x, [](double v) { return v > -kTolerance; });
    for (int r = 0; r < problem.Rows(); ++r) {
        const double b = Value(problem.known[r]);
        double lhs = 0, scale = std::max(1.0, std::abs(b));
        for (int v = 0; v < problem.Variables(); ++v) {
            const double term = Value(problem.constraint[r][v]) * core.x[v];
            lhs += term;
            scale = std::max(scale, std::abs(term));
        }
        feasible = feasible && lhs <= b + kTolerance * scale;
    }
    return feasible && std::abs(*core.z - *glpk.z) <= kTolerance * std::max(1.0, std::abs(*glpk.z));
}

// The core must agree with GLPK on all but one in a hundred random problems.
TEST(Oracle, RandomProblemsAgreeWithGlpk) {
    int total = 0, agreeing = 0;
    for (std::uint32_t seed : {7u, 1234u, 98765u, 4242424u}) {
        testing_support::RandomProblems generator(seed);
        for (int i = 0; i < 100; ++i, ++total) {
            const ProblemTexts p = generator.Next().texts;
            const Outcome core = SolveWithCore(p), glpk = SolveWithGlpk(p);
            agreeing += Agree(p, core, glpk);
            if (!Agree(p, core, glpk)) {
                std::cout << "seed " << seed << ", problem " << i << ": core Z "
                          << core.z.value_or(NAN) << ", GLPK Z " << glpk.z.value_or(NAN) << "\n";
            }
        }
    }
    std::cout << "agree " << agreeing << " of " << total << "\n";
    EXPECT_GE(agreeing * 100, total * 99) << "agree " << agreeing << " of " << total;
}

}  // namespace
}  // namespace simplesso
