#include "setup.h"

#include <string>

#include "step.h"

namespace simplesso {
namespace {

void Format(Grid& grid, int row, int col) {
    grid.SetRow(row);
    grid.SetCol(col);
}

// The coefficient of a slack, surplus or artificial column in a constraint row.
std::string IdentityText(const TableauColumn& column, int row) {
    if (column.row != row) {
        return "0";
    }
    return column.kind == ColumnKind::Surplus ? "-1" : "1";
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
    const bool firstPhase = shape.phase == Phase::First;
    const int known = shape.KnownColumn();
    state.Verso = typed.direction;
    state.Fase = shape.phase;
    state.MinimoIndice = false;
    state.Inammissibile = false;

    grid.SetCols(shape.GridCols());
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            Format(grid, r, c);
            grid.SetCellBold(true);
            grid.SetCellAlignment(kAlignCentreCentre);
        }
    }
    for (int r = 1; r < Grid::kRows; ++r) {
        for (int c = 2; c < grid.Cols(); ++c) {
            Format(grid, r, c);
            grid.SetCellBold(false);
        }
    }
    for (std::size_t i = 0; i < shape.columns.size(); ++i) {
        grid.SetTextMatrix(0, 2 + static_cast<int>(i), shape.columns[i].name);
    }
    const auto basic = [&](int r) -> const TableauColumn& {
        return shape.columns[shape.basis[r - 1]];
    };
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(r, 0, basic(r).kind == ColumnKind::Artificial ? "1" : "0");
    }
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(r, 1, basic(r).name);
    }
    for (int r = 5; r <= 9; ++r) {
        Format(grid, r, 1);
        grid.SetCellAlignment(kAlignRightTop);
    }
    grid.SetTextMatrix(5, 1, "Cr:");
    grid.SetTextMatrix(6, 1, "DELTA r:");
    grid.SetTextMatrix(8, 1, "Soluzione:");
    for (int r = 1; r <= 3; ++r) {
        for (int v = 0; v < 3; ++v) {
            grid.SetTextMatrix(r, v + 2, fields.constraint[r - 1][v]);
        }
        for (std::size_t i = 3; i < shape.columns.size(); ++i) {
            grid.SetTextMatrix(r, 2 + static_cast<int>(i), IdentityText(shape.columns[i], r - 1));
        }
        grid.SetTextMatrix(r, known, fields.known[r - 1]);
    }
    Format(grid, 9, 2);
    grid.SetCellAlignment(kAlignLeftTop);
    grid.SetTextMatrix(9, 1, firstPhase ? "W =" : "Z =");
    grid.SetTextMatrix(9, 2, "0");
    // The first phase's costs are W's: 1 for each artificial variable. Otherwise the objective's
    // as typed, and with a basis of slacks only, each DELTA r is its cost.
    for (int row : {5, 6}) {
        for (std::size_t i = 0; i < shape.columns.size(); ++i) {
            const TableauColumn& column = shape.columns[i];
            std::string cost = "0";
            if (firstPhase) {
                cost = column.kind == ColumnKind::Artificial ? "1" : "0";
            } else if (column.kind == ColumnKind::Decision) {
                cost = fields.objective[column.variable];
            }
            grid.SetTextMatrix(row, 2 + static_cast<int>(i), cost);
        }
    }
    for (int c = 2; c < known; ++c) {
        grid.SetTextMatrix(8, c, "0");
    }
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(8, 2 + shape.basis[r - 1], fields.known[r - 1]);
    }
    if (firstPhase) {
        RecomputeCostRows(grid, state, separator);
    }
    window.EnableStepButton();
    return {turned, shape};
}

}  // namespace simplesso
