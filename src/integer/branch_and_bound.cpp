#include "branch_and_bound.h"

#include <utility>

#include "exact_number.h"
#include "exact_simplex.h"

namespace simplesso::integer {
namespace {

// The problem of a node: the typed rows, then one row a bound, in the order of its path.
ProblemTexts WithBound(const ProblemTexts& problem, const Bound& bound) {
    ProblemTexts bounded = problem;
    std::vector<std::string> row(static_cast<std::size_t>(problem.Variables()), "0");
    row[static_cast<std::size_t>(bound.variable)] = "1";
    bounded.constraint.push_back(std::move(row));
    bounded.known.push_back(bound.value.get_str());
    bounded.sense.push_back(bound.upper ? Sense::LessEqual : Sense::GreaterEqual);
    return bounded;
}

bool Better(const mpq_class& z, const mpq_class& than, Direction direction) {
    return direction == Direction::Maximise ? z > than : z < than;
}

}  // namespace

std::string PointText(const std::vector<mpq_class>& x) {
    std::string text = "(";
    for (std::size_t v = 0; v < x.size(); ++v) {
        text += (v > 0 ? "; " : "") + FractionText(x[v]);
    }
    return text + ")";
}

std::string VerdictWords(const Node& node) {
    switch (node.verdict) {
        case Node::Verdict::Branched:
            return "si dirama su x" + std::to_string(node.branchVariable + 1);
        case Node::Verdict::NewBest:
            return "intera, nuova soluzione migliore";
        case Node::Verdict::ClosedByBound:
            return "chiuso per limite";
        case Node::Verdict::Infeasible:
            return "non ammissibile";
        case Node::Verdict::Unbounded:
            break;
    }
    return "illimitato";
}

mpz_class Floor(const mpq_class& v) {
    mpz_class f;
    mpz_fdiv_q(f.get_mpz_t(), v.get_num_mpz_t(), v.get_den_mpz_t());
    return f;
}

mpq_class FractionalPart(const mpq_class& v) {
    return v - mpq_class(Floor(v));
}

std::string BoundText(const Bound& bound) {
    return "x" + std::to_string(bound.variable + 1) + (bound.upper ? " ≤ " : " ≥ ") +
           bound.value.get_str();
}

std::optional<int> BranchingVariable(const std::vector<mpq_class>& x) {
    std::optional<int> chosen;
    mpq_class nearest;
    const mpq_class half(1, 2);
    for (std::size_t v = 0; v < x.size(); ++v) {
        const mpq_class part = FractionalPart(x[v]);
        if (sgn(part) == 0) {
            continue;
        }
        const mpq_class distance = abs(part - half);
        if (!chosen || distance < nearest) {
            nearest = distance;
            chosen = static_cast<int>(v);
        }
    }
    return chosen;
}

std::optional<Tree> BranchAndBound(const ProblemTexts& typed, char separator, int mostNodes) {
    const auto root = SolveExactly(typed, separator);
    if (!root) {
        return std::nullopt;
    }
    Tree tree;
    tree.mostNodes = mostNodes;
    Node first;
    first.tableau = root->final;
    if (root->Unbounded()) {
        first.verdict = Node::Verdict::Unbounded;
        tree.nodes.push_back(std::move(first));
        tree.end = Tree::End::UnboundedRelaxation;
        return tree;
    }
    if (!root->Infeasible()) {
        first.z = root->z;
        first.x = root->x;
    }
    // Nodes waiting to be solved, the next one last: a node is pushed solved or not, with the
    // problem its relaxation solves.
    struct Waiting {
        Node node;
        ProblemTexts problem;
    };
    std::vector<Waiting> stack;
    stack.push_back({std::move(first), typed});
    bool solvedRoot = false;
    while (!stack.empty()) {
        if (static_cast<int>(tree.nodes.size()) == mostNodes) {
            tree.end = Tree::End::NodeLimit;
            return tree;
        }
        Waiting waiting = std::move(stack.back());
        stack.pop_back();
        Node& node = waiting.node;
        if (solvedRoot) {
            // The parent's optimal tableau, the bound as a row rewritten in its basis, and the
            // dual simplex to the relaxation's end.
            const Shadow& parent = *tree.nodes[static_cast<std::size_t>(node.parent)].tableau;
            Shadow tableau = parent;
            tableau.AddRow(waiting.problem, separator);
            tableau.RewriteAddedRow();
            if (!tableau.Lost() && ReoptimiseByDual(tableau)) {
                node.z = *tableau.Value(tableau.Layout().Objective(), 2);
                node.x = tableau.Point();
            }
            node.tableau = std::move(tableau);
        }
        solvedRoot = true;
        const int index = static_cast<int>(tree.nodes.size());
        const std::optional<int> variable =
            node.Solved() ? BranchingVariable(node.x) : std::nullopt;
        if (!node.Solved()) {
            node.verdict = Node::Verdict::Infeasible;
        } else if (tree.best && !Better(node.z, tree.nodes[*tree.best].z, typed.direction)) {
            node.verdict = Node::Verdict::ClosedByBound;
        } else if (!variable) {
            node.verdict = Node::Verdict::NewBest;
            tree.best = index;
        } else {
            node.verdict = Node::Verdict::Branched;
            node.branchVariable = *variable;
            const mpz_class down = Floor(node.x[static_cast<std::size_t>(*variable)]);
            // Pushed "≥" first, so that the "≤" child is solved first.
            for (const bool upper : {false, true}) {
                const Bound bound{*variable, upper, upper ? down : mpz_class(down + 1)};
                Waiting child{{}, WithBound(waiting.problem, bound)};
                child.node.parent = index;
                child.node.bounds = node.bounds;
                child.node.bounds.push_back(bound);
                stack.push_back(std::move(child));
            }
        }
        tree.nodes.push_back(std::move(node));
    }
    tree.end = tree.best ? Tree::End::Optimum : Tree::End::NoIntegerSolution;
    return tree;
}

std::string Tree::NodeText(int index) const {
    const Node& node = nodes[static_cast<std::size_t>(index)];
    std::string text = "Nodo " + std::to_string(index + 1);
    if (!node.bounds.empty()) {
        text += " (";
        for (std::size_t i = 0; i < node.bounds.size(); ++i) {
            text += (i > 0 ? "; " : "") + BoundText(node.bounds[i]);
        }
        text += ")";
    }
    text += ": ";
    if (node.Solved()) {
        text += "Z = " + FractionText(node.z) + ", x = " + PointText(node.x) + ", ";
    }
    return text + VerdictWords(node) + ".";
}

std::vector<std::string> Tree::Lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        lines.push_back(NodeText(static_cast<int>(i)));
    }
    switch (end) {
        case End::Optimum: {
            const Node& node = nodes[static_cast<std::size_t>(*best)];
            lines.push_back("Ottimo intero: Z = " + FractionText(node.z) + ", x = " +
                            PointText(node.x) + ".");
            break;
        }
        case End::NoIntegerSolution:
            lines.emplace_back("Nessuna soluzione intera.");
            break;
        case End::UnboundedRelaxation:
            lines.emplace_back("Rilassamento illimitato.");
            break;
        case End::NodeLimit:
            lines.push_back("Limite di " + std::to_string(mostNodes) + " nodi raggiunto.");
            break;
    }
    return lines;
}

std::string Tree::Description() const {
    std::string text;
    for (const std::string& line : Lines()) {
        text += (text.empty() ? "" : " ") + line;
    }
    return text;
}

}  // namespace simplesso::integer
