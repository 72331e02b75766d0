#include "gomory.h"

#include "branch_and_bound.h"
#include "exact_number.h"
#include "shape.h"

namespace simplesso::integer {

std::vector<int> FractionalVariables(const Shadow& tableau) {
    std::vector<int> fractional;
    const std::vector<mpq_class> x = tableau.Point();
    for (std::size_t v = 0; v < x.size(); ++v) {
        if (x[v].get_den() != 1) {
            fractional.push_back(static_cast<int>(v));
        }
    }
    return fractional;
}

std::optional<GomoryCut> FractionalCut(const Shadow& tableau, const ProblemTexts& problem,
                                       const FormState& state, char separator) {
    const TableauRows& rows = tableau.Layout();
    const int known = tableau.KnownColumn();
    const int n = problem.Variables();
    std::optional<int> source;
    mpq_class largest;
    for (int r = rows.FirstConstraint(); r <= rows.LastConstraint(); ++r) {
        const auto basic = tableau.BasicColumn(r);
        if (!basic || *basic - 2 >= n) {
            continue;
        }
        const mpq_class part = FractionalPart(*tableau.Value(r, known));
        if (sgn(part) != 0 && (!source || part > largest)) {
            largest = part;
            source = r;
        }
    }
    if (!source) {
        return std::nullopt;
    }
    GomoryCut cut;
    cut.sourceRow = *source;
    cut.known = *tableau.Value(*source, known);
    cut.f0 = largest;
    cut.h.assign(static_cast<std::size_t>(n), mpq_class(0));
    cut.h0 = largest;
    // Each row as the tableau wrote it, a'x ± s = b', gives its slack s in x1 ... xn.
    const ProblemTexts written =
        TurnRows(problem, separator, FirstDualRow(state, problem.Rows())).texts;
    const TableauShape& shape = tableau.Shape();
    for (int c = 2; c < known; ++c) {
        bool basic = false;
        for (int r = rows.FirstConstraint(); r <= rows.LastConstraint(); ++r) {
            basic = basic || tableau.BasicColumn(r) == c;
        }
        const mpq_class f = basic ? mpq_class(0) : FractionalPart(*tableau.Value(*source, c));
        cut.f.push_back(f);
        const TableauColumn& column = shape.columns[static_cast<std::size_t>(c - 2)];
        if (sgn(f) == 0) {
            continue;
        }
        if (column.kind == ColumnKind::Decision) {
            cut.h[static_cast<std::size_t>(column.variable)] += f;
            continue;
        }
        // s = (b' - a'x) / sign, the sign +1 for a slack and -1 for a surplus.
        const int row = column.row;
        const mpq_class sign(IdentityEntry(column, row));
        const mpq_class scale = f / sign;
        for (int v = 0; v < n; ++v) {
            cut.h[static_cast<std::size_t>(v)] -=
                scale * ReadRational(written.constraint[row][v], separator).value_or(0);
        }
        cut.h0 -= scale * ReadRational(written.known[row], separator).value_or(0);
    }
    return cut;
}

ProblemTexts WithCut(const ProblemTexts& problem, const GomoryCut& cut) {
    ProblemTexts widened = problem;
    std::vector<std::string> row;
    for (const mpq_class& h : cut.h) {
        row.push_back(FractionText(-h));
    }
    widened.constraint.push_back(std::move(row));
    widened.known.push_back(FractionText(-cut.h0));
    widened.sense.push_back(Sense::LessEqual);
    ++widened.cuts;
    return widened;
}

bool IntegerData(const ProblemTexts& problem, char separator) {
    for (int r = 0; r < problem.Rows() - problem.cuts; ++r) {
        for (const std::string& a : problem.constraint[static_cast<std::size_t>(r)]) {
            const auto value = ReadExact(a, separator);
            if (!value || value->get_den() != 1) {
                return false;
            }
        }
        const auto b = ReadExact(problem.known[static_cast<std::size_t>(r)], separator);
        if (!b || b->get_den() != 1) {
            return false;
        }
    }
    return true;
}

}  // namespace simplesso::integer
