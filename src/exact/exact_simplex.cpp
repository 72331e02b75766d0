#include "exact_simplex.h"

#include <algorithm>
#include <set>
#include <vector>

namespace simplesso {
namespace {

using Basis = std::vector<int>;

Basis SortedBasis(const Shadow& s) {
    Basis b;
    for (int r = 1; r <= 3; ++r) {
        b.push_back(s.BasicColumn(r).value_or(0));
    }
    std::sort(b.begin(), b.end());
    return b;
}

bool IsBasic(const Shadow& s, int col) {
    for (int r = 1; r <= 3; ++r) {
        if (s.BasicColumn(r) == col) {
            return true;
        }
    }
    return false;
}

mpq_class Gain(const Shadow& s, int col) {
    const mpq_class reduced = *s.Value(6, col);
    return s.Minimising() ? mpq_class(-reduced) : reduced;
}

// The program's rule takes the largest gain; the smallest-index rule the first one. As in the
// tableau, an artificial variable that has left never enters again.
std::optional<int> EnteringColumn(const Shadow& s, bool smallestIndex) {
    std::optional<int> entering;
    for (int c = 2; c < s.KnownColumn(); ++c) {
        const mpq_class gain = Gain(s, c);
        if (gain > 0 && !IsBasic(s, c) && !s.IsArtificial(c) && (!entering || gain > Gain(s, *entering))) {
            entering = c;
            if (smallestIndex) {
                break;
            }
        }
    }
    return entering;
}

// Among equal quotients the program takes the lowest row, the smallest-index rule the row whose
// basic variable has the lowest index.
std::optional<int> LeavingRow(const Shadow& s, int col, bool smallestIndex) {
    std::optional<int> leaving;
    mpq_class smallest;
    for (int r = 1; r <= 3; ++r) {
        if (!s.BasicColumn(r)) {
            continue;
        }
        const mpq_class entry = *s.Value(r, col);
        if (entry <= 0) {
            continue;
        }
        const mpq_class quotient = *s.Value(r, s.KnownColumn()) / entry;
        const bool tieWins = leaving && smallestIndex && quotient == smallest &&
                             *s.BasicColumn(r) < *s.BasicColumn(*leaving);
        if (!leaving || quotient < smallest || tieWins) {
            smallest = quotient;
            leaving = r;
        }
    }
    return leaving;
}

// Runs the current phase to its end; false when it is unbounded.
bool RunPhase(Shadow& s) {
    std::set<Basis> seen{SortedBasis(s)};
    bool smallestIndex = false;
    while (const auto col = EnteringColumn(s, smallestIndex)) {
        const auto row = LeavingRow(s, *col, smallestIndex);
        if (!row) {
            return false;
        }
        s.Pivot(*col, *row);
        smallestIndex = smallestIndex || !seen.insert(SortedBasis(s)).second;
    }
    return true;
}

// Each artificial variable still basic at level zero leaves on the first other column with a
// non-zero entry in its row; a row with none is redundant and goes.
void DriveOutArtificials(Shadow& s) {
    for (int r = 1; r <= 3; ++r) {
        const auto basic = s.BasicColumn(r);
        if (!basic || !s.IsArtificial(*basic)) {
            continue;
        }
        std::optional<int> col;
        for (int c = 2; c < s.KnownColumn() && !col; ++c) {
            if (!s.IsArtificial(c) && *s.Value(r, c) != 0) {
                col = c;
            }
        }
        if (col) {
            s.Pivot(*col, r);
        } else {
            s.DropRow(r);
        }
    }
}

}  // namespace

std::optional<ExactOptimum> SolveExactly(const ProblemTexts& typed, char separator) {
    auto shadow = Shadow::Build(typed, separator);
    if (!shadow) {
        return std::nullopt;
    }
    ExactOptimum o;
    if (shadow->CurrentPhase() == Phase::First) {
        RunPhase(*shadow);
        if (*shadow->Value(9, 2) > 0) {
            o.kind = ExactOptimum::Kind::Infeasible;
            o.final = std::move(shadow);
            return o;
        }
        DriveOutArtificials(*shadow);
        shadow->SwitchPhase();
    }
    if (!RunPhase(*shadow)) {
        o.kind = ExactOptimum::Kind::Unbounded;
    } else {
        o.z = *shadow->Value(9, 2);
        o.x = shadow->Point();
    }
    o.final = std::move(shadow);
    return o;
}

}  // namespace simplesso
