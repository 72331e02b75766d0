// The branch and bound tree worked by hand; gomory_test.cpp plays random trees against GLPK.
#include <gtest/gtest.h>

#include "branch_and_bound.h"
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

}  // namespace
}  // namespace simplesso::integer
