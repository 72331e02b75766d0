#include "tree_figure.h"

#include <algorithm>

#include "exact_number.h"

namespace simplesso::integer {
namespace {

std::vector<std::string> BoxLines(const Tree& tree, int index) {
    const Node& node = tree.nodes[static_cast<std::size_t>(index)];
    std::vector<std::string> lines{"Nodo " + std::to_string(index + 1)};
    if (node.Solved()) {
        lines.push_back("Z = " + FractionText(node.z));
        lines.push_back("x = " + PointText(node.x));
    }
    lines.push_back(VerdictWords(node));
    return lines;
}

}  // namespace

BoxStyle StyleOf(const TreeBox& box) {
    if (box.best) {
        return {{220, 245, 220}, {0, 120, 0}, 2, false};
    }
    switch (box.verdict) {
        case Node::Verdict::ClosedByBound:
            return {{232, 232, 232}, {0, 0, 0}, 0.8, false};
        case Node::Verdict::Infeasible:
        case Node::Verdict::Unbounded:
            return {{255, 255, 255}, {0, 0, 0}, 0.8, true};
        case Node::Verdict::Branched:
        case Node::Verdict::NewBest:
            break;
    }
    return {};
}

TreeFigure LayTree(const Tree& tree, const TextWidth& textWidth, double lineHeight) {
    TreeFigure figure;
    figure.lineHeight = lineHeight;
    const std::size_t count = tree.nodes.size();
    if (count == 0) {
        return figure;
    }
    const double padding = lineHeight / 2;
    double boxWidth = 0;
    double widestLabel = 0;
    std::size_t mostLines = 0;
    std::vector<std::vector<int>> children(count);
    for (std::size_t i = 0; i < count; ++i) {
        TreeBox box;
        box.node = static_cast<int>(i);
        box.lines = BoxLines(tree, box.node);
        box.verdict = tree.nodes[i].verdict;
        box.best = tree.best == box.node;
        for (const std::string& line : box.lines) {
            boxWidth = std::max(boxWidth, textWidth(line));
        }
        mostLines = std::max(mostLines, box.lines.size());
        const Node& node = tree.nodes[i];
        if (node.parent >= 0) {
            children[static_cast<std::size_t>(node.parent)].push_back(box.node);
            widestLabel = std::max(widestLabel, textWidth(BoundText(node.bounds.back())));
        }
        figure.boxes.push_back(std::move(box));
    }
    boxWidth += 2 * padding;
    const double boxHeight = static_cast<double>(mostLines) * lineHeight + 2 * padding;
    // Two neighbouring families' labels face each other across at most one slot less a box: the
    // gap keeps them apart.
    const double gap = std::max(2 * lineHeight, 2 * (widestLabel + padding) - boxWidth);
    const double slot = boxWidth + gap;
    const double level = boxHeight + 3 * lineHeight;
    // Centres: a leaf takes the next slot, a parent the middle of its first and last child.
    std::vector<double> centre(count);
    double nextSlot = 0;
    const auto place = [&](const auto& self, int index) -> void {
        const auto& below = children[static_cast<std::size_t>(index)];
        for (const int child : below) {
            self(self, child);
        }
        centre[static_cast<std::size_t>(index)] =
            below.empty() ? (nextSlot++ + 0.5) * slot
                          : (centre[static_cast<std::size_t>(below.front())] +
                             centre[static_cast<std::size_t>(below.back())]) / 2;
    };
    place(place, 0);
    for (TreeBox& box : figure.boxes) {
        const Node& node = tree.nodes[static_cast<std::size_t>(box.node)];
        box.width = boxWidth;
        box.height = boxHeight;
        box.left = centre[static_cast<std::size_t>(box.node)] - boxWidth / 2;
        box.top = static_cast<double>(node.bounds.size()) * level;
        figure.height = std::max(figure.height, box.top + boxHeight);
        if (node.parent >= 0) {
            const TreeBox& parent = figure.boxes[static_cast<std::size_t>(node.parent)];
            TreeEdge edge;
            edge.fromX = parent.left + boxWidth / 2;
            edge.fromY = parent.top + boxHeight;
            edge.toX = box.left + boxWidth / 2;
            edge.toY = box.top;
            edge.label = BoundText(node.bounds.back());
            edge.labelLeft = edge.toX < edge.fromX;
            figure.edges.push_back(std::move(edge));
        }
    }
    figure.width = nextSlot * slot;
    return figure;
}

}  // namespace simplesso::integer
