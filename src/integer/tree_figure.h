// The branch and bound tree laid out as a drawing: a box a node with its number, Z, x and
// verdict, a line from each box to its children labelled with the child's bound. The window's
// painter, the PDF and the TikZ writer only render it, so they show one and the same tree.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "branch_and_bound.h"

namespace simplesso::integer {

struct TreeBox {
    int node = 0;  // its index among the tree's nodes
    // Its rectangle, y downwards, in the units of the measure given to LayTree.
    double left = 0, top = 0, width = 0, height = 0;
    std::vector<std::string> lines;  // "Nodo 2: x1 ≤ 4", "Z = 28", "x = (4; 2; 0)", its verdict
    Node::Verdict verdict = Node::Verdict::Infeasible;
    bool best = false;
};

struct TreeEdge {
    // From the middle of the parent's bottom to the middle of the child's top.
    double fromX = 0, fromY = 0, toX = 0, toY = 0;
    std::string label;  // the child's bound, "x1 ≤ 4"
    // The label stands on the line's middle, on the outer side, where the line runs away from
    // it: left of a line that goes down to the left, right of one that goes down to the right
    // or straight down.
    bool labelLeft = false;
};

struct TreeFigure {
    std::vector<TreeBox> boxes;  // in the order of the tree's nodes
    std::vector<TreeEdge> edges;
    double width = 0, height = 0;  // the whole drawing, from (0, 0)
    double lineHeight = 0;
};

// How a box is drawn, by its node's verdict: the best node on green with a thick green border,
// a node closed by its bound on grey, a node without a solution with a dashed border, the
// others plain.
struct BoxStyle {
    int fill[3] = {255, 255, 255};
    int border[3] = {0, 0, 0};
    double pen = 0.8;  // in typographic points
    bool dashed = false;
};
BoxStyle StyleOf(const TreeBox& box);

// How wide a line of text comes out in the target's units.
using TextWidth = std::function<double(const std::string&)>;

// Each box as wide as its own words; each subtree takes a band of its own left to right in the
// order of the search, each parent stands centred above its children, one level a depth.
TreeFigure LayTree(const Tree& tree, const TextWidth& textWidth, double lineHeight);

}  // namespace simplesso::integer
