// The explanation line: why a pivot entered and left, what the next press will do, how the
// two-phase method moves from one phase to the other and why the lesson ended, always in the
// texts the grid shows so that the student finds every number.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "gomory.h"
#include "grid.h"
#include "problem.h"
#include "shape.h"
#include "step.h"

namespace simplesso {

// A cell's text as shown, without the blank the step puts before non-negative values.
std::string ShownText(const Grid& grid, int row, int col);

// The named rows of the tableau a grid holds.
inline TableauRows RowsOf(const Grid& grid) {
    return TableauRows::Of(grid.Rows());
}

// Whether the variable of a grid column is named in the basis column.
bool InBasis(const Grid& grid, int col);

// One constraint row of the ratio test on a column, with the texts as shown.
struct RowRatio {
    std::string basic;  // the row's basic variable, "x5"
    std::string known;  // known term text
    std::string entry;  // entry text in the column
    std::optional<float> entryValue;
    std::optional<float> quotient;  // only for a row that competes, as the step computes it

    bool Competes() const { return quotient.has_value(); }
    // "8 / 4 = 2"; only for a row that competes.
    std::string Text(char separator) const;
};

// A constraint row of the ratio test the press made on its entering column.
RowRatio RatioOf(const Grid& grid, const StepReport& press, int row);

// "Prima fase:" or "Seconda fase:" in a two-phase lesson, "Simplesso duale:" once the presses
// follow the dual simplex, nothing otherwise.
std::string PhasePrefix(const FormState& state);

// Why the largest (or, minimising, the most negative) DELTA r enters: "è il più grande".
std::string EnteringWhy(const Grid& before, const FormState& state, const StepReport& press);

// "Entra x2: il suo DELTA r (6) è il più grande. Esce x5: 8 / 4 = 2 è il rapporto più piccolo."
// and the moves between the phases, from what the press did.
std::string ExplainPress(const Grid& before, const FormState& stateBefore, const Grid& after,
                         const StepReport& press, char separator);

// One line per constraint row for the tooltip: "x4: 18 / 2 = 9" or why the row does not compete.
std::vector<std::string> Quotients(const Grid& before, const StepReport& press, char separator);

// What the next press will do: its pivot, or that it will end the lesson, find it unbounded or
// move on to the other phase.
std::string ExplainNext(const Grid& grid, const FormState& state, const ProblemTexts& problem,
                        char separator);

// Why the lesson shown has ended, from the press that ended it; empty while it has not.
std::string ExplainEnd(const Grid& grid, const FormState& state, const StepReport& press);

// "Il vincolo 2 aveva il termine noto negativo: moltiplicato per -1 ora si legge ..." for the
// rows the set-up turned; empty when none was.
std::string ExplainTurnedRows(const TurnedProblem& problem, char separator,
                              const std::string& why = "aveva il termine noto negativo");

// "x1 = sedie, x2 = tavoli." for the names an exercise file gave the variables; empty when it
// gave none, or each name already is its xj.
std::string ExplainNames(const std::vector<std::string>& names);

// The dual simplex's lines, which the ones above turn to for a dual press: why the row left and
// the column entered, or how the added row was rewritten; every column's ratio for the tooltip;
// what the next press will do; why the lesson ended.
std::string ExplainDualPress(const Grid& before, const FormState& stateBefore, const Grid& after,
                             const StepReport& press, char separator);
std::vector<std::string> DualRatios(const Grid& before, const StepReport& press, char separator);
std::string ExplainDualNext(const Grid& grid, const FormState& state, const StepReport& next,
                            char separator);
std::string ExplainDualEnd(const Grid& grid, const StepReport& press);

// The rows a dual lesson's set-up multiplied by -1 and the basis it starts from.
std::string ExplainDualRows(const TurnedProblem& problem, char separator);

// "Vincolo aggiunto: x1 + x2 ≤ 5. Entra nella tabella come riga 4 con la variabile di scarto x7
// in base." for the problem's last row, just added to the grid.
std::string ExplainAddedRow(const Grid& grid, const ProblemTexts& problem, char separator);

// "Taglio di Gomory dalla riga di x1: ..." the source row, the fractional parts and the cut, in
// the tableau's columns and in x1 ... xn, and the row it takes in the tableau.
std::string ExplainCut(const Grid& before, const integer::GomoryCut& cut, int variables,
                       int rowsWithCut);

}  // namespace simplesso
