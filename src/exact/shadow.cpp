#include "shadow.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "exact_number.h"
#include "grid.h"

namespace simplesso {

std::optional<Shadow> Shadow::Build(const ProblemTexts& typed, char separator,
                                    int firstDualRow) {
    const TurnedProblem turned = TurnRows(typed, separator, firstDualRow);
    const ProblemTexts& fields = turned.texts;
    Shadow s;
    s.shape_ = InitialShape(fields);
    s.rows_ = s.shape_.Layout();
    s.direction_ = typed.direction;
    s.cells_.resize(s.Rows() * s.Cols());  // zeros that have not asked for memory yet
    s.objective_.resize(fields.Variables());
    s.basic_.resize(fields.Rows());
    for (int v = 0; v < fields.Variables(); ++v) {
        const auto c = ReadRational(fields.objective[v], separator);
        if (!c) {
            return std::nullopt;
        }
        s.objective_[v] = *c;
    }
    const int known = s.KnownColumn();
    const int m = fields.Rows();
    for (int r = 1; r <= m; ++r) {
        for (int v = 0; v < fields.Variables(); ++v) {
            const auto a = ReadRational(fields.constraint[r - 1][v], separator);
            if (!a) {
                return std::nullopt;
            }
            s.At(r, v + 2) = *a;
        }
        const auto b = ReadRational(fields.known[r - 1], separator);
        if (!b) {
            return std::nullopt;
        }
        s.At(r, known) = *b;
        s.basic_[r - 1] = 2 + s.shape_.basis[r - 1];
    }
    for (std::size_t i = 0; i < s.shape_.columns.size(); ++i) {
        const TableauColumn& column = s.shape_.columns[i];
        const int col = 2 + static_cast<int>(i);
        if (column.kind != ColumnKind::Decision) {
            s.At(s.rows_.Constraint(column.row), col) = IdentityEntry(column, column.row);
        }
        const std::optional<int> fixed = FixedCost(column, s.shape_.phase);
        s.At(s.rows_.Costs(), col) = fixed ? mpq_class(*fixed) : s.objective_[column.variable];
    }
    for (int r = 1; r <= m; ++r) {
        s.At(r, 0) = s.Get(s.rows_.Costs(), *s.basic_[r - 1]);
    }
    s.RewriteSolution();
    s.RecomputeCostRows();
    return s;
}

bool Shadow::IsArtificial(int col) const {
    return col >= 2 && col < KnownColumn() &&
           shape_.columns[col - 2].kind == ColumnKind::Artificial;
}

PivotCheck Shadow::Check(int col, int row) const {
    if (col < 2 || col >= KnownColumn() || row < 1 || row > rows_.LastConstraint() ||
        !basic_[row - 1]) {
        throw std::out_of_range("no pivot at row " + std::to_string(row) + ", column " +
                                std::to_string(col));
    }
    return {Get(rows_.Reduced(), col), Get(row, col), Get(row, KnownColumn())};
}

void Shadow::AddRow(const ProblemTexts& problem, char separator) {
    const int m = problem.Rows();
    const TurnedProblem turned = TurnRows(problem, separator, m - 1);
    std::vector<mpq_class> row(shape_.columns.size());
    std::optional<mpq_class> known = ReadRational(turned.texts.known[m - 1], separator);
    for (int v = 0; v < shape_.variables && known; ++v) {
        const auto a = ReadRational(turned.texts.constraint[m - 1][v], separator);
        if (!a) {
            known.reset();
        } else {
            row[v] = *a;
        }
    }
    if (!known || m != rows_.constraints + 1 || problem.Variables() != shape_.variables) {
        lost_ = true;
        return;
    }
    InsertRow(std::move(row), *known);
}

void Shadow::AddCut(std::vector<mpq_class> entries, const mpq_class& known) {
    if (entries.size() != shape_.columns.size()) {
        throw std::invalid_argument("a cut needs an entry for every variable column");
    }
    InsertRow(std::move(entries), known);
}

void Shadow::InsertRow(std::vector<mpq_class> entries, const mpq_class& known) {
    // Every row moves down by one under the new one, every column right of the new slack.
    const int m = rows_.constraints + 1;
    TableauShape shape = shape_;
    shape.columns.push_back({"x" + std::to_string(shape_.variables + m), ColumnKind::Slack, m - 1,
                             shape_.variables + m - 1});
    shape.basis.push_back(static_cast<int>(shape.columns.size()) - 1);
    const TableauRows rows = shape.Layout();
    std::vector<mpq_class> cells(rows.GridRows() * shape.GridCols());
    const int slack = KnownColumn();
    const int added = rows.LastConstraint();
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < Cols(); ++c) {
            cells[(r < added ? r : r + 1) * shape.GridCols() + (c < slack ? c : c + 1)] =
                std::move(At(r, c));
        }
    }
    shape_ = std::move(shape);
    rows_ = rows;
    cells_ = std::move(cells);
    basic_.push_back(slack);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        At(added, 2 + static_cast<int>(i)) = std::move(entries[i]);
    }
    At(added, slack) = 1;
    At(added, KnownColumn()) = known;
    RewriteSolution();
}

void Shadow::RewriteAddedRow() {
    const int added = rows_.LastConstraint();
    for (int r = 1; r < added; ++r) {
        if (basic_[r - 1] && sgn(Get(added, *basic_[r - 1])) != 0) {
            const mpq_class factor = Get(added, *basic_[r - 1]);
            for (int c = 2; c <= KnownColumn(); ++c) {
                SubtractProduct(At(added, c), factor, Get(r, c));
            }
        }
    }
    RewriteSolution();
}

void Shadow::Pivot(int col, int row) {
    const PivotCheck check = Check(col, row);
    if (lost_ || check.entry == 0) {
        lost_ = true;
        return;
    }
    basic_[row - 1] = col;
    At(row, 0) = check.reducedCost;
    const mpq_class& pivot = check.entry;
    for (int c = 2; c <= KnownColumn(); ++c) {
        if (sgn(Get(row, c)) != 0) {
            At(row, c) /= pivot;
        }
    }
    for (int r = 1; r <= rows_.LastConstraint(); ++r) {
        if (r != row && basic_[r - 1]) {
            Eliminate(r, col, row);
        }
    }
    RewriteSolution();
    for (int c = 2; c < KnownColumn(); ++c) {
        SubtractProduct(At(rows_.Reduced(), c), Get(row, 0), Get(row, c));
    }
    RewriteObjective();
}

const mpq_class* Shadow::Product(const mpq_class& a, const mpq_class& b) {
    if (sgn(a) == 0 || sgn(b) == 0) {
        return nullptr;
    }
    mpq_mul(product_.get_mpq_t(), a.get_mpq_t(), b.get_mpq_t());
    return &product_;
}

// The pivot row now holds 1 in the pivot column, so the factor is the row's own entry there.
void Shadow::Eliminate(int row, int col, int pivotRow) {
    if (sgn(Get(row, col)) == 0) {
        return;
    }
    const mpq_class factor = Get(row, col);
    for (int c = 2; c <= KnownColumn(); ++c) {
        SubtractProduct(At(row, c), factor, Get(pivotRow, c));
    }
}

void Shadow::DropRow(int row) {
    if (row < 1 || row > rows_.LastConstraint()) {
        throw std::out_of_range("no constraint row " + std::to_string(row));
    }
    basic_[row - 1].reset();
    for (int c = 0; c <= KnownColumn(); ++c) {
        At(row, c) = 0;
    }
    RewriteSolution();
    RewriteObjective();
}

void Shadow::SwitchPhase() {
    TableauShape second = WithoutArtificials(shape_);
    const int oldCols = Cols();
    const int oldKnown = KnownColumn();
    std::vector<mpq_class> cells(Rows() * second.GridCols());
    const int known = second.KnownColumn();
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < known; ++c) {
            cells[r * second.GridCols() + c] = std::move(cells_[r * oldCols + c]);
        }
        cells[r * second.GridCols() + known] = std::move(cells_[r * oldCols + oldKnown]);
    }
    for (auto& basic : basic_) {
        if (basic && *basic >= known) {
            basic.reset();  // an artificial variable still basic: the grid cannot get here
            lost_ = true;
        }
    }
    shape_ = std::move(second);
    cells_ = std::move(cells);
    for (int c = 2; c < known; ++c) {
        const TableauColumn& column = shape_.columns[c - 2];
        const std::optional<int> fixed = FixedCost(column, Phase::Second);
        At(rows_.Costs(), c) = fixed ? mpq_class(*fixed) : objective_[column.variable];
    }
    for (int r = 1; r <= rows_.LastConstraint(); ++r) {
        if (basic_[r - 1]) {
            At(r, 0) = Get(rows_.Costs(), *basic_[r - 1]);
        }
    }
    RecomputeCostRows();
}

void Shadow::RewriteSolution() {
    for (int c = 2; c < KnownColumn(); ++c) {
        At(rows_.Solution(), c) = 0;
    }
    for (int r = 1; r <= rows_.LastConstraint(); ++r) {
        if (basic_[r - 1]) {
            At(rows_.Solution(), *basic_[r - 1]) = Get(r, KnownColumn());
        }
    }
}

// Z counts the decision variables, W the artificial ones.
void Shadow::RewriteObjective() {
    mpq_class& objective = At(rows_.Objective(), 2);
    objective = 0;
    for (int c = 2; c < KnownColumn(); ++c) {
        const ColumnKind kind = shape_.columns[c - 2].kind;
        const bool counts = shape_.phase == Phase::First ? kind == ColumnKind::Artificial
                                                         : kind == ColumnKind::Decision;
        const mpq_class* product =
            counts ? Product(Get(rows_.Costs(), c), Get(rows_.Solution(), c)) : nullptr;
        if (product) {
            objective += *product;
        }
    }
}

void Shadow::RecomputeCostRows() {
    for (int c = 2; c < KnownColumn(); ++c) {
        At(rows_.Reduced(), c) = Get(rows_.Costs(), c);
        for (int r = 1; r <= rows_.LastConstraint(); ++r) {
            if (basic_[r - 1]) {
                SubtractProduct(At(rows_.Reduced(), c), Get(r, 0), Get(r, c));
            }
        }
    }
    RewriteObjective();
}

bool Shadow::IsNumberCell(int row, int col) const {
    if (row >= 1 && row <= rows_.LastConstraint()) {
        return basic_[row - 1] && (col == 0 || (col >= 2 && col <= KnownColumn()));
    }
    if (row == rows_.Costs() || row == rows_.Reduced() || row == rows_.Solution()) {
        return col >= 2 && col < KnownColumn();
    }
    return row == rows_.Objective() && col == 2;
}

const mpq_class* Shadow::Value(int row, int col) const {
    if (lost_ || row < 0 || row >= Rows() || col < 0 || col >= Cols() ||
        !IsNumberCell(row, col)) {
        return nullptr;
    }
    return &Get(row, col);
}

std::optional<int> Shadow::BasicColumn(int row) const {
    return basic_[row - 1];
}

std::vector<mpq_class> Shadow::Point() const {
    std::vector<mpq_class> point;
    for (int v = 0; v < shape_.variables; ++v) {
        point.push_back(Get(rows_.Solution(), 2 + v));
    }
    return point;
}

}  // namespace simplesso
