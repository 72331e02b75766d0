#include "exact_simplex.h"

#include <algorithm>
#include <set>
#include <vector>

namespace simplesso {
namespace {

using Basis = std::vector<int>;

Basis SortedBasis(const Shadow& s) {
    Basis b;
    for (int r = 1; r <= s.Layout().LastConstraint(); ++r) {
        b.push_back(s.BasicColumn(r).value_or(0));
    }
    std::sort(b.begin(), b.end());
    return b;
}

bool IsBasic(const Shadow& s, int col) {
    for (int r = 1; r <= s.Layout().LastConstraint(); ++r) {
        if (s.BasicColumn(r) == col) {
            return true;
        }
    }
    return false;
}

// The sign of how much a unit of the variable improves the phase's objective, and how two such
// gains compare: DELTA r itself, or its opposite when minimising.
int GainSign(const Shadow& s, int col) {
    const int sign = sgn(*s.Value(s.Layout().Reduced(), col));
    return s.Minimising() ? -sign : sign;
}

bool GainsMore(const Shadow& s, int col, int than) {
    const int reduced = s.Layout().Reduced();
    const int order = cmp(*s.Value(reduced, col), *s.Value(reduced, than));
    return s.Minimising() ? order < 0 : order > 0;
}

// The program's rule takes the largest gain; the smallest-index rule the first one. As in the
// tableau, an artificial variable that has left never enters again.
std::optional<int> EnteringColumn(const Shadow& s, bool smallestIndex) {
    std::optional<int> entering;
    for (int c = 2; c < s.KnownColumn(); ++c) {
        if (GainSign(s, c) > 0 && !IsBasic(s, c) && !s.IsArtificial(c) &&
            (!entering || GainsMore(s, c, *entering))) {
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
    mpq_class quotient;
    for (int r = 1; r <= s.Layout().LastConstraint(); ++r) {
        if (!s.BasicColumn(r)) {
            continue;
        }
        const mpq_class& entry = *s.Value(r, col);
        if (sgn(entry) <= 0) {
            continue;
        }
        mpq_div(quotient.get_mpq_t(), s.Value(r, s.KnownColumn())->get_mpq_t(), entry.get_mpq_t());
        const bool tieWins = leaving && smallestIndex && quotient == smallest &&
                             *s.BasicColumn(r) < *s.BasicColumn(*leaving);
        if (!leaving || quotient < smallest || tieWins) {
            swap(smallest, quotient);
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
    for (int r = 1; r <= s.Layout().LastConstraint(); ++r) {
        const auto basic = s.BasicColumn(r);
        if (!basic || !s.IsArtificial(*basic)) {
            continue;
        }
        std::optional<int> col;
        for (int c = 2; c < s.KnownColumn() && !col; ++c) {
            if (!s.IsArtificial(c) && sgn(*s.Value(r, c)) != 0) {
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

// The row whose known term is the most negative, or under the smallest-index rule the negative
// one whose basic variable has the lowest index.
std::optional<int> DualLeavingRow(const Shadow& s, bool smallestIndex) {
    std::optional<int> leaving;
    for (int r = 1; r <= s.Layout().LastConstraint(); ++r) {
        if (!s.BasicColumn(r) || sgn(*s.Value(r, s.KnownColumn())) >= 0) {
            continue;
        }
        const bool wins =
            !leaving || (smallestIndex ? *s.BasicColumn(r) < *s.BasicColumn(*leaving)
                                       : *s.Value(r, s.KnownColumn()) <
                                             *s.Value(*leaving, s.KnownColumn()));
        if (wins) {
            leaving = r;
        }
    }
    return leaving;
}

std::optional<int> DualEnteringColumn(const Shadow& s, int row) {
    std::optional<int> entering;
    mpq_class smallest;
    mpq_class ratio;
    for (int c = 2; c < s.KnownColumn(); ++c) {
        const mpq_class& entry = *s.Value(row, c);
        if (sgn(entry) >= 0 || s.IsArtificial(c)) {
            continue;
        }
        mpq_div(ratio.get_mpq_t(), s.Value(s.Layout().Reduced(), c)->get_mpq_t(),
                entry.get_mpq_t());
        mpq_abs(ratio.get_mpq_t(), ratio.get_mpq_t());
        if (!entering || ratio < smallest) {
            swap(smallest, ratio);
            entering = c;
        }
    }
    return entering;
}

}  // namespace

bool ReoptimiseByDual(Shadow& tableau) {
    std::set<Basis> seen{SortedBasis(tableau)};
    bool smallestIndex = false;
    while (const auto row = DualLeavingRow(tableau, smallestIndex)) {
        const auto col = DualEnteringColumn(tableau, *row);
        if (!col) {
            return false;
        }
        tableau.Pivot(*col, *row);
        smallestIndex = smallestIndex || !seen.insert(SortedBasis(tableau)).second;
    }
    return true;
}

std::optional<ExactOptimum> SolveExactly(const ProblemTexts& typed, char separator) {
    auto shadow = Shadow::Build(typed, separator);
    if (!shadow) {
        return std::nullopt;
    }
    ExactOptimum o;
    if (shadow->CurrentPhase() == Phase::First) {
        RunPhase(*shadow);
        if (*shadow->Value(shadow->Layout().Objective(), 2) > 0) {
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
        o.z = *shadow->Value(shadow->Layout().Objective(), 2);
        o.x = shadow->Point();
    }
    o.final = std::move(shadow);
    return o;
}

}  // namespace simplesso
