#include "setup.h"

#include <string>

#include "step.h"

namespace simplesso {
namespace {

void Format(Grid& grid, int row, int col) {
    grid.SetRow(row);
    grid.SetCol(col);
}


}  // namespace

std::string VariableName(int index) {
    std::string name = "x";
    name += std::to_string(index);
    return name;
}

SetUpReport ImpostaTabella(Grid& grid, FormState& state, const ProblemTexts& typed, char separator,
                           WindowHooks& window) {
    const TurnedProblem turned = TurnNegativeRows(typed, separator);
    const ProblemTexts& fields = turned.texts;
    const TableauShape shape = InitialShape(fields);
    const TableauRows rows = shape.Layout();
    const bool firstPhase = shape.phase == Phase::First;
    const int known = shape.KnownColumn();
    const int m = shape.Rows();
    const int first = TableauRows::kFirstVariableColumn;
    state.Verso = typed.direction;
    state.Fase = shape.phase;
    state.MinimoIndice = false;
    state.Inammissibile = false;

    grid.SetSize(rows.GridRows(), shape.GridCols());
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            Format(grid, r, c);
            grid.SetCellBold(true);
            grid.SetCellAlignment(kAlignCentreCentre);
        }
    }
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = first; c < grid.Cols(); ++c) {
            Format(grid, r, c);
            grid.SetCellBold(false);
        }
    }
    for (std::size_t i = 0; i < shape.columns.size(); ++i) {
        grid.SetTextMatrix(TableauRows::kHeader, first + static_cast<int>(i),
                           shape.columns[i].name);
    }
    const auto basic = [&](int r) -> const TableauColumn& { return shape.columns[shape.basis[r]]; };
    for (int r = 0; r < m; ++r) {
        grid.SetTextMatrix(rows.Constraint(r), TableauRows::kCostColumn,
                           basic(r).kind == ColumnKind::Artificial ? "1" : "0");
    }
    for (int r = 0; r < m; ++r) {
        grid.SetTextMatrix(rows.Constraint(r), TableauRows::kBasisColumn, basic(r).name);
    }
    for (int r = rows.Costs(); r <= rows.Objective(); ++r) {
        Format(grid, r, TableauRows::kBasisColumn);
        grid.SetCellAlignment(kAlignRightTop);
    }
    grid.SetTextMatrix(rows.Costs(), TableauRows::kBasisColumn, "Cr:");
    grid.SetTextMatrix(rows.Reduced(), TableauRows::kBasisColumn, "DELTA r:");
    grid.SetTextMatrix(rows.Solution(), TableauRows::kBasisColumn, "Soluzione:");
    for (int r = 0; r < m; ++r) {
        for (std::size_t i = 0; i < shape.columns.size(); ++i) {
            const TableauColumn& column = shape.columns[i];
            grid.SetTextMatrix(rows.Constraint(r), first + static_cast<int>(i),
                               column.kind == ColumnKind::Decision
                                   ? fields.constraint[r][column.variable]
                                   : std::to_string(IdentityEntry(column, r)));
        }
        grid.SetTextMatrix(rows.Constraint(r), known, fields.known[r]);
    }
    Format(grid, rows.Objective(), first);
    grid.SetCellAlignment(kAlignLeftTop);
    grid.SetTextMatrix(rows.Objective(), TableauRows::kBasisColumn, firstPhase ? "W =" : "Z =");
    grid.SetTextMatrix(rows.Objective(), first, "0");
    // The first phase's costs are W's: 1 for each artificial variable. Otherwise the objective's
    // as typed, and with a basis of slacks only, each DELTA r is its cost.
    for (int row : {rows.Costs(), rows.Reduced()}) {
        for (std::size_t i = 0; i < shape.columns.size(); ++i) {
            const TableauColumn& column = shape.columns[i];
            const std::optional<int> fixed = FixedCost(column, shape.phase);
            grid.SetTextMatrix(row, first + static_cast<int>(i),
                               fixed ? std::to_string(*fixed) : fields.objective[column.variable]);
        }
    }
    for (int c = first; c < known; ++c) {
        grid.SetTextMatrix(rows.Solution(), c, "0");
    }
    for (int r = 0; r < m; ++r) {
        grid.SetTextMatrix(rows.Solution(), first + shape.basis[r], fields.known[r]);
    }
    if (firstPhase) {
        RecomputeCostRows(grid, state, typed, separator);
    }
    window.EnableStepButton();
    return {turned, shape};
}

}  // namespace simplesso
