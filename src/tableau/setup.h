// Builds the initial tableau from the texts of the input fields, in the shape the problem asks
// for: today's slack basis when every row is "≤" once negative known terms are turned, the first
// phase of the two-phase method otherwise.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "problem.h"
#include "shape.h"

namespace simplesso {

// "x1" ... "x6": the name of a variable as the tableau shows it.
std::string VariableName(int index);

struct SetUpReport {
    TurnedProblem problem;  // the rows as the tableau holds them
    TableauShape shape;
};

// Writes headers, labels, the first basis and the field texts (a turned row's with their signs
// changed), sets bold and alignment of every cell, leaves (9, 2) current and enables the step
// button. Backgrounds stay as they are. Of the form state it sets only the direction, the phase
// and the rule, and clears the added constraints, never PrimoPasso or the pivot cell. With Duale
// set, every row is written "≤" (a "≥" one multiplied by -1) over the slack basis.
SetUpReport ImpostaTabella(Grid& grid, FormState& state, const ProblemTexts& typed, char separator,
                           WindowHooks& window);

// Why a problem cannot start the dual simplex, with the row whose sense to focus, if one: an "="
// row, or a slack basis that is not optimal for the objective (a DELTA r that would enter by more
// than kResidue). Empty when it can.
struct DualRefusal {
    Message message;
    std::optional<int> row;
};
std::optional<DualRefusal> RefuseDual(const ProblemTexts& typed, char separator);

// Writes the problem's last row, a constraint added after an optimum, into the grid under the
// last constraint row, "≤" (a "≥" one multiplied by -1), with a new slack column before the known
// terms as its basic variable. The presses then follow the dual simplex, the first of them
// rewriting the row in terms of the basis. False, and nothing changes, when the grid does not
// hold the tableau of the problem without that row.
bool AggiungiVincolo(Grid& grid, FormState& state, const ProblemTexts& problem, char separator);

// Writes a Gomory cut, the problem's last row, into the grid the same way, but already in terms of
// the basis: its entry in each variable column and its known term, as seven-digit texts. The
// presses then follow the dual simplex. False, and nothing changes, where AggiungiVincolo would
// refuse, or when the entries are not one a variable column.
bool AggiungiTaglio(Grid& grid, FormState& state, const ProblemTexts& problem,
                    const std::vector<float>& entries, float known, char separator);

}  // namespace simplesso
