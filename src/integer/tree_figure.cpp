#include "tree_figure.h"

#include <algorithm>

#include "exact_number.h"

namespace simplesso::integer {
namespace {

std::vector<std::string> BoxLines(const Tree& tree, int index) {
    const Node& node = tree.nodes[static_cast<std::size_t>(index)];
    std::vector<std::string> lines{"Nodo " + std::to_string(index + 1)};
    if (!node.bounds.empty()) {
        lines[0] += ": " + BoundText(node.bounds.back());
    }
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
    double narrowest = 0;
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
            box.width = std::max(box.width, textWidth(line));
        }
        box.width += 2 * padding;
        narrowest = i == 0 ? box.width : std::min(narrowest, box.width);
        mostLines = std::max(mostLines, box.lines.size());
        const Node& node = tree.nodes[i];
        if (node.parent >= 0) {
            children[static_cast<std::size_t>(node.parent)].push_back(box.node);
            widestLabel = std::max(widestLabel, textWidth(BoundText(node.bounds.back())));
        }
        figure.boxes.push_back(std::move(box));
    }
    const double boxHeight = static_cast<double>(mostLines) * lineHeight + 2 * padding;
    // Two neighbouring families' labels face each other across half of each of two boxes and
    // the gap between them: the gap keeps them apart.
    const double gap = std::max(2 * lineHeight, 2 * (widestLabel + padding) - narrowest);
    const double level = boxHeight + 3 * lineHeight;
    // Each subtree takes a band of its own from `start`, left to right in the order of the
    // search: a leaf its box, a parent the bands of its children with itself centred over them,
    // moved right with all of them where it would stick out to the left. Returns where the next
    // band may start.
    std::vector<double> centre(count);
    const auto shift = [&](const auto& self, int index, double by) -> void {
        centre[static_cast<std::size_t>(index)] += by;
        for (const int child : children[static_cast<std::size_t>(index)]) {
            self(self, child, by);
        }
    };
    const auto place = [&](const auto& self, int index, double start) -> double {
        const auto& below = children[static_cast<std::size_t>(index)];
        const double half = figure.boxes[static_cast<std::size_t>(index)].width / 2;
        double end = start;
        for (const int child : below) {
            end = self(self, child, end);
        }
        double& middle = centre[static_cast<std::size_t>(index)];
        if (below.empty()) {
            middle = start + half;
        } else {
            middle = (centre[static_cast<std::size_t>(below.front())] +
                      centre[static_cast<std::size_t>(below.back())]) / 2;
            if (middle - half < start) {
                const double by = start - (middle - half);
                shift(shift, index, by);
                end += by;
            }
        }
        return std::max(end, middle + half + gap);
    };
    figure.width = place(place, 0, 0) - gap;
    for (TreeBox& box : figure.boxes) {
        const Node& node = tree.nodes[static_cast<std::size_t>(box.node)];
        box.height = boxHeight;
        box.left = centre[static_cast<std::size_t>(box.node)] - box.width / 2;
        box.top = static_cast<double>(node.bounds.size()) * level;
        figure.height = std::max(figure.height, box.top + boxHeight);
        if (node.parent >= 0) {
            const TreeBox& parent = figure.boxes[static_cast<std::size_t>(node.parent)];
            TreeEdge edge;
            edge.fromX = parent.left + parent.width / 2;
            edge.fromY = parent.top + boxHeight;
            edge.toX = box.left + box.width / 2;
            edge.toY = box.top;
            edge.label = BoundText(node.bounds.back());
            edge.labelLeft = edge.toX < edge.fromX;
            figure.edges.push_back(std::move(edge));
        }
    }
    return figure;
}

}  // namespace simplesso::integer
