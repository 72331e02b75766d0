// Which variable stands in each column of a tableau, where its named rows stand, which rows the
// set-up turned, and which phase of the method the tableau belongs to. Today's tableau (three
// variables, three "≤" rows, slack basis) is the shape with no artificial column; every other
// exercise is a first phase that adds them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form_state.h"
#include "problem.h"

namespace simplesso {

enum class ColumnKind { Decision, Slack, Surplus, Artificial };

struct TableauColumn {
    std::string name;  // "x1" ... "x<n+m>", "a1" ... "a<m>"
    ColumnKind kind = ColumnKind::Decision;
    int row = -1;      // 0..m-1: the constraint of a slack, surplus or artificial variable
    // 0..n-1 the decision variables, n..n+m-1 the slack or surplus of each row, n+m..n+2m-1 the
    // artificial one of each row
    int variable = 0;
};

// The grid's named rows and columns for a tableau of m constraints: row 0 the header, rows 1..m
// the constraints, then an empty row, "Cr:", "DELTA r:", an empty row, "Soluzione:" and "Z ="
// (or "W ="); column 0 the costs of the basis, column 1 the basic variables, the variables from
// column 2, the known terms last.
struct TableauRows {
    int constraints = 3;

    static constexpr int kHeader = 0;
    static constexpr int kCostColumn = 0;
    static constexpr int kBasisColumn = 1;
    static constexpr int kFirstVariableColumn = 2;
    static constexpr int kRowsBesideConstraints = 7;

    // The layout of the tableau a grid holds.
    static TableauRows Of(int gridRows) { return {gridRows - kRowsBesideConstraints}; }

    int Constraint(int r) const { return 1 + r; }  // r = 0..m-1
    int FirstConstraint() const { return 1; }
    int LastConstraint() const { return constraints; }
    int Costs() const { return constraints + 2; }
    int Reduced() const { return constraints + 3; }
    int Solution() const { return constraints + 5; }
    int Objective() const { return constraints + 6; }
    int GridRows() const { return constraints + kRowsBesideConstraints; }
};

struct TableauShape {
    Phase phase = Phase::Single;
    int variables = 3;                   // n
    std::vector<TableauColumn> columns;  // grid columns 2, 3, ...
    std::vector<int> basis;              // per row, the index into columns of its basic variable

    int Rows() const { return static_cast<int>(basis.size()); }
    TableauRows Layout() const { return {Rows()}; }
    int KnownColumn() const { return 2 + static_cast<int>(columns.size()); }
    int GridCols() const { return KnownColumn() + 1; }
    // The grid column of a variable's name, if the tableau has it.
    std::optional<int> GridColumn(std::string_view name) const;
};

// The problem as the tableau writes it, some rows multiplied by -1: texts negated as a student
// writes them, "≤" and "≥" swapped.
struct TurnedProblem {
    ProblemTexts texts;
    std::vector<bool> turned;  // per row
};
// Up to firstDualRow, the rows whose known term is negative are turned, so that every known term
// starts non-negative; from there on (the dual simplex's rows) the "≥" rows, so that every such
// row is "≤" and its known term may stay negative.
TurnedProblem TurnRows(const ProblemTexts& typed, char separator, int firstDualRow);
inline TurnedProblem TurnNegativeRows(const ProblemTexts& typed, char separator) {
    return TurnRows(typed, separator, typed.Rows());
}

// "3" -> "-3", "-2.5" -> "2.5", "+4" -> "-4"; a zero stays as it is. Blanks around stay.
std::string NegatedText(std::string_view text, char separator);

// x1..xn; the slack (+1) or surplus (-1) x(n+r) of each row r that is not "="; the artificial
// a<r> of each "≥" or "=" row. The first basis: each "≤" row's slack, each other row's
// artificial.
TableauShape InitialShape(const ProblemTexts& turned);

// Whether the grid's name of a column or basic variable is an artificial one: a1, a2, ...
inline bool IsArtificialName(std::string_view name) {
    return name.starts_with('a');
}

// What the first tableau holds in a column, for the set-up and the exact side alike. A column
// that is not a decision variable's is an identity column: +1 (slack, artificial) or -1
// (surplus) in its own row, 0 elsewhere.
int IdentityEntry(const TableauColumn& column, int row);
// Its cost in "Cr:": the first phase's W counts the artificial variables (1) and nothing else;
// otherwise a decision variable costs the objective's coefficient (empty here: the caller has
// it) and every other 0.
std::optional<int> FixedCost(const TableauColumn& column, Phase phase);

// The same columns without the artificial ones, for the second phase.
TableauShape WithoutArtificials(const TableauShape& shape);

}  // namespace simplesso
