// Which variable stands in each column of a tableau, which rows the set-up turned, and which
// phase of the method the tableau belongs to. Today's tableau (three "≤" rows, slack basis) is
// the shape with no artificial column; every other exercise is a first phase that adds them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form_state.h"
#include "problem.h"

namespace simplesso {

enum class ColumnKind { Decision, Slack, Surplus, Artificial };

struct TableauColumn {
    std::string name;  // "x1" ... "x6", "a1" ... "a3"
    ColumnKind kind = ColumnKind::Decision;
    int row = -1;      // 0..2: the constraint of a slack, surplus or artificial variable
    int variable = 0;  // 0..2 x1..x3, 3..5 x4..x6, 6..8 a1..a3
};

struct TableauShape {
    Phase phase = Phase::Single;
    std::vector<TableauColumn> columns;  // grid columns 2, 3, ...
    std::array<int, 3> basis{};          // per row, the index into columns of its basic variable

    int KnownColumn() const { return 2 + static_cast<int>(columns.size()); }
    int GridCols() const { return KnownColumn() + 1; }
    // The grid column of a variable's name, if the tableau has it.
    std::optional<int> GridColumn(std::string_view name) const;
};

// The problem with every row whose known term is negative multiplied by -1: texts negated as a
// student writes them, "≤" and "≥" swapped.
struct TurnedProblem {
    ProblemTexts texts;
    std::array<bool, 3> turned{};
};
TurnedProblem TurnNegativeRows(const ProblemTexts& typed, char separator);

// "3" -> "-3", "-2.5" -> "2.5", "+4" -> "-4"; a zero stays as it is. Blanks around stay.
std::string NegatedText(std::string_view text, char separator);

// x1..x3; the slack (+1) or surplus (-1) x4..x6 of each row that is not "="; the artificial a<r>
// of each "≥" or "=" row. The first basis: each "≤" row's slack, each other row's artificial.
TableauShape InitialShape(const ProblemTexts& turned);

// Whether the grid's name of a column or basic variable is an artificial one: a1, a2, a3.
inline bool IsArtificialName(std::string_view name) {
    return name.starts_with('a');
}

// The same columns without the artificial ones, for the second phase.
TableauShape WithoutArtificials(const TableauShape& shape);

}  // namespace simplesso
