#include "exact_simplex.h"

#include <algorithm>
#include <set>

#include "shadow.h"

namespace simplesso {
namespace {

using Basis = std::array<int, 3>;

Basis SortedBasis(const Shadow& s) {
    Basis b{s.BasicColumn(1), s.BasicColumn(2), s.BasicColumn(3)};
    std::sort(b.begin(), b.end());
    return b;
}

// The program's rule takes the largest reduced cost; Bland's the first positive one.
std::optional<int> EnteringColumn(const Shadow& s, bool bland) {
    std::optional<int> entering;
    for (int c = 2; c <= 7; ++c) {
        const mpq_class reduced = *s.Value(6, c);
        if (reduced > 0 && (!entering || reduced > *s.Value(6, *entering))) {
            entering = c;
            if (bland) {
                break;
            }
        }
    }
    return entering;
}

// Among equal quotients the program takes the lowest row, Bland's rule the row whose basic
// variable has the lowest index.
std::optional<int> LeavingRow(const Shadow& s, int col, bool bland) {
    std::optional<int> leaving;
    mpq_class smallest;
    for (int r = 1; r <= 3; ++r) {
        const mpq_class entry = *s.Value(r, col);
        if (entry <= 0) {
            continue;
        }
        const mpq_class quotient = *s.Value(r, 8) / entry;
        const bool tieWins =
            leaving && bland && quotient == smallest && s.BasicColumn(r) < s.BasicColumn(*leaving);
        if (!leaving || quotient < smallest || tieWins) {
            smallest = quotient;
            leaving = r;
        }
    }
    return leaving;
}

ExactOptimum Optimum(const Shadow& s) {
    ExactOptimum o;
    o.z = *s.Value(9, 2);
    for (int v = 0; v < 3; ++v) {
        o.x[v] = *s.Value(8, v + 2);
    }
    return o;
}

}  // namespace

std::optional<ExactOptimum> SolveExactly(const ProblemTexts& fields, char separator) {
    auto shadow = Shadow::Build(fields, separator);
    if (!shadow) {
        return std::nullopt;
    }
    std::set<Basis> seen{SortedBasis(*shadow)};
    bool bland = false;
    while (const auto col = EnteringColumn(*shadow, bland)) {
        const auto row = LeavingRow(*shadow, *col, bland);
        if (!row) {
            ExactOptimum unbounded;
            unbounded.unbounded = true;
            return unbounded;
        }
        shadow->Pivot(*col, *row);
        bland = bland || !seen.insert(SortedBasis(*shadow)).second;
    }
    return Optimum(*shadow);
}

}  // namespace simplesso
