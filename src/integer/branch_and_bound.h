// Branch and bound on the lesson's problem, every decision variable integer, in rationals: each
// node's relaxation is its parent's optimal tableau with the branch's bound added as a row and
// re-optimised by the dual simplex. The tree is searched depth first, the "≤" child first.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "problem.h"
#include "shadow.h"

namespace simplesso::integer {

// x<variable + 1> ≤ value, or ≥ value.
struct Bound {
    int variable = 0;
    bool upper = true;
    mpz_class value;
};
// "x1 ≤ 4"
std::string BoundText(const Bound& bound);

struct Node {
    enum class Verdict { Branched, NewBest, ClosedByBound, Infeasible, Unbounded };

    int parent = -1;            // index of the parent among the tree's nodes; -1 for the root
    std::vector<Bound> bounds;  // every bound on the path from the root, in order
    Verdict verdict = Verdict::Infeasible;
    mpq_class z;                  // the relaxation's optimum; zero unless solved
    std::vector<mpq_class> x;     // its solution; empty unless solved
    int branchVariable = -1;      // the variable branched on, for a branched node
    std::optional<Shadow> tableau;  // the relaxation's last tableau

    bool Solved() const { return !x.empty(); }
};

struct Tree {
    enum class End { Optimum, NoIntegerSolution, UnboundedRelaxation, NodeLimit };

    std::vector<Node> nodes;  // in the order solved: node k is nodes[k - 1]
    End end = End::NoIntegerSolution;
    std::optional<int> best;  // the index of the best integer node
    int mostNodes = 0;        // where the search stops

    // The tree in words, nodes in the order solved, numbers as fractions:
    // "Nodo 1: Z = 142/5, x = (22/5; 9/5; 0), si dirama su x1. Nodo 2 (x1 ≤ 4): ... Ottimo
    // intero: Z = 28, x = (4; 2; 0)."
    std::string Description() const;
    // The same, a line a node and the end's line last.
    std::vector<std::string> Lines() const;
    // One node's line of the description, without its number's sentence separator.
    std::string NodeText(int index) const;
};

inline constexpr int kMostNodes = 500;

// Empty when a text of the problem does not read exactly.
std::optional<Tree> BranchAndBound(const ProblemTexts& typed, char separator,
                                   int mostNodes = kMostNodes);

// "(22/5; 9/5; 0)"
std::string PointText(const std::vector<mpq_class>& x);
// The node's verdict as its words have it: "si dirama su x1", "intera, nuova soluzione
// migliore", "chiuso per limite", "non ammissibile", "illimitato".
std::string VerdictWords(const Node& node);

// ⌊v⌋, and v - ⌊v⌋ in [0, 1).
mpz_class Floor(const mpq_class& v);
mpq_class FractionalPart(const mpq_class& v);

// The variable to branch on: the one whose fractional part is nearest 1/2, the lowest among
// equals; none when every value is integer.
std::optional<int> BranchingVariable(const std::vector<mpq_class>& x);

}  // namespace simplesso::integer
