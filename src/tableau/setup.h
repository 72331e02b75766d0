// Builds the initial tableau from the texts of the input fields, in the shape the problem asks
// for: today's slack basis when every row is "≤" once negative known terms are turned, the first
// phase of the two-phase method otherwise.
#pragma once

#include <string>

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
// and the rule, never PrimoPasso or the pivot cell.
SetUpReport ImpostaTabella(Grid& grid, FormState& state, const ProblemTexts& typed, char separator,
                           WindowHooks& window);

}  // namespace simplesso
