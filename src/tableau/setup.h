// Builds the initial tableau from the texts of the input fields.
#pragma once

#include <array>
#include <string>

#include "form_state.h"
#include "grid.h"
#include "problem.h"

namespace simplesso {

// "x1" ... "x6": the name of a variable as the tableau shows it.
std::string VariableName(int index);

// Writes headers, labels, the slack basis and the field texts unchanged, sets bold and alignment
// of all 90 cells, leaves (9, 2) current and enables the step button. Backgrounds stay as they are.
void ImpostaTabella(Grid& grid, const ProblemTexts& fields, WindowHooks& window);

}  // namespace simplesso
