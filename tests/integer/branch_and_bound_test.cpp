// The branch and bound tree worked by hand; gomory_test.cpp plays random trees against GLPK.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "branch_and_bound.h"
#include "random_knapsacks.h"
#include "recording_window.h"
#include "tree_figure.h"

namespace simplesso::integer {
namespace {

using testing_support::Typed;

// Capacity 14, weights 5, 7, 4, 3, values 8, 11, 6, 4.
const char* const kKnapsack =
    "8 11 6 4 0 | 5 7 4 3 14 | 1 0 0 0 1 | 0 1 0 0 1 | 0 0 1 0 1 | 0 0 0 1 1";

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
        TreeCase{"Knapsack", kKnapsack,
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

// The drawing of worked and random trees: each parent above its children and centred over them,
// ≤ child left of ≥ child, the lines from box to box, and no two boxes or edge labels (measured
// as the layout measures them) over each other or over a box.
TEST(TreeDrawings, KeepBoxesAndLabelsApart) {
    struct Box {
        double left, top, right, bottom;
        bool Meets(const Box& o) const {
            return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
        }
    };
    const auto width = [](const std::string& text) {
        return 7.0 * static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) {
                   return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
               }));
    };
    std::vector<Tree> trees{*BranchAndBound(Typed(kKnapsack), '.')};
    std::mt19937 engine(20261209);
    for (int i = 0; i < 40; ++i) {
        trees.push_back(*BranchAndBound(testing_support::RandomKnapsack(engine, 8), '.'));
    }
    for (const Tree& tree : trees) {
        const TreeFigure figure = LayTree(tree, width, 14);
        ASSERT_EQ(figure.boxes.size(), tree.nodes.size());
        ASSERT_EQ(figure.edges.size(), tree.nodes.size() - 1);
        std::vector<Box> taken;
        double left = figure.width, right = 0;
        for (std::size_t i = 0; i < figure.boxes.size(); ++i) {
            const TreeBox& box = figure.boxes[i];
            EXPECT_EQ(box.best, tree.best == box.node);
            for (const std::string& line : box.lines) {
                EXPECT_LE(width(line), box.width - 14);
            }
            taken.push_back({box.left, box.top, box.left + box.width, box.top + box.height});
            left = std::min(left, box.left);
            right = std::max(right, box.left + box.width);
        }
        // No empty slot at either side.
        EXPECT_LT(left, figure.boxes[0].width);
        EXPECT_GT(right, figure.width - figure.boxes[0].width);
        std::vector<std::vector<int>> children(tree.nodes.size());
        for (std::size_t i = 1; i < tree.nodes.size(); ++i) {
            const Node& node = tree.nodes[i];
            const TreeBox& parent = figure.boxes[static_cast<std::size_t>(node.parent)];
            const TreeBox& child = figure.boxes[i];
            children[static_cast<std::size_t>(node.parent)].push_back(static_cast<int>(i));
            const TreeEdge& edge = figure.edges[i - 1];
            EXPECT_EQ(std::tuple(edge.fromX, edge.fromY, edge.toX, edge.toY, edge.label),
                      std::tuple(parent.left + parent.width / 2, parent.top + parent.height,
                                 child.left + child.width / 2, child.top,
                                 BoundText(node.bounds.back())));
            EXPECT_GT(child.top, parent.top + parent.height);
            const double label = width(edge.label);
            const double middleX = (edge.fromX + edge.toX) / 2, middleY = (edge.fromY + edge.toY) / 2;
            taken.push_back({edge.labelLeft ? middleX - label : middleX, middleY - 14,
                             edge.labelLeft ? middleX : middleX + label, middleY});
        }
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i].size() == 2) {
                const TreeBox& low = figure.boxes[static_cast<std::size_t>(children[i][0])];
                const TreeBox& high = figure.boxes[static_cast<std::size_t>(children[i][1])];
                EXPECT_LT(low.left, high.left);
                const TreeBox& parent = figure.boxes[i];
                EXPECT_DOUBLE_EQ(parent.left + parent.width / 2,
                                 (low.left + low.width / 2 + high.left + high.width / 2) / 2);
            }
        }
        for (std::size_t a = 0; a < taken.size(); ++a) {
            EXPECT_GE(taken[a].left, 0);
            EXPECT_LE(taken[a].right, figure.width);
            EXPECT_LE(taken[a].bottom, figure.height);
            for (std::size_t b = a + 1; b < taken.size(); ++b) {
                EXPECT_FALSE(taken[a].Meets(taken[b])) << a << " " << b;
            }
        }
    }
}

// The best node, a branched one, one closed by its bound and one without a solution each look
// different from the others.
TEST(TreeDrawings, MarkEachVerdictApart) {
    const TreeFigure figure = LayTree(*BranchAndBound(Typed(kKnapsack), '.'),
                                      [](const std::string& s) { return 7.0 * s.size(); }, 14);
    std::set<std::tuple<std::vector<int>, double, bool>> looks;
    for (const int node : {11, 0, 4, 7}) {  // best, branched, closed by bound, infeasible
        const BoxStyle s = StyleOf(figure.boxes[static_cast<std::size_t>(node)]);
        looks.emplace(std::vector<int>{s.fill[0], s.fill[1], s.fill[2], s.border[0], s.border[1],
                                       s.border[2]},
                      s.pen, s.dashed);
    }
    EXPECT_EQ(looks.size(), 4u);
}

}  // namespace
}  // namespace simplesso::integer
