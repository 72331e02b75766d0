#include "setup.h"

#include <functional>
#include <string>
#include <vector>

#include "numbers.h"
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
    state.Aggiunte = 0;
    state.DaRiscrivere = false;
    const TurnedProblem turned = TurnRows(typed, separator, FirstDualRow(state, typed.Rows()));
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

std::optional<DualRefusal> RefuseDual(const ProblemTexts& typed, char separator) {
    for (int r = 0; r < typed.Rows(); ++r) {
        if (typed.sense[r] == Sense::Equal) {
            return DualRefusal{{"Attenzione!", "Il simplesso duale richiede vincoli con < o >.",
                                MessageIcon::Warning},
                               r};
        }
    }
    const bool minimising = typed.direction == Direction::Minimise;
    for (const std::string& text : typed.objective) {
        const std::optional<float> cost = ReadSingle(text, separator);
        if (cost && (minimising ? -*cost : *cost) > kResidue) {
            return DualRefusal{{"Attenzione!",
                                "La base iniziale non è ammissibile per il duale: usare il metodo "
                                "delle due fasi.",
                                MessageIcon::Warning},
                               std::nullopt};
        }
    }
    return std::nullopt;
}

namespace {

// The problem's last row written under the last constraint row with a new slack column before the
// known terms as its basic variable: `entry` gives its text in each earlier variable column.
bool InsertConstraint(Grid& grid, FormState& state, const ProblemTexts& problem, char separator,
                      const std::function<std::string(const TableauColumn&, int)>& entry,
                      const std::string& known) {
    const int m = problem.Rows();
    FormState after = state;
    ++after.Aggiunte;
    TableauShape shape =
        InitialShape(TurnRows(problem, separator, FirstDualRow(after, m)).texts);
    if (state.Fase == Phase::Second) {
        shape = WithoutArtificials(shape);
    }
    const TableauRows rows = shape.Layout();
    const int slack = shape.KnownColumn() - 1;
    const TableauColumn& column = shape.columns.back();
    // The grid must hold this tableau but for the new row and its slack, the last column.
    if (m < 2 || column.kind != ColumnKind::Slack || column.row != m - 1 ||
        grid.Rows() != rows.GridRows() - 1 || grid.Cols() != shape.GridCols() - 1) {
        return false;
    }
    for (int c = TableauRows::kFirstVariableColumn; c < slack; ++c) {
        if (grid.TextMatrix(TableauRows::kHeader, c) != shape.columns[c - 2].name) {
            return false;
        }
    }
    const int row = rows.LastConstraint();
    grid.Insert(row, slack);
    // The new cells take the format of their neighbours: the row above, the column left.
    const auto format = [&](int r, int c, int fromRow, int fromCol) {
        const Cell& from = grid.At(fromRow, fromCol);
        const bool bold = from.bold;
        const int alignment = from.alignment;
        grid.SetRow(r);
        grid.SetCol(c);
        grid.SetCellBold(bold);
        grid.SetCellAlignment(alignment);
    };
    const int currentRow = grid.Row();
    const int currentCol = grid.Col();
    for (int r = 0; r < grid.Rows(); ++r) {
        if (r != row) {
            format(r, slack, r, slack - 1);
        }
    }
    for (int c = 0; c < grid.Cols(); ++c) {
        format(row, c, row - 1, c);
    }
    grid.SetRow(currentRow);
    grid.SetCol(currentCol);
    grid.SetTextMatrix(TableauRows::kHeader, slack, column.name);
    for (int r = rows.FirstConstraint(); r < row; ++r) {
        if (!grid.TextMatrix(r, TableauRows::kBasisColumn).empty()) {
            grid.SetTextMatrix(r, slack, "0");
        }
    }
    grid.SetTextMatrix(row, TableauRows::kCostColumn, "0");
    grid.SetTextMatrix(row, TableauRows::kBasisColumn, column.name);
    for (int c = TableauRows::kFirstVariableColumn; c < slack; ++c) {
        grid.SetTextMatrix(row, c, entry(shape.columns[c - 2], c));
    }
    grid.SetTextMatrix(row, slack, "1");
    grid.SetTextMatrix(row, shape.KnownColumn(), known);
    grid.SetTextMatrix(rows.Costs(), slack, "0");
    grid.SetTextMatrix(rows.Reduced(), slack, BlankSignedText(0.0f, separator));
    grid.SetTextMatrix(rows.Solution(), slack, known);
    state = after;
    state.PrimoPasso = true;
    state.Inammissibile = false;
    state.MinimoIndice = false;
    return true;
}

}  // namespace

bool AggiungiVincolo(Grid& grid, FormState& state, const ProblemTexts& problem, char separator) {
    const int m = problem.Rows();
    const TurnedProblem turned = TurnRows(problem, separator, m - 1);
    const std::vector<std::string>& typed = turned.texts.constraint[m - 1];
    const auto entry = [&](const TableauColumn& column, int) {
        return column.kind == ColumnKind::Decision ? typed[column.variable] : std::string("0");
    };
    if (!InsertConstraint(grid, state, problem, separator, entry, turned.texts.known[m - 1])) {
        return false;
    }
    state.DaRiscrivere = true;
    return true;
}

bool AggiungiTaglio(Grid& grid, FormState& state, const ProblemTexts& problem,
                    const std::vector<float>& entries, float known, char separator) {
    if (entries.size() + 3 != static_cast<std::size_t>(grid.Cols())) {
        return false;
    }
    const auto entry = [&](const TableauColumn&, int col) {
        return SevenDigitText(entries[static_cast<std::size_t>(col - 2)], separator);
    };
    return InsertConstraint(grid, state, problem, separator, entry,
                            SevenDigitText(known, separator));
}

}  // namespace simplesso
