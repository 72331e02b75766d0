// The branch and bound tree: worked by hand, and random integer problems judged by GLPK's branch
// and cut, every node's Z by the exact optimum of its relaxation solved on its own.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "branch_and_bound.h"
#include "exact_simplex.h"
#include "glpk_oracle.h"
#include "random_problems.h"
#include "random_share.h"
#include "recording_window.h"

namespace simplesso::integer {
namespace {

using testing_support::Typed;

struct TreeCase {
    const char* name;
    std::string problem;
    std::string description;
};

class Trees : public ::testing::TestWithParam<TreeCase> {};

TEST_P(Trees, AreDescribedNodeByNode) {
    const auto tree = BranchAndBound(Typed(GetParam().problem), '.');
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->Description(), GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, Trees,
    ::testing::Values(
        // Chairs and tables: x1 = 22/5 is nearest a half; x1 ≤ 4 gives (4; 2; 0), Z = 28, and
        // x1 ≥ 5 leaves room for x1 alone, Z = 20, no better.
        TreeCase{"WorkedExample", "4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15",
                 "Nodo 1: Z = 142/5, x = (22/5; 9/5; 0), si dirama su x1. Nodo 2 (x1 ≤ 4): "
                 "Z = 28, x = (4; 2; 0), intera, nuova soluzione migliore. Nodo 3 (x1 ≥ 5): "
                 "Z = 20, x = (5; 0; 0), chiuso per limite. Ottimo intero: Z = 28, x = (4; 2; 0)."},
        // A knapsack of capacity 14 (weights 5, 7, 4, 3; values 8, 11, 6, 4), worked by hand:
        // the relaxation fills it with half of item 3; without item 3 the first integer point
        // is items 1 and 2 (Z = 19), and with it, items 2, 3 and 4 (Z = 21) beat it.
        TreeCase{"Knapsack",
                 "8 11 6 4 0 | 5 7 4 3 14 | 1 0 0 0 1 | 0 1 0 0 1 | 0 0 1 0 1 | 0 0 0 1 1",
                 "Nodo 1: Z = 22, x = (1; 1; 1/2; 0), si dirama su x3. Nodo 2 (x3 ≤ 0): "
                 "Z = 65/3, x = (1; 1; 0; 2/3), si dirama su x4. Nodo 3 (x3 ≤ 0; x4 ≤ 0): Z = 19, "
                 "x = (1; 1; 0; 0), intera, nuova soluzione migliore. Nodo 4 (x3 ≤ 0; x4 ≥ 1): "
                 "Z = 150/7, x = (1; 6/7; 0; 1), si dirama su x2. Nodo 5 (x3 ≤ 0; x4 ≥ 1; "
                 "x2 ≤ 0): Z = 12, x = (1; 0; 0; 1), chiuso per limite. Nodo 6 (x3 ≤ 0; x4 ≥ 1; "
                 "x2 ≥ 1): Z = 107/5, x = (4/5; 1; 0; 1), si dirama su x1. Nodo 7 (x3 ≤ 0; "
                 "x4 ≥ 1; x2 ≥ 1; x1 ≤ 0): Z = 15, x = (0; 1; 0; 1), chiuso per limite. Nodo 8 "
                 "(x3 ≤ 0; x4 ≥ 1; x2 ≥ 1; x1 ≥ 1): non ammissibile. Nodo 9 (x3 ≥ 1): Z = 153/7, "
                 "x = (1; 5/7; 1; 0), si dirama su x2. Nodo 10 (x3 ≥ 1; x2 ≤ 0): Z = 18, "
                 "x = (1; 0; 1; 1), chiuso per limite. Nodo 11 (x3 ≥ 1; x2 ≥ 1): Z = 109/5, "
                 "x = (3/5; 1; 1; 0), si dirama su x1. Nodo 12 (x3 ≥ 1; x2 ≥ 1; x1 ≤ 0): Z = 21, "
                 "x = (0; 1; 1; 1), intera, nuova soluzione migliore. Nodo 13 (x3 ≥ 1; x2 ≥ 1; "
                 "x1 ≥ 1): non ammissibile. Ottimo intero: Z = 21, x = (0; 1; 1; 1)."},
        // 2 x1 = 1 has a feasible relaxation and no integer point.
        TreeCase{"NoIntegerPoint", "1 0 0 | 2 0 = 1",
                 "Nodo 1: Z = 1/2, x = (1/2; 0), si dirama su x1. Nodo 2 (x1 ≤ 0): non "
                 "ammissibile. Nodo 3 (x1 ≥ 1): non ammissibile. Nessuna soluzione intera."},
        TreeCase{"UnboundedRelaxation", "1 1 0 | 1 -1 < 1",
                 "Nodo 1: illimitato. Rilassamento illimitato."},
        // Exactly 3 in a tableau of tenths: no branch.
        TreeCase{"IntegerAtOnce", "min 1 0 0 | 0.1 0 > 0.3",
                 "Nodo 1: Z = 3, x = (3; 0), intera, nuova soluzione migliore. Ottimo intero: "
                 "Z = 3, x = (3; 0)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Trees, StopAtTheNodeLimit) {
    const auto tree = BranchAndBound(Typed("1 1 0 | 2 2 = 1"), '.', 1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->end, Tree::End::NodeLimit);
    EXPECT_TRUE(tree->Description().ends_with("si dirama su x1. Limite di 1 nodi raggiunto."));
}

// The relaxation of a node solved on its own: the typed rows and its bounds.
std::optional<ExactOptimum> OnItsOwn(ProblemTexts problem, const Node& node) {
    for (const Bound& bound : node.bounds) {
        std::vector<std::string> row(static_cast<std::size_t>(problem.Variables()), "0");
        row[static_cast<std::size_t>(bound.variable)] = "1";
        problem.constraint.push_back(row);
        problem.known.push_back(bound.value.get_str());
        problem.sense.push_back(bound.upper ? Sense::LessEqual : Sense::GreaterEqual);
    }
    return SolveExactly(problem, '.');
}

TEST(RandomTrees, AgreeWithGlpkAndEveryNodeWithItsRelaxation) {
    testing_support::RandomProblems generator(20261211);
    const int count = testing_support::RandomCount(5000);
    std::array<int, 4> ends{};
    int nodes = 0, unjudged = 0;
    for (int i = 0; i < count; ++i) {
        const ProblemTexts p = generator.NextWithIntegers().texts;
        SCOPED_TRACE(testing::Message() << "problem " << i);
        const auto tree = BranchAndBound(p, '.');
        ASSERT_TRUE(tree);
        ++ends[static_cast<std::size_t>(tree->end)];
        nodes += static_cast<int>(tree->nodes.size());
        const testing_support::IntegerOutcome glpk = testing_support::SolveIntegerWithGlpk(p);
        // Where integer points run off to infinity, neither search need end.
        const bool judged = glpk.answered && tree->end != Tree::End::NodeLimit;
        unjudged += !judged;
        EXPECT_EQ(tree->end == Tree::End::UnboundedRelaxation, glpk.relaxationUnbounded);
        if (judged && !glpk.relaxationUnbounded) {
            ASSERT_EQ(tree->best.has_value(), glpk.z.has_value());
            if (glpk.z) {
                EXPECT_NEAR(tree->nodes[*tree->best].z.get_d(), *glpk.z, 1e-9);
            }
        }
        for (const Node& node : tree->nodes) {
            if (tree->end == Tree::End::NodeLimit) {
                break;  // hundreds of rows deep: solving each node afresh would take minutes
            }
            const auto alone = OnItsOwn(p, node);
            ASSERT_TRUE(alone);
            EXPECT_EQ(node.Solved(), alone->kind == ExactOptimum::Kind::Optimal);
            if (node.Solved()) {
                EXPECT_EQ(node.z, alone->z);
            }
        }
    }
    std::cout << count << " integer problems, " << nodes << " nodes: " << ends[0]
              << " integer optima, " << ends[1] << " without an integer solution, " << ends[2]
              << " unbounded relaxations, " << ends[3] << " at the node limit; " << unjudged
              << " not judged (GLPK gave up or the tree reached its limit)\n";
    EXPECT_LE(unjudged * 100, count);
    EXPECT_GE(ends[0] * 4, count);
    EXPECT_GE(ends[1] * 20, count);
}

}  // namespace
}  // namespace simplesso::integer
